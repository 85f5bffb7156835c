#pragma once

#include "platform/msgbox.h"

#include <QDate>
#include <QSqlDatabase>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

// Message boxes answered from a script; a box nobody expected fails the test.
class MsgBoxRecorder {
public:
    MsgBoxRecorder();
    ~MsgBoxRecorder();

    // The next box must show `text`; it is answered with `answer`, after `whileShown` ran.
    void expect(const QString& text, platform::Answer answer = platform::Answer::Ok,
                std::function<void()> whileShown = {});
    const std::vector<platform::MsgBoxCall>& shown() const { return m_shown; }
    // Fails the test when a scripted box was never shown.
    void verify();

private:
    struct Expected {
        QString text;
        platform::Answer answer;
        std::function<void()> whileShown;
    };
    std::deque<Expected> m_expected;
    std::vector<platform::MsgBoxCall> m_shown;
};

// A fresh database file per test, today fixed at 15 March 2005, message boxes scripted and
// the end of the program recorded instead of taken.
class KursanTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs SQL with bound values on the test database; returns the first column of every row.
    QVariantList sql(const QString& statement, const QVariantList& values = {});
    // Rows of a table as "a|b|c" texts in rowid order.
    QStringList rows(const QString& table);
    // Every row of the four tables of a database file ("TUnit: a|b|c"), the open one by default.
    QStringList allRows(const QString& file = {});
    // A trainee of a letter of its own answered `reply`, placed in `unit` over `period` (as
    // stored: "01/03/2005s/d01/04/2005"). Trainees are numbered from 9001; returns the number.
    QString placeTrainee(const QString& unit, const QString& period,
                         const QString& reply = QStringLiteral("Dapat"));
    // Lets queued events (deferred deletes, posted events) run.
    static void settle();
    // Closes every window the test left open.
    static void closeAllWindows();

    // The place of the test's data as the batch printer takes it: the file, or the server.
    QString database() const;
    // Whether this run of the tests keeps its data on the throwaway server (scripts/test runs the
    // data, numbering, report, selection, export and backup tests so, besides on the file).
    static bool onServer();
    // Runs one statement on the throwaway server's own database, as its superuser.
    static bool onServerItself(const QString& statement);

    QTemporaryDir m_dir;
    QString m_path; // the database file; on the server, a file a test may still use
    QString m_serverDatabase;
    QByteArray m_home;
    MsgBoxRecorder boxes;
    int m_ended = 0;
    int m_placedTrainees = 0;
};
