#pragma once

#include <QByteArray>
#include <QString>

namespace reports {

// Copies the zip file `from` to `to` with the member `name` holding `content` instead (stored
// uncompressed); every other member is copied byte for byte, a piece at a time, so the copy
// takes little memory however large the file. Returns an empty text, or what went wrong.
QString copyZipReplacing(const QString& from, const QString& to, const QString& name,
                         const QByteArray& content);

} // namespace reports
