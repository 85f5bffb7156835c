#include "data/schema.h"

#include "data/error.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// The scripts live in the static library's resources, which must be registered by hand.
static void registerResources() { Q_INIT_RESOURCE(kursan); }

namespace data::schema {

namespace {

// Splits a script into statements; none of them holds a ';' inside a literal or a body.
QStringList split(const QString& script)
{
    QString clean;
    for (const QString& line : script.split(QLatin1Char('\n')))
        if (!line.trimmed().startsWith(QLatin1String("--")))
            clean += line + QLatin1Char('\n');
    QStringList out;
    for (const QString& s : clean.split(QLatin1Char(';')))
        if (!s.trimmed().isEmpty())
            out << s.trimmed();
    return out;
}

QStringList script(Engine engine)
{
    registerResources();
    QFile f(engine == Engine::File ? QStringLiteral(":/schema.sql")
                                   : QStringLiteral(":/schema-server.sql"));
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Skema DataBase tidak ditemukan dalam program."));
    return split(QString::fromUtf8(f.readAll()));
}

// The steps after the first version, by the version they lead to. None yet.
struct Step {
    int version;
    QStringList file;
    QStringList server;
};
const std::vector<Step>& allSteps()
{
    static const std::vector<Step> none;
    return none;
}

} // namespace

QStringList steps(Engine engine, int from)
{
    QStringList out;
    for (const Step& step : allSteps())
        if (step.version > from && step.version <= CurrentVersion)
            out << (engine == Engine::File ? step.file : step.server);
    return out;
}

QStringList statements(Engine engine, int version)
{
    QStringList out = script(engine);
    for (const Step& step : allSteps())
        if (step.version <= version)
            out << (engine == Engine::File ? step.file : step.server);
    return out;
}

const QStringList& tables()
{
    static const QStringList t{"TUnit", "TKursan", "TSurat", "TKegiatan"};
    return t;
}

const QStringList& views()
{
    static const QStringList v{"QNS", "QLapKursan", "QKursan", "QAktiv", "QSPM"};
    return v;
}

QString keyOf(const QString& table)
{
    static const QHash<QString, QString> keys{
        {"TUnit", "Kode_Unit"}, {"TKursan", "Np"}, {"TSurat", "Ns"}};
    return keys.value(table);
}

QString ownerOf(const QString& table)
{
    return table == QLatin1String("TKegiatan") ? QStringLiteral("Np") : QString();
}

// Read off the file's script run in memory, so the columns are written down once.
const QHash<QString, QStringList>& columns()
{
    static const QHash<QString, QStringList> all = [] {
        QHash<QString, QStringList> out;
        QString why;
        const QString name = QStringLiteral("schema-columns");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(QStringLiteral(":memory:"));
            QSqlQuery q(db);
            if (!db.open())
                why = db.lastError().text();
            for (const QString& sql : why.isEmpty() ? statements(Engine::File) : QStringList())
                if (!q.exec(sql)) {
                    why = q.lastError().text();
                    break;
                }
            for (const QString& source : why.isEmpty() ? tables() + views() : QStringList()) {
                q.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"));
                q.addBindValue(source);
                if (!q.exec())
                    why = q.lastError().text();
                while (q.next())
                    out[source] << q.value(0).toString();
            }
            q.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        if (!why.isEmpty())
            throw Error(QStringLiteral("Skema DataBase dalam program rusak: %1").arg(why));
        return out;
    }();
    return all;
}

QString canonical(const QString& name)
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> out;
        for (const QString& source : tables() + views()) {
            out.insert(source.toLower(), source);
            for (const QString& column : columns().value(source))
                out.insert(column.toLower(), column);
        }
        return out;
    }();
    return names.value(name.toLower(), name);
}

} // namespace data::schema
