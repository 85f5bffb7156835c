#include "data/database.h"

#include "data/schema.h"
#include "data/serverengine.h"

#include <QFile>
#include <QFileInfo>
#include <memory>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace data {

namespace {
std::unique_ptr<Engine>& current()
{
    static std::unique_ptr<Engine> engine = std::make_unique<FileEngine>(Location::defaultPath());
    return engine;
}

std::unique_ptr<Engine> engineFor(const Location& location)
{
    if (location.isServer())
        return std::make_unique<ServerEngine>(location);
    return std::make_unique<FileEngine>(location.path);
}

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo x(a), y(b);
    if (!x.exists() || !y.exists())
        return false;
#ifdef Q_OS_WIN
    return x.canonicalFilePath().compare(y.canonicalFilePath(), Qt::CaseInsensitive) == 0;
#else
    // Links, "..", and hard links all come down to one device and inode.
    struct stat sa = {};
    struct stat sb = {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
#endif
}
} // namespace

void Database::prepare(const Location& location)
{
    std::unique_ptr<Engine> engine = engineFor(location);
    engine->prepare();
    current() = std::move(engine);
}

void Database::use(const Location& location) { current() = engineFor(location); }

const Location& Database::location() { return current()->location(); }
Engine& Database::engine() { return *current(); }
QString Database::path() { return location().isServer() ? QString() : location().path; }

bool Database::isDatabaseFile(const QString& path)
{
    const QString database = Database::path();
    if (database.isEmpty())
        return false;
    for (const QString& suffix :
         {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (sameFile(path, database + suffix))
            return true;
    // Files SQLite makes beside the database take its name and a suffix, even when not there
    // yet: writing one would be taken for the database's own.
    const QFileInfo target(path), db(database);
    return target.absolutePath() == db.absolutePath() &&
           (target.fileName() == db.fileName() + QStringLiteral("-wal") ||
            target.fileName() == db.fileName() + QStringLiteral("-shm") ||
            target.fileName() == db.fileName() + QStringLiteral("-journal"));
}

QSqlDatabase Database::connect(const QString& name, bool readOnly)
{
    return engine().connect(name, readOnly);
}

QString Database::uniqueName(const QString& prefix)
{
    static quint64 counter = 0;
    QString name;
    do
        name = QStringLiteral("%1-%2").arg(prefix).arg(++counter);
    while (QSqlDatabase::contains(name));
    return name;
}

const QStringList& Database::tables() { return schema::tables(); }
const QStringList& Database::views() { return schema::views(); }
QString Database::keyOf(const QString& table) { return schema::keyOf(table); }

} // namespace data
