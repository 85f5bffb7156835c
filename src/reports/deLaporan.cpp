#include "reports/deLaporan.h"

#include "data/database.h"
#include "data/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace reports {

namespace {

const QString placedFrom = QStringLiteral(
    "FROM TUnit INNER JOIN ((TSurat INNER JOIN TKursan ON TSurat.Ns = TKursan.Ns) INNER JOIN "
    "TKegiatan ON TKursan.Np = TKegiatan.Np) ON TUnit.Kode_Unit = TKegiatan.Kode_Unit;");

// A select list, a line break, the from clause and a closing line break.
QString sqlText(const QString& select, const QString& from)
{
    return select + QStringLiteral("\r\n") + from + QStringLiteral("\r\n");
}

const QHash<QString, QString>& texts()
{
    static const QHash<QString, QString> t{
        {"cmdKursan",
         sqlText("SELECT TKursan.Ns, TKursan.Np, TKursan.Nama_Kursan, TKursan.Tempat_Lahir, "
                 "TKursan.Tanggal_Lahir, TKursan.Alamat, TKursan.Telepon, TKursan.Instansi, "
                 "TKursan.Jurusan, TKursan.Tujuan",
                 "FROM TKursan;")},
        // A table command: the whole table, its columns in table order.
        {"cmdUnit", "SELECT * FROM TUnit"},
        {"cmdSPM",
         sqlText("SELECT TKursan.Ns, TKursan.Nama_Kursan, TKursan.Instansi, TKursan.Jurusan, "
                 "TKursan.Tujuan, TSurat.Jawaban, TUnit.Unit, TKegiatan.Tanggal_Pelaksanaan, "
                 "TSurat.Jumlah_Kursan",
                 placedFrom)},
        {"cmdSPKP",
         sqlText("SELECT TUnit.Kode_Unit, TKursan.Nama_Kursan, TUnit.Unit, TKursan.Tempat_Lahir, "
                 "TKursan.Tanggal_Lahir, TKursan.Alamat, TKursan.Instansi, TUnit.Unit, "
                 "TKegiatan.Tanggal_Pelaksanaan, TKursan.Ns",
                 placedFrom)},
        {"cmdSPP",
         sqlText("SELECT TKursan.Ns, TKursan.Nama_Kursan, TKursan.Jurusan, TKursan.Instansi, "
                 "TUnit.Unit, TKegiatan.Tanggal_Pelaksanaan, TKursan.Alamat",
                 placedFrom)},
        {"cmdSK",
         sqlText("SELECT TKursan.Nim, TKursan.Nama_Kursan, TKursan.Tempat_Lahir, "
                 "TKursan.Tanggal_Lahir, TKursan.Alamat, TKursan.Instansi, TKursan.Jurusan, "
                 "TUnit.Unit, TKegiatan.Tanggal_Pelaksanaan",
                 placedFrom)},
        {"cmdSertifikat",
         sqlText("SELECT TKursan.Nim, TKursan.Nama_Kursan, TKursan.Tempat_Lahir, "
                 "TKursan.Tanggal_Lahir, TKursan.Instansi, TKegiatan.Tanggal_Pelaksanaan, "
                 "TUnit.Unit, TKursan.Jurusan",
                 placedFrom)},
    };
    return t;
}

// SQLite may name a column "TKursan.Ns", or "Ns:1" when a nested join holds two columns Ns.
QString bareName(const QString& name)
{
    static const QRegularExpression suffix(QStringLiteral(":\\d+$"));
    QString bare = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
    bare.remove(suffix);
    return bare;
}

} // namespace

deLaporan& deLaporan::instance()
{
    static QPointer<deLaporan> one;
    if (!one)
        one = new deLaporan(QCoreApplication::instance());
    return *one;
}

deLaporan::deLaporan(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("deLaporan"));
}

deLaporan::~deLaporan() { close(); }

QString deLaporan::commandText(const QString& command) { return texts().value(command); }

void deLaporan::close()
{
    if (m_name.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
    m_openedPath.clear();
}

QSqlDatabase& deLaporan::connection()
{
    // The program's database never moves; only a test or the batch printer points elsewhere.
    if (!m_name.isEmpty() && m_openedPath != data::Database::path())
        close();
    if (m_name.isEmpty()) {
        if (!QFileInfo::exists(data::Database::path()))
            throw data::Error(QStringLiteral("DataBase %1 tidak ditemukan.")
                                  .arg(QDir::toNativeSeparators(data::Database::path())));
        const QString name = data::Database::uniqueName(QStringLiteral("Connection1"));
        m_db = data::Database::connect(name, true);
        m_name = name;
        m_openedPath = data::Database::path();
    }
    return m_db;
}

namespace {

// A command's rows as SQLite steps through them: only the current row is held.
class CommandCursor : public RowCursor {
public:
    CommandCursor(QSqlQuery&& query, const QString& command, const QString& path)
        : m_query(std::move(query)), m_command(command), m_path(path)
    {
        const QSqlRecord record = m_query.record();
        for (int i = 0; i < record.count(); ++i) {
            const QString name = bareName(record.fieldName(i));
            if (m_columns.contains(name))
                continue;
            m_columns << name;
            m_read << i;
        }
    }

    bool next() override
    {
        if (m_query.next())
            return true;
        if (m_query.lastError().isValid())
            throw data::Error(QStringLiteral("Perintah %1 gagal membaca DataBase %2: %3")
                                  .arg(m_command, m_path, m_query.lastError().text()));
        m_query.finish(); // the read ends here, not when the cursor goes
        return false;
    }

    QString value(int column) const override { return m_query.value(m_read[column]).toString(); }

private:
    QSqlQuery m_query;
    QString m_command;
    QString m_path;
    QList<int> m_read; // the query's column of each column kept
};

} // namespace

std::unique_ptr<RowCursor> deLaporan::cursor(const QString& command, const RowFilter& filter)
{
    QString text = commandText(command);
    if (text.isEmpty())
        throw data::Error(QStringLiteral("Perintah laporan %1 tidak dikenal.").arg(command));
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    if (!filter.column.isEmpty()) {
        // The column is a name from the program's own layouts, never typed by a user.
        static const QRegularExpression end(QStringLiteral("[;\\s]*$"));
        text.remove(end);
        text += QStringLiteral("\r\nWHERE %1 = ?;").arg(filter.column);
    }
    q.prepare(text);
    if (!filter.column.isEmpty())
        q.addBindValue(filter.value);
    if (!q.exec())
        throw data::Error(QStringLiteral("Perintah %1 tidak dapat dijalankan pada DataBase %2: %3")
                              .arg(command, m_openedPath, q.lastError().text()));
    return std::make_unique<CommandCursor>(std::move(q), command, m_openedPath);
}

Rows deLaporan::run(const QString& command, const RowFilter& filter)
{
    return readAll(*cursor(command, filter));
}

} // namespace reports
