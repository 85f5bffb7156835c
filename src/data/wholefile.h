#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace data {

// A file being written beside its target under the name "<target>.belum-selesai-XXXXXX", so a
// person who finds one left by a crash can tell what it is. While it is written this program
// holds a lock on it; removeLeftovers() removes only the parts that nobody holds.
class PartFile {
public:
    // Throws nothing; ok() says whether the part could be made, errorString() why not.
    explicit PartFile(const QString& target);
    ~PartFile(); // removes the part (and its journals) unless it was moved into place
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    bool ok() const;
    QString errorString() const;
    QString fileName() const;
    // Readable by its owner only (or as the file it replaces), then renamed to the target;
    // false when it cannot be, or with `replace` false when something is at the target.
    bool moveTo(const QString& target, QString& why, bool replace = true);

private:
    struct Held;
    std::unique_ptr<Held> m_held;
};

// Writes `target` whole or not at all: `write` fills a new file beside it (its path given) and
// returns an empty text, or what went wrong; only a complete file then takes the target's
// name. Throws data::Error "<what> <target> tidak dapat ditulis: <why>." on failure, and the
// target stays as it was. A new file is readable by its owner only (the files hold personal
// data); a file that is replaced keeps its mode.
void writeWhole(const QString& target, const QString& what,
                const std::function<QString(const QString& part)>& write);

// Removes the parts in `dir` that a write cut short left behind (a killed program), with
// their journals; parts that another running copy is writing stay.
void removeLeftovers(const QString& dir);

// Makes every missing folder down to `dir`, each open to its owner only; false when it cannot.
bool makeOwnerFolder(const QString& dir);

} // namespace data
