#pragma once

#include <QString>
#include <stdexcept>

namespace data {

// A data operation that could not be done: no current row, a row the database refused,
// a malformed criterion. The message is for the user, in Indonesian.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The user chose to go back to what they were doing; they have been told all there is, so
// nothing more is shown.
class Declined : public Error {
public:
    Declined() : Error(QStringLiteral("Dibatalkan.")) {}
};

// The database file is held by another program for the moment; trying again later may work.
class InUseError : public Error {
public:
    using Error::Error;
};

} // namespace data
