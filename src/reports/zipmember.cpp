#include "reports/zipmember.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <vector>

namespace reports {

namespace {

constexpr quint32 LocalSignature = 0x04034b50;
constexpr quint32 CentralSignature = 0x02014b50;
constexpr quint32 EndSignature = 0x06054b50;
constexpr int LocalSize = 30; // a local header without its name and extra field
constexpr int CentralSize = 46;
constexpr int EndSize = 22;

quint32 crc32(const QByteArray& data)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xffffffffu;
    for (char byte : data)
        c = table[(c ^ quint8(byte)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
void put16(QByteArray& b, int at, quint16 v) { qToLittleEndian(v, b.data() + at); }
void put32(QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }

// One member as the central directory lists it.
struct Member {
    QByteArray entry; // its central directory entry, name, extra field and comment included
    quint32 offset = 0;
    quint32 end = 0; // where the next member (or the central directory) starts
    QString name() const { return QString::fromUtf8(entry.mid(CentralSize, u16(entry, 28))); }
};

class Copier {
public:
    Copier(QFile& in, QFile& out) : m_in(in), m_out(out) {}

    // Reads the members listed in the central directory; false when the file is no zip.
    bool readDirectory(std::vector<Member>& members)
    {
        const qint64 size = m_in.size();
        if (size < EndSize)
            return false;
        // The end record closes the file, followed only by a comment of up to 64 KiB.
        const qint64 tail = std::min<qint64>(size, EndSize + 0xffff);
        m_in.seek(size - tail);
        const QByteArray last = m_in.read(tail);
        int end = -1;
        for (int at = int(last.size()) - EndSize; at >= 0 && end < 0; --at)
            if (u32(last, at) == EndSignature)
                end = at;
        if (end < 0)
            return false;
        const int count = u16(last, end + 10);
        m_directorySize = u32(last, end + 12);
        m_directoryOffset = u32(last, end + 16);
        m_end = last.mid(end);
        m_in.seek(m_directoryOffset);
        const QByteArray directory = m_in.read(m_directorySize);
        int at = 0;
        for (int i = 0; i < count; ++i) {
            if (at + CentralSize > directory.size() || u32(directory, at) != CentralSignature)
                return false;
            const int length = CentralSize + u16(directory, at + 28) + u16(directory, at + 30) +
                               u16(directory, at + 32);
            Member m;
            m.entry = directory.mid(at, length);
            m.offset = u32(m.entry, 42);
            members.push_back(m);
            at += length;
        }
        // A member's bytes run to the next one's header (its data descriptor included).
        std::vector<quint32> starts;
        for (const Member& m : members)
            starts.push_back(m.offset);
        starts.push_back(m_directoryOffset);
        std::sort(starts.begin(), starts.end());
        for (Member& m : members)
            m.end = *std::upper_bound(starts.begin(), starts.end(), m.offset);
        return true;
    }

    bool copy(quint32 from, quint32 to)
    {
        constexpr qint64 piece = 1 << 20;
        if (!m_in.seek(from))
            return false;
        for (qint64 left = qint64(to) - from; left > 0;) {
            const QByteArray bytes = m_in.read(std::min(piece, left));
            if (bytes.isEmpty() || !write(bytes))
                return false;
            left -= bytes.size();
        }
        return true;
    }

    bool write(const QByteArray& bytes) { return m_out.write(bytes) == bytes.size(); }
    quint32 written() const { return quint32(m_out.pos()); }
    QByteArray endRecord(int count, quint32 directoryOffset, quint32 directorySize) const
    {
        QByteArray end = m_end;
        put16(end, 8, quint16(count));
        put16(end, 10, quint16(count));
        put32(end, 12, directorySize);
        put32(end, 16, directoryOffset);
        return end;
    }

private:
    QFile& m_in;
    QFile& m_out;
    quint32 m_directoryOffset = 0;
    quint32 m_directorySize = 0;
    QByteArray m_end;
};

} // namespace

QString copyZipReplacing(const QString& from, const QString& to, const QString& name,
                         const QByteArray& content)
{
    QFile in(from), out(to);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    Copier copier(in, out);
    std::vector<Member> members;
    if (!copier.readDirectory(members))
        return QStringLiteral("berkas %1 rusak").arg(from);
    const QString failed = QStringLiteral("tidak dapat menyalin %1").arg(from);
    const quint32 crc = crc32(content);
    for (Member& m : members) {
        const quint32 at = copier.written();
        if (m.name() != name) {
            if (!copier.copy(m.offset, m.end))
                return failed;
        } else {
            // A new local header: stored, its sizes and checksum known, no data descriptor.
            const QByteArray fileName = name.toUtf8();
            QByteArray header(LocalSize, '\0');
            put32(header, 0, LocalSignature);
            put16(header, 4, 20);
            put16(header, 6, u16(m.entry, 8) & 0x0800); // the name's UTF-8 flag only
            put16(header, 8, 0);
            put16(header, 10, u16(m.entry, 12));
            put16(header, 12, u16(m.entry, 14));
            put32(header, 14, crc);
            put32(header, 18, quint32(content.size()));
            put32(header, 22, quint32(content.size()));
            put16(header, 26, quint16(fileName.size()));
            if (!copier.write(header + fileName + content))
                return failed;
            put16(m.entry, 8, u16(header, 6));
            put16(m.entry, 10, 0);
            put32(m.entry, 16, crc);
            put32(m.entry, 20, quint32(content.size()));
            put32(m.entry, 24, quint32(content.size()));
        }
        put32(m.entry, 42, at);
    }
    const quint32 directory = copier.written();
    for (const Member& m : members)
        if (!copier.write(m.entry))
            return failed;
    const quint32 directorySize = copier.written() - directory;
    if (!copier.write(copier.endRecord(int(members.size()), directory, directorySize)) ||
        !out.flush())
        return out.errorString();
    return {};
}

} // namespace reports
