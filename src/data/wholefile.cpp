#include "data/wholefile.h"

#include "data/database.h"
#include "data/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <filesystem>

#ifndef Q_OS_WIN
#include <sys/file.h>
#endif

namespace data {

namespace {
const QString PartMark = QStringLiteral(".belum-selesai-");

std::filesystem::path fsPath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// Whether this process now holds the file's lock (or cannot tell, off Unix).
bool lock(QFile& file, bool wait)
{
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    Q_UNUSED(wait);
    return true;
#else
    return ::flock(file.handle(), LOCK_EX | (wait ? 0 : LOCK_NB)) == 0;
#endif
}

void removeWithJournals(const QString& path)
{
    for (const QString& suffix :
         {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
}

const QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                     QFile::WriteUser;
} // namespace

// The part stays open, and locked, until it is moved into place or removed; SQLite opens it
// by name meanwhile, and closes it again before this handle is let go.
struct PartFile::Held {
    QTemporaryFile file;
    bool locked = false;
    bool moved = false;
};

PartFile::PartFile(const QString& target) : m_held(std::make_unique<Held>())
{
    const QFileInfo info(target);
    m_held->file.setFileTemplate(
        info.absoluteDir().filePath(info.fileName() + PartMark + QStringLiteral("XXXXXX")));
    m_held->file.setAutoRemove(false);
    if (m_held->file.open())
        m_held->locked = lock(m_held->file, true);
}

PartFile::~PartFile()
{
    if (!m_held->moved && m_held->file.isOpen())
        removeWithJournals(m_held->file.fileName());
}

bool PartFile::ok() const { return m_held->file.isOpen() && m_held->locked; }

QString PartFile::errorString() const { return m_held->file.errorString(); }

QString PartFile::fileName() const { return m_held->file.fileName(); }

bool PartFile::moveTo(const QString& target, QString& why, bool replace)
{
    const QFileInfo old(target);
    m_held->file.setPermissions(old.exists() ? old.permissions() : OwnerOnly);
    if (!replace) {
        m_held->moved = QFile::rename(fileName(), target);
        if (!m_held->moved)
            why = QStringLiteral("tempatnya sudah terisi");
        return m_held->moved;
    }
    std::error_code error;
    std::filesystem::rename(fsPath(fileName()), fsPath(target), error);
    if (error) {
        why = QString::fromStdString(error.message());
        return false;
    }
    m_held->moved = true;
    return true;
}

void writeWhole(const QString& target, const QString& what,
                const std::function<QString(const QString& part)>& write)
{
    auto failed = [&](const QString& why) {
        return Error(QStringLiteral("%1 %2 tidak dapat ditulis: %3.")
                         .arg(what, QDir::toNativeSeparators(target), why));
    };
    if (Database::isDatabaseFile(target))
        throw failed(QStringLiteral("berkas itu adalah DataBase Kursan"));
    PartFile part(target);
    if (!part.ok())
        throw failed(part.errorString());
    QString why = write(part.fileName());
    if (!why.isEmpty())
        throw failed(why);
    if (!part.moveTo(target, why))
        throw failed(why);
}

void removeLeftovers(const QString& dir)
{
    static const QRegularExpression part(QStringLiteral("\\.belum-selesai-[A-Za-z0-9]{6}$"));
    const QDir folder(dir);
    for (const QString& name :
         folder.entryList({QStringLiteral("*") + PartMark + "*"}, QDir::Files | QDir::Hidden)) {
        if (!part.match(name).hasMatch())
            continue;
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly) && lock(file, false))
            removeWithJournals(file.fileName());
    }
}

bool makeOwnerFolder(const QString& dir)
{
    const QFileInfo info(dir);
    if (info.isDir())
        return true;
    const QString parent = info.absolutePath();
    if (parent == info.absoluteFilePath() || !makeOwnerFolder(parent))
        return false;
    return QDir().mkdir(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ||
           QFileInfo(dir).isDir();
}

} // namespace data
