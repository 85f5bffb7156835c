#include "reports/engine/pdffile.h"

#include "data/database.h"
#include "data/error.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace reports {

using data::HeldRowCursor;

namespace {

// Why a write failed. One cut short by a full disk (or a file size limit) leaves no error
// text of its own.
QString reasonOf(const QFileDevice& file)
{
    const QString said = file.errorString();
    if (file.error() == QFileDevice::NoError || said == QIODevice::tr("Unknown error"))
        return QStringLiteral("tempat di disk tidak cukup");
    return said;
}

// Passes every write on to the file and remembers the first one that failed: the PDF writer
// itself never looks at what its writes return. It keeps the start and the end of what was
// written, where the document's properties and its cross-reference trailer are.
class CheckedOutput : public QIODevice {
public:
    explicit CheckedOutput(QFileDevice& file) : m_file(file) { open(QIODevice::WriteOnly); }
    bool failed() const { return !m_failure.isEmpty(); }
    const QString& failure() const { return m_failure; }
    qint64 written() const { return m_written; }
    const QByteArray& head() const { return m_head; }
    const QByteArray& tail() const { return m_tail; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (failed())
            return -1;
        if (m_file.write(data, size) != size) {
            m_failure = reasonOf(m_file);
            return -1;
        }
        m_written += size;
        constexpr qsizetype kept = 4096;
        if (m_head.size() < kept)
            m_head.append(data, std::min<qint64>(size, kept - m_head.size()));
        if (size >= kept)
            m_tail = QByteArray(data + size - kept, kept);
        else
            m_tail.append(data, size);
        if (m_tail.size() > kept)
            m_tail.remove(0, m_tail.size() - kept);
        return size;
    }

private:
    QFileDevice& m_file;
    QString m_failure;
    qint64 m_written = 0;
    QByteArray m_head, m_tail;
};

// Qt's PDF writer knows no author. The document's properties are given again, with the author
// added, in an update appended to the file as PDF allows: a new version of the information
// object, a cross-reference section for it and a trailer pointing back to the first one.
bool addAuthor(CheckedOutput& output, const QByteArray& author)
{
    static const QRegularExpression trailer(QStringLiteral(
        "trailer\\s*<<\\s*/Size (\\d+)\\s*/Info (\\d+) 0 R\\s*/Root (\\d+) 0 R\\s*>>\\s*"
        "startxref\\s*(\\d+)\\s*%%EOF\\s*$"));
    const QRegularExpressionMatch t = trailer.match(QString::fromLatin1(output.tail()));
    if (!t.hasMatch())
        return false;
    const QByteArray info = t.captured(2).toLatin1();
    const QByteArray head = output.head();
    const QByteArray opening = "\n" + info + " 0 obj\n<<\n";
    const qsizetype start = head.indexOf(opening);
    const qsizetype end = head.indexOf("\n>>\nendobj", start);
    if (start < 0 || end < 0)
        return false;
    const QByteArray properties = head.mid(start + opening.size(), end - start - opening.size());
    const qint64 object = output.written();
    QByteArray update = info + " 0 obj\n<<\n" + properties + "\n/Author (" + author +
                        ")\n>>\nendobj\n";
    const qint64 section = object + update.size();
    update += "xref\n" + info + " 1\n" + QByteArray::number(object).rightJustified(10, '0') +
              " 00000 n \n" + "trailer\n<<\n/Size " + t.captured(1).toLatin1() + "\n/Info " + info +
              " 0 R\n/Root " + t.captured(3).toLatin1() + " 0 R\n/Prev " +
              t.captured(4).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(section) +
              "\n%%EOF\n";
    return output.write(update) == update.size();
}

// Draws the pages into the file, titled `title`, its author and maker the program; false with
// the reason when a write or a read failed.
bool paintInto(Pager& pager, QFileDevice& file, const QString& title, const Progress& progress,
               QString& why, qint64& written)
{
    CheckedOutput output(file);
    bool painted = false;
    QString unread;
    {
        QPdfWriter writer(&output);
        writer.setCreator(QStringLiteral("Kursan"));
        writer.setTitle(title);
        setUpPage(&writer, pager.layout());
        try {
            painted = paintPages(pager, &writer, progress);
        } catch (const data::Error& e) {
            unread = e.message();
        }
    }
    if (unread.isEmpty() && painted && !output.failed() && !addAuthor(output, "Kursan"))
        why = QStringLiteral("keterangan berkas tidak dapat ditambahkan");
    written = output.written();
    if (!unread.isEmpty())
        why = unread;
    else if (output.failed())
        why = output.failure();
    else if (!painted)
        why = QStringLiteral("halaman tidak dapat digambar");
    return why.isEmpty();
}

// Whatever the file's buffers still hold is written out; false with the reason when not.
bool flushed(QFileDevice& file, QString& why)
{
    if (file.flush())
        return true;
    why = reasonOf(file);
    return false;
}

// Every byte written is in the file and on the disk, not only in a cache.
bool onDisk(QFileDevice& file, qint64 written, QString& why)
{
    if (!flushed(file, why))
        return false;
#ifdef Q_OS_WIN
    const bool synced = ::_commit(file.handle()) == 0;
#else
    const bool synced = ::fsync(file.handle()) == 0;
#endif
    if (!synced) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (file.size() != written) {
        why = QStringLiteral("hanya %1 dari %2 byte yang tertulis").arg(file.size()).arg(written);
        return false;
    }
    return true;
}

bool write(Pager& pager, const QString& path, const QString& title, const Progress& progress,
           QString& why)
{
    if (data::Database::isDatabaseFile(path)) {
        why = QStringLiteral("berkas itu adalah DataBase Kursan");
        return false;
    }
    const QFileInfo target(path);
    qint64 written = 0;
    if (target.isDir()) {
        why = QStringLiteral("itu sebuah folder");
        return false;
    }
    if (target.exists() && !target.isFile()) {
        // A device cannot be renamed over: it is written straight.
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly)) {
            why = device.errorString();
            return false;
        }
        return paintInto(pager, device, title, progress, why, written) && flushed(device, why);
    }
    // A link is followed, so the file it points at gets the new document.
    QSaveFile file(target.exists() ? target.canonicalFilePath() : path);
    if (!file.open(QIODevice::WriteOnly)) {
        why = file.errorString();
        return false;
    }
    // A new document holds personal data: readable by its owner only, as the copies are. One
    // that is replaced keeps its mode.
    if (!target.exists())
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                            QFile::WriteUser);
    if (!paintInto(pager, file, title, progress, why, written) || !onDisk(file, written, why)) {
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return false;
    }
    if (!file.commit()) {
        why = file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool writePdf(Pager& pager, const QString& path, const QString& title, const Progress& progress,
              QString* why)
{
    QString reason;
    const bool written = write(pager, path, title, progress, reason);
    if (why)
        *why = reason;
    return written;
}

bool writePdf(const Document& doc, const QString& path, const Progress& progress, QString* why)
{
    HeldRowCursor rows(*doc.rows);
    Pager pager(*doc.layout, rows, doc.today);
    return writePdf(pager, path, doc.title(), progress, why);
}

} // namespace reports
