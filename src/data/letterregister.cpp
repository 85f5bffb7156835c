#include "data/letterregister.h"

#include "data/database.h"
#include "data/deLaporan.h"
#include "data/engine.h"

#include <deque>
#include <optional>

namespace data {

namespace {

// The letters of the year with their trainees, placements and units, unreadable sequences
// first, then by sequence; rows of one sequence by letter, trainee and period, ordered by their
// bytes so that both engines give them alike. The sequence is read only where the number starts
// with "B/" and a digit, compared exactly (LIKE would ignore case on the file only).
QString registerQuery()
{
    const Engine& e = Database::engine();
    const QString readable = QStringLiteral("substr(TSurat.Ns, 1, 2) = 'B/' AND %1")
                                 .arg(e.startsWithDigit(QStringLiteral("substr(TSurat.Ns, 3)")));
    const QString sequence = e.integerOf(QStringLiteral("substr(TSurat.Ns, 3)"));
    return QStringLiteral(
               "SELECT CASE WHEN %1 THEN %2 END AS Urut, TSurat.Ns AS Ns, TKursan.Np AS Np, "
               "TKursan.Nama_Kursan AS Nama_Kursan, TSurat.Jawaban AS Jawaban, "
               "TUnit.Unit AS Unit, TKegiatan.Tanggal_Pelaksanaan AS Tanggal_Pelaksanaan\r\n"
               "FROM TSurat LEFT JOIN TKursan ON TKursan.Ns = TSurat.Ns "
               "LEFT JOIN TKegiatan ON TKegiatan.Np = TKursan.Np "
               "LEFT JOIN TUnit ON TUnit.Kode_Unit = TKegiatan.Kode_Unit\r\n"
               "WHERE substr(TSurat.Ns, length(TSurat.Ns) - 4) = ?\r\n"
               "ORDER BY CASE WHEN %1 THEN 1 ELSE 0 END, %2, %3, %4, %5, %6, %7;")
        .arg(readable, sequence, e.bytewise(QStringLiteral("TSurat.Ns")),
             e.integerOf(QStringLiteral("TKursan.Np")), e.bytewise(QStringLiteral("TKursan.Np")),
             e.bytewise(QStringLiteral("TKegiatan.Tanggal_Pelaksanaan")),
             e.bytewise(QStringLiteral("TKegiatan.Kode_Unit")));
}

enum Column { Ns, Np, Nama_Kursan, Jawaban, Unit, Tanggal_Pelaksanaan, Keterangan, Columns };

const QStringList columnNames{
    "Ns", "Np", "Nama_Kursan", "Jawaban", "Unit", "Tanggal_Pelaksanaan", "Keterangan"};

// The letter rows read ahead one at a time, the register's rows made of them.
class RegisterCursor : public RowCursor {
public:
    RegisterCursor(std::unique_ptr<RowCursor> letters, int year)
        : m_letters(std::move(letters)), m_year(year)
    {
        m_columns = columnNames;
        readAhead();
    }

    bool next() override
    {
        if (m_out.empty())
            fill();
        if (m_out.empty())
            return false;
        m_row = std::move(m_out.front());
        m_out.pop_front();
        return true;
    }

    QString value(int column) const override { return m_row.value(column); }

private:
    struct Letter {
        std::optional<qint64> sequence; // none: it cannot be read
        QStringList values;             // in the register's columns
    };

    void readAhead()
    {
        m_ahead.reset();
        if (!m_letters->next())
            return;
        Letter l;
        // A sequence too long for a number is listed where the database sorted it, unread.
        bool read = false;
        const qint64 sequence = m_letters->value(0).toLongLong(&read);
        if (read)
            l.sequence = sequence;
        for (int c = Ns; c < Keterangan; ++c)
            l.values << m_letters->value(c + 1); // after the sequence, in the register's order
        l.values << QString();
        m_ahead = std::move(l);
    }

    // The next rows of the register: one unreadable letter's row, or the missing sequences
    // before the next sequence and that sequence's rows, or at the end the count.
    void fill()
    {
        if (!m_ahead) {
            if (!m_counted)
                count();
            return;
        }
        if (!m_ahead->sequence) {
            Letter& l = *m_ahead;
            if (l.values[Ns] != m_lastLetter || m_withoutSequence == 0)
                ++m_withoutSequence;
            m_lastLetter = l.values[Ns];
            l.values[Keterangan] = QStringLiteral("tanpa nomor urut");
            m_out.push_back(std::move(l.values));
            readAhead();
            return;
        }
        const qint64 sequence = *m_ahead->sequence;
        if (m_last && sequence - *m_last > 1)
            missing(*m_last + 1, sequence - 1);
        m_last = sequence;
        // Rows of one letter follow each other: a new number among them is another letter.
        const size_t first = m_out.size();
        int letters = 0;
        QString letter;
        while (m_ahead && m_ahead->sequence == sequence) {
            if (letters == 0 || m_ahead->values[Ns] != letter)
                ++letters;
            letter = m_ahead->values[Ns];
            m_out.push_back(std::move(m_ahead->values));
            readAhead();
        }
        m_letterCount += letters;
        if (letters < 2)
            return;
        ++m_doubled;
        for (size_t i = first; i < m_out.size(); ++i)
            m_out[i][Keterangan] = QStringLiteral("nomor ganda");
    }

    QString numberOf(qint64 sequence) const
    {
        return QStringLiteral("B/%1/…/%2").arg(sequence, 3, 10, QLatin1Char('0')).arg(m_year);
    }

    void missing(qint64 from, qint64 to)
    {
        const qint64 n = to - from + 1;
        m_missing += n;
        auto row = [](const QString& number, const QString& note) {
            QStringList r(Columns);
            r[Ns] = number;
            r[Keterangan] = note;
            return r;
        };
        if (n > MissingRowsKept) {
            m_out.push_back(row(numberOf(from) + QStringLiteral(" s/d ") + numberOf(to),
                                QStringLiteral("tidak ada (%1 nomor)").arg(n)));
            return;
        }
        for (qint64 s = from; s <= to; ++s)
            m_out.push_back(row(numberOf(s), QStringLiteral("tidak ada")));
    }

    void count()
    {
        m_counted = true;
        QString text = QStringLiteral("Jumlah: %1 surat, %2 nomor tidak ada, %3 nomor ganda")
                           .arg(m_letterCount + m_withoutSequence)
                           .arg(m_missing)
                           .arg(m_doubled);
        if (m_withoutSequence > 0)
            text += QStringLiteral(", %1 tanpa nomor urut").arg(m_withoutSequence);
        QStringList r(Columns);
        r[Ns] = text;
        m_out.push_back(std::move(r));
    }

    std::unique_ptr<RowCursor> m_letters;
    const int m_year;
    std::optional<Letter> m_ahead;
    std::deque<QStringList> m_out;
    QStringList m_row;
    std::optional<qint64> m_last; // the last sequence listed
    QString m_lastLetter;         // the last letter without a sequence
    qint64 m_letterCount = 0, m_withoutSequence = 0, m_missing = 0, m_doubled = 0;
    bool m_counted = false;
};

} // namespace

std::unique_ptr<RowCursor> letterRegister(int year)
{
    const QString ending = QStringLiteral("/%1").arg(year, 4, 10, QLatin1Char('0'));
    return std::make_unique<RegisterCursor>(
        deLaporan::instance().query(QStringLiteral("Register Surat"), registerQuery(), {ending}),
        year);
}

} // namespace data
