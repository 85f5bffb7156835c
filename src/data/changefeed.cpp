#include "data/changefeed.h"

#include "data/database.h"
#include "data/error.h"
#include "data/schema.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSqlDriver>
#include <QSqlQuery>

namespace data {

namespace {
const QString Channel = QStringLiteral("kursan_perubahan");
// More changed rows than this are read by reading everything again.
constexpr int RowByRow = 1000;
constexpr int PollMs = 1000;   // the file: within two seconds of a save
constexpr int AliveMs = 10000; // the server: a dropped connection is opened again
} // namespace

ChangeFeed& ChangeFeed::instance()
{
    static QPointer<ChangeFeed> one;
    if (!one)
        one = new ChangeFeed(QCoreApplication::instance());
    return *one;
}

ChangeFeed::ChangeFeed(QObject* parent) : QObject(parent)
{
    connect(&m_poll, &QTimer::timeout, this, &ChangeFeed::check);
}

ChangeFeed::~ChangeFeed() { stop(); }

void ChangeFeed::stop()
{
    m_followers = 0;
    closeConnection();
}

void ChangeFeed::closeConnection()
{
    m_poll.stop();
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.driver() && db.driver()->subscribedToNotifications().contains(Channel))
            db.driver()->unsubscribeFromNotification(Channel);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
    m_place.clear();
}

void ChangeFeed::release()
{
    if (m_followers > 0 && --m_followers == 0)
        stop();
}

void ChangeFeed::start()
{
    ++m_followers;
    const Location& at = Database::location();
    if (!m_connection.isEmpty() && m_place == at.text())
        return;
    closeConnection();
    const QString name = Database::uniqueName(QStringLiteral("perubahan"));
    try {
        Database::connect(name, true);
    } catch (const Error&) {
        return; // the windows go on with what they read; the next window tries again
    }
    m_connection = name;
    m_place = at.text();
    m_dataVersion = -1;
    dataVersionMoved();
    m_last = lastEntry();
    listen();
}

void ChangeFeed::listen()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const bool server = Database::location().isServer();
    if (server && m_automatic && db.driver()) {
        db.driver()->subscribeToNotification(Channel);
        connect(db.driver(), &QSqlDriver::notification, this, &ChangeFeed::check,
                Qt::UniqueConnection);
    }
    if (m_automatic)
        m_poll.start(server ? AliveMs : PollMs);
    else
        m_poll.stop();
}

void ChangeFeed::setAutomatic(bool automatic)
{
    m_automatic = automatic;
    if (!m_connection.isEmpty()) {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (!automatic && db.driver() && db.driver()->subscribedToNotifications().contains(Channel))
            db.driver()->unsubscribeFromNotification(Channel);
        listen();
    }
}

// The file's own counter moves whenever another connection commits: a question that costs
// nothing to ask every second. The server needs no such question.
bool ChangeFeed::dataVersionMoved()
{
    if (Database::location().isServer())
        return true;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next())
        return true;
    const qint64 now = q.value(0).toLongLong();
    const bool moved = now != m_dataVersion;
    m_dataVersion = now;
    return moved;
}

qint64 ChangeFeed::lastEntry()
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (q.exec(QStringLiteral("SELECT max(Nomor) FROM %1").arg(schema::ChangeLog)) && q.next())
        return q.value(0).toLongLong();
    return m_last;
}

void ChangeFeed::check()
{
    if (m_connection.isEmpty() || !dataVersionMoved())
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT Nomor, Tabel, Kunci FROM %1 WHERE Nomor > ? "
                             "ORDER BY Nomor LIMIT %2")
                  .arg(schema::ChangeLog)
                  .arg(RowByRow + 1));
    const qint64 seen = m_last;
    q.addBindValue(seen);
    if (!q.exec()) {
        // A connection opened again has forgotten what it listened to; what was saved while
        // it was away is read from the log once it is back.
        Database::engine().recover(db);
        if (db.isOpen() && db.driver() &&
            !db.driver()->subscribedToNotifications().contains(Channel))
            listen();
        return;
    }
    Changes changes;
    int count = 0;
    while (q.next()) {
        m_last = q.value(0).toLongLong();
        changes.keys[q.value(1).toString()].insert(q.value(2).toString());
        ++count;
    }
    q.finish();
    if (count == 0)
        return;
    // Too many to read row by row, or entries pruned before the windows heard of them.
    QSqlQuery oldest(db);
    if (count > RowByRow ||
        (oldest.exec(QStringLiteral("SELECT min(Nomor) FROM %1").arg(schema::ChangeLog)) &&
         oldest.next() && oldest.value(0).toLongLong() > seen + 1)) {
        changes = Changes{{}, true};
        m_last = lastEntry();
    }
    emit changed(changes);
}

} // namespace data
