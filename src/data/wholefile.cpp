#include "data/wholefile.h"

#include "data/database.h"
#include "data/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>

namespace data {

namespace {
std::filesystem::path fsPath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}
} // namespace

void writeWhole(const QString& target, const QString& what,
                const std::function<QString(const QString& part)>& write, Access access)
{
    auto failed = [&](const QString& why) {
        return Error(QStringLiteral("%1 %2 tidak dapat ditulis: %3.")
                         .arg(what, QDir::toNativeSeparators(target), why));
    };
    if (Database::isDatabaseFile(target))
        throw failed(QStringLiteral("berkas itu adalah DataBase Kursan"));
    QTemporaryFile part(QFileInfo(target).absoluteDir().filePath(QStringLiteral(".kursan-XXXXXX")));
    if (!part.open())
        throw failed(part.errorString());
    part.close(); // the writer opens it by name
    const QString why = write(part.fileName());
    if (!why.isEmpty())
        throw failed(why);
    // A temporary file is private to its owner; the result is an ordinary file like any other.
    const QFileInfo old(target);
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                         QFile::WriteUser;
    part.setPermissions(old.exists() ? old.permissions()
                        : access == Access::OwnerOnly
                            ? ownerOnly
                            : ownerOnly | QFile::ReadGroup | QFile::ReadOther);
    std::error_code error;
    std::filesystem::rename(fsPath(part.fileName()), fsPath(target), error);
    if (error)
        throw failed(QString::fromStdString(error.message()));
    part.setAutoRemove(false);
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
