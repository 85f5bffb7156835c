#pragma once

#include "data/changes.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace data {

// The program's one ear for saves made anywhere: in another window of this program, another
// program on the same file, another desk on the same server. It hears of them cheaply (the
// file: SQLite's data_version, looked at once a second; the server: its notification, sent by
// the saving transaction), reads only the new entries of the log of changed rows, and tells
// the windows. Nothing is read while nothing changes.
class ChangeFeed : public QObject {
    Q_OBJECT
public:
    static ChangeFeed& instance();

    // Listens to the program's data, from where its log stands now, until every window that
    // called it released it again. Listening already to that place, it goes on from there.
    void start();
    void release();
    // Whether the feed looks by itself (the poll, the server's notifications); tests look with
    // check() instead, when they choose.
    void setAutomatic(bool automatic);
    // Looks for new changes now, and tells them.
    void check();
    // Stops listening, and lets go of the connection.
    void stop();

    ~ChangeFeed() override;

signals:
    void changed(const data::Changes& changes);

private:
    explicit ChangeFeed(QObject* parent);
    void closeConnection();
    void listen();
    bool dataVersionMoved();
    qint64 lastEntry();

    QString m_connection;
    QString m_place;
    qint64 m_last = 0;
    qint64 m_dataVersion = -1;
    bool m_automatic = true;
    int m_followers = 0;
    QTimer m_poll;
};

} // namespace data
