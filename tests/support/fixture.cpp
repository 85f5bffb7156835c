#include "support/fixture.h"

#include "data/changefeed.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/serverengine.h"
#include "platform/windows.h"

#include <QApplication>
#include <QPointer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QWidget>

MsgBoxRecorder::MsgBoxRecorder()
{
    platform::setMsgBoxHandler([this](const platform::MsgBoxCall& call) {
        m_shown.push_back(call);
        if (m_expected.empty()) {
            ADD_FAILURE() << "unexpected message box: " << call.text.toStdString() << " ("
                          << call.title.toStdString() << ")";
            return platform::Answer::Cancel;
        }
        Expected e = m_expected.front();
        m_expected.pop_front();
        EXPECT_EQ(call.text.toStdString(), e.text.toStdString());
        if (e.whileShown)
            e.whileShown();
        return e.answer;
    });
}

MsgBoxRecorder::~MsgBoxRecorder() { platform::setMsgBoxHandler({}); }

void MsgBoxRecorder::expect(const QString& text, platform::Answer answer,
                            std::function<void()> whileShown)
{
    m_expected.push_back({text, answer, std::move(whileShown)});
}

void MsgBoxRecorder::verify()
{
    for (const Expected& e : m_expected)
        ADD_FAILURE() << "message box never shown: " << e.text.toStdString();
    m_expected.clear();
}

namespace {
// A database of its own on the throwaway server, for one test.
data::Location serverDatabase(const QString& name)
{
    data::Location at = data::Location::parse(qEnvironmentVariable("KURSAN_TEST_SERVER"));
    at.database = name;
    return at;
}

} // namespace

// Runs one statement on the server's own database, as its superuser.
bool KursanTest::onServerItself(const QString& statement)
{
    const QString name = data::Database::uniqueName(QStringLiteral("admin"));
    bool done = false;
    {
        data::ServerEngine admin(data::Location::parse(qEnvironmentVariable("KURSAN_TEST_SERVER")));
        QSqlDatabase db = admin.connect(name, false);
        QSqlQuery q(db);
        done = q.exec(statement);
        if (!done)
            ADD_FAILURE() << statement.toStdString() << ": " << q.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}

QString KursanTest::database() const
{
    return m_serverDatabase.isEmpty() ? m_path : serverDatabase(m_serverDatabase).text();
}

bool KursanTest::onServer() { return qEnvironmentVariable("KURSAN_TEST_ENGINE") == "server"; }

void KursanTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    // The program's own folder (~/kursan) and its settings are the test's, never the user's.
    m_home = qgetenv("HOME");
    qputenv("HOME", m_dir.path().toLocal8Bit());
    m_path = m_dir.filePath(QStringLiteral("kursan/master.mdb"));
    if (onServer()) {
        if (qEnvironmentVariableIsEmpty("KURSAN_TEST_SERVER"))
            GTEST_SKIP() << "no server: run the tests through scripts/test";
        static int made = 0;
        m_serverDatabase =
            QStringLiteral("kursan_%1_%2").arg(QCoreApplication::applicationPid()).arg(++made);
        ASSERT_TRUE(onServerItself("CREATE DATABASE " + m_serverDatabase));
        data::Database::prepare(serverDatabase(m_serverDatabase));
    } else {
        data::Database::prepare(m_path);
    }
    data::setToday(QDate(2005, 3, 15));
    data::ChangeFeed::instance().setAutomatic(false); // a test looks for changes when it says
    platform::setEndProgramHandler([this] { ++m_ended; });
}

void KursanTest::TearDown()
{
    closeAllWindows();
    data::ChangeFeed::instance().stop();
    boxes.verify();
    data::setToday(QDate());
    platform::setEndProgramHandler({});
    qputenv("HOME", m_home);
    if (!m_serverDatabase.isEmpty()) {
        data::Database::setPath(m_path); // lets go of the server before its database goes
        onServerItself("DROP DATABASE " + m_serverDatabase + " WITH (FORCE)");
    }
}

void KursanTest::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void KursanTest::closeAllWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            windows << w;
    for (const QPointer<QWidget>& w : windows)
        delete w.data(); // owned windows go with their owner
    settle();
}

QVariantList KursanTest::sql(const QString& statement, const QVariantList& values)
{
    QVariantList out;
    const QString name = data::Database::uniqueName(QStringLiteral("test"));
    {
        QSqlDatabase db = data::Database::connect(name);
        QSqlQuery q(db);
        // The server prepares only queries and row changes, not GRANT or CREATE.
        bool done = false;
        if (values.isEmpty()) {
            done = q.exec(statement);
        } else {
            q.prepare(statement);
            for (const QVariant& v : values)
                q.addBindValue(v);
            done = q.exec();
        }
        if (!done)
            ADD_FAILURE() << statement.toStdString() << ": " << q.lastError().text().toStdString();
        while (q.isSelect() && q.next())
            out << q.value(0);
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}

QString KursanTest::placeTrainee(const QString& unit, const QString& period, const QString& reply)
{
    const QString np = QString::number(9001 + m_placedTrainees++);
    const QString ns = QStringLiteral("B/%1/PKL").arg(np);
    sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan, Instansi) VALUES (?, ?, ?, 'UGM')",
        {ns, np, "Kursan " + np});
    sql("INSERT INTO TSurat VALUES (?, ?, 1)", {ns, reply});
    sql("INSERT INTO TKegiatan VALUES (?, ?, ?)", {np, period, unit});
    return np;
}

QStringList KursanTest::rows(const QString& table)
{
    QStringList out;
    const QString name = data::Database::uniqueName(QStringLiteral("test"));
    {
        QSqlDatabase db = data::Database::connect(name);
        QSqlQuery q(db);
        q.exec("SELECT * FROM " + table +
               (table.startsWith('T') ? " ORDER BY " + data::Database::engine().tableOrder(table)
                                      : ""));
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
            out << cells.join('|');
        }
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}

QStringList KursanTest::allRows(const QString& file)
{
    const data::Location own = data::Database::location();
    if (!file.isEmpty())
        data::Database::setPath(file);
    QStringList out;
    for (const QString& table : data::Database::tables())
        for (const QString& row : rows(table))
            out << table + ": " + row;
    data::Database::use(own);
    return out;
}
