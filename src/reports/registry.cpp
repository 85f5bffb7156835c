#include "reports/registry.h"

#include "reports/layouts.h"

#include <map>
#include <memory>

namespace reports {

namespace {

struct Entry {
    const char* name;
    Layout (*build)();
};

// A new report: its layout file, a declaration in layouts.h and one line here.
const Entry entries[] = {
    {"drSPM", &layouts::drSPM},
    {"drSPKP", &layouts::drSPKP},
    {"drSPP", &layouts::drSPP},
    {"drSK", &layouts::drSK},
    {"drSertifikat", &layouts::drSertifikat},
    {"drKursan", &layouts::drKursan},
    {"drUnit", &layouts::drUnit},
    {"drStatistik", &layouts::drStatistik},
    {"drRegister", &layouts::drRegister},
};

} // namespace

QStringList reportNames()
{
    QStringList names;
    for (const Entry& e : entries)
        names << QString::fromLatin1(e.name);
    return names;
}

const Layout* findLayout(const QString& name)
{
    static std::map<QString, std::unique_ptr<const Layout>> built;
    auto hit = built.find(name);
    if (hit != built.end())
        return hit->second.get();
    for (const Entry& e : entries) {
        if (name == QLatin1String(e.name))
            return built.emplace(name, std::make_unique<const Layout>(e.build()))
                .first->second.get();
    }
    return nullptr;
}

} // namespace reports
