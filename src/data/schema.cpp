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

struct Step {
    int version;
    QStringList file;
    QStringList server;
};

// The log of changed rows and the triggers that write it (see ChangeLog): on the file one
// trigger an event and table, on the server one function for them all, which also tells the
// desks listening (NOTIFY) once the change is committed.
Step changeLog()
{
    Step step{2, {}, {}};
    step.file << QStringLiteral("CREATE TABLE KursanPerubahan (\n"
                                "    Nomor INTEGER PRIMARY KEY AUTOINCREMENT,\n"
                                "    Tabel TEXT NOT NULL,\n"
                                "    Kunci TEXT\n"
                                ")");
    const std::pair<const char*, const char*> keyed[] = {
        {"TUnit", "Kode_Unit"}, {"TKursan", "Np"}, {"TSurat", "Ns"}, {"TKegiatan", "Np"}};
    for (const auto& [table, key] : keyed) {
        const QString log = QStringLiteral(
                                "INSERT INTO KursanPerubahan (Tabel, Kunci) VALUES ('%1', %2.%3);")
                                .arg(QLatin1String(table), QStringLiteral("%1"),
                                     QLatin1String(key));
        step.file << QStringLiteral("CREATE TRIGGER %1_Tambah AFTER INSERT ON %1 BEGIN %2 END")
                         .arg(QLatin1String(table), log.arg(QStringLiteral("NEW")))
                  << QStringLiteral("CREATE TRIGGER %1_Ubah AFTER UPDATE ON %1 BEGIN %2 %3 END")
                         .arg(QLatin1String(table), log.arg(QStringLiteral("OLD")),
                              log.arg(QStringLiteral("NEW")))
                  << QStringLiteral("CREATE TRIGGER %1_Hapus AFTER DELETE ON %1 BEGIN %2 END")
                         .arg(QLatin1String(table), log.arg(QStringLiteral("OLD")));
    }
    step.server << QStringLiteral("CREATE TABLE KursanPerubahan (\n"
                                  "    Nomor BIGSERIAL PRIMARY KEY,\n"
                                  "    Tabel TEXT NOT NULL,\n"
                                  "    Kunci TEXT\n"
                                  ")")
                // The owner's: a desk needs no right on the log to have its changes logged.
                << QStringLiteral("CREATE FUNCTION kursan_catat() RETURNS trigger LANGUAGE plpgsql "
                                  "SECURITY DEFINER SET search_path FROM CURRENT AS $$\n"
                                  "BEGIN\n"
                                  "    IF TG_OP <> 'INSERT' THEN\n"
                                  "        INSERT INTO KursanPerubahan (Tabel, Kunci)\n"
                                  "        VALUES (TG_ARGV[0], to_jsonb(OLD) ->> TG_ARGV[1]);\n"
                                  "    END IF;\n"
                                  "    IF TG_OP <> 'DELETE' THEN\n"
                                  "        INSERT INTO KursanPerubahan (Tabel, Kunci)\n"
                                  "        VALUES (TG_ARGV[0], to_jsonb(NEW) ->> TG_ARGV[1]);\n"
                                  "    END IF;\n"
                                  "    PERFORM pg_notify('kursan_perubahan', '');\n"
                                  "    RETURN NULL;\n"
                                  "END\n"
                                  "$$");
    for (const auto& [table, key] : keyed)
        step.server << QStringLiteral(
                           "CREATE TRIGGER %1_Catat AFTER INSERT OR UPDATE OR DELETE "
                           "ON %1 FOR EACH ROW EXECUTE FUNCTION kursan_catat('%1', '%2')")
                           .arg(QLatin1String(table), QString::fromLatin1(key).toLower());
    return step;
}

// A window following the log looks up the placements of a trainee and the trainees of a
// letter: without these, each look reads every placement.
Step lookups()
{
    const QString letter = QStringLiteral("CREATE INDEX TKursan_Ns ON TKursan (Ns)");
    // The server's placements had their trainee's index from the start.
    return {
        3, {QStringLiteral("CREATE INDEX TKegiatan_Trainee ON TKegiatan (Np)"), letter}, {letter}};
}

// The steps after the first version, by the version they lead to.
const std::vector<Step>& allSteps()
{
    static const std::vector<Step> all{changeLog(), lookups()};
    return all;
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
