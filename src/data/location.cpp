#include "data/location.h"

#include "data/error.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>
#include <QUrlQuery>
#include <memory>

namespace data {

namespace {
const char* const Setting = "Database/Location";

bool isUri(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://")) ||
           text.startsWith(QLatin1String("postgres://"));
}

// The settings file: INI, ~/.config/Kursan/Kursan.conf.
std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Kursan"), QStringLiteral("Kursan"));
}
} // namespace

Location Location::file(const QString& path)
{
    Location l;
    l.path = QFileInfo(path).absoluteFilePath();
    return l;
}

Location Location::parse(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (!isUri(trimmed))
        return file(trimmed);
    const QUrl url(trimmed, QUrl::StrictMode);
    auto unreadable = [&](const QString& why) {
        return Error(
            QStringLiteral("Alamat server \"%1\" tidak dapat dibaca: %2.").arg(trimmed, why));
    };
    if (!url.isValid())
        throw unreadable(url.errorString());
    Location l;
    l.kind = Kind::Server;
    l.host = url.host();
    l.port = url.port(0);
    l.user = url.userName();
    l.database = url.path().mid(1);
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("host"))
            l.host = value; // a socket folder, as libpq takes it
        else if (key == QLatin1String("password"))
            throw unreadable(QStringLiteral("kata sandi tidak disimpan dalam alamat"));
        else
            l.options << key + QLatin1Char('=') + value;
    }
    if (!url.password().isEmpty())
        throw unreadable(QStringLiteral("kata sandi tidak disimpan dalam alamat"));
    if (l.database.isEmpty() || l.database.contains(QLatin1Char('/')))
        throw unreadable(QStringLiteral("nama database tidak ada"));
    return l;
}

QString Location::shown() const
{
    if (!isServer())
        return QDir::toNativeSeparators(path);
    return (host.isEmpty() ? QStringLiteral("localhost") : host) + QLatin1Char('/') + database;
}

QString Location::text() const
{
    if (!isServer())
        return QDir::toNativeSeparators(path);
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(user);
    QUrlQuery query;
    if (host.startsWith(QLatin1Char('/')))
        query.addQueryItem(QStringLiteral("host"), host);
    else
        url.setHost(host);
    if (port)
        url.setPort(port);
    url.setPath(QLatin1Char('/') + database);
    for (const QString& option : options)
        query.addQueryItem(option.section(QLatin1Char('='), 0, 0),
                           option.section(QLatin1Char('='), 1));
    url.setQuery(query);
    return url.toString();
}

QString Location::defaultPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\kursan\\master.mdb");
#else
    return QDir::homePath() + QStringLiteral("/kursan/master.mdb");
#endif
}

Location Location::configured()
{
    const QString chosen = qEnvironmentVariable("KURSAN_DATABASE");
    if (!chosen.trimmed().isEmpty())
        return parse(chosen);
    const QString stored = settings()->value(QLatin1String(Setting)).toString();
    if (!stored.trimmed().isEmpty())
        return parse(stored);
    return file(defaultPath());
}

void Location::remember(const Location& location)
{
    const std::unique_ptr<QSettings> s = settings();
    s->setValue(QLatin1String(Setting), location.text());
    s->sync();
    if (s->status() != QSettings::NoError)
        throw Error(QStringLiteral("Pengaturan %1 tidak dapat disimpan.")
                        .arg(QDir::toNativeSeparators(s->fileName())));
}

} // namespace data
