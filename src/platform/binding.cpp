#include "platform/binding.h"

#include "data/error.h"
#include "data/gridmodel.h"
#include "data/recordset.h"
#include "platform/guard.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QToolTip>
#include <QValidator>

namespace platform {

namespace {
// What a bound box takes from the keyboard or a paste. The box shows a stored value whole,
// even one longer than its limit (from a restored copy or another program), so a mended letter
// leaves the rest as stored; what is typed or pasted beyond the limit is not taken, and the
// clerk is told the box is full. Control characters and NUL in a paste are dropped, and so is
// half of a character beyond the Basic Multilingual Plane (an emoji) that a cut would leave.
class BoxInput : public QValidator {
public:
    BoxInput(QLineEdit* box, int limit) : QValidator(box), m_box(box), m_limit(limit)
    {
        // While a change is checked the box already holds it, so the text before is kept here.
        connect(box, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_before = text; });
        m_before = box->text();
    }

    // The longest text the box takes: its limit, or the length of the stored value it shows.
    void setShownLength(qsizetype length) { m_shown = length; }

    State validate(QString& text, int& pos) const override
    {
        const QString& old = m_before;
        qsizetype prefix = 0;
        while (prefix < old.size() && prefix < text.size() && old[prefix] == text[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < old.size() - prefix && suffix < text.size() - prefix &&
               old[old.size() - 1 - suffix] == text[text.size() - 1 - suffix])
            ++suffix;
        QString added = text.mid(prefix, text.size() - prefix - suffix);
        added.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
        const qsizetype kept = prefix + suffix;
        const qsizetype cap = std::max<qsizetype>(m_limit, m_shown);
        if (kept + added.size() > cap) {
            added.truncate(std::max<qsizetype>(0, cap - kept));
            QToolTip::showText(
                m_box->mapToGlobal(QPoint(0, m_box->height())),
                QStringLiteral("Kotak ini sudah penuh: paling banyak %1 huruf.").arg(m_limit),
                m_box);
        }
        dropHalfCharacters(added);
        text = text.left(prefix) + added + text.right(suffix);
        if (text.isEmpty()) // the stored value is gone; a new one keeps to the limit
            m_shown = 0;
        pos = int(prefix + added.size());
        return Acceptable;
    }

private:
    static void dropHalfCharacters(QString& text)
    {
        for (qsizetype i = 0; i < text.size();) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                i += 2;
            else if (text[i].isSurrogate())
                text.remove(i, 1);
            else
                ++i;
        }
    }

    QLineEdit* m_box;
    QString m_before;
    int m_limit;
    mutable qsizetype m_shown = 0;
};
} // namespace

void bindText(QLineEdit* box, data::RecordSet* rs, const QString& column)
{
    const int col = rs->columnIndex(column);
    if (col < 0)
        throw data::Error(QStringLiteral("Kolom %1 tidak ada pada %2.").arg(column, rs->source()));
    // The limit is the box's own; the box itself no longer cuts, the input check does.
    auto* input = new BoxInput(box, box->maxLength());
    box->setMaxLength(32767);
    box->setValidator(input);
    auto showing = std::make_shared<bool>(false);
    QPointer<QLineEdit> target(box);
    // A value that comes from the record set (a row, or a field set by the form, not typing in
    // this box) sets how long a text the box takes.
    auto show = [target, input, rs, col, showing](bool newRow) {
        if (!target)
            return;
        *showing = true;
        const QVariant v = rs->hasCurrent() ? rs->field(col) : QVariant();
        const QString text = v.isNull() ? QString() : v.toString();
        if (newRow || target->text() != text)
            input->setShownLength(text.size());
        if (target->text() != text)
            target->setText(text);
        *showing = false;
    };
    auto showRow = [show] { show(true); };
    QObject::connect(rs, &data::RecordSet::currentChanged, box, showRow);
    QObject::connect(rs, &data::RecordSet::rowsReset, box, showRow);
    QObject::connect(rs, &data::RecordSet::fieldChanged, box, [show, col](int c) {
        if (c == col)
            show(false);
    });
    QObject::connect(box, &QLineEdit::textChanged, box, [rs, col, showing, box](const QString& t) {
        if (*showing || !rs->hasCurrent())
            return;
        guarded(box, [&] { rs->setField(col, t); });
    });
    showRow();
}

void bindGrid(QTableView* grid, data::RecordSet* rs, const QStringList& columns)
{
    auto* model = new data::GridModel(rs, columns, grid);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setDefaultSectionSize(20);
    QItemSelectionModel* selection = grid->selectionModel();
    auto following = std::make_shared<bool>(false);
    // The highlight shows the current row; with none, nothing is highlighted or current, so
    // the next click on any row is a move.
    auto select = [grid, rs, selection, following] {
        *following = true;
        if (rs->hasCurrent())
            grid->selectRow(rs->position());
        else
            selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        *following = false;
    };
    QObject::connect(rs, &data::RecordSet::currentChanged, grid, select);
    QObject::connect(rs, &data::RecordSet::rowsReset, grid, select);
    // Whatever moved the grid (click, arrow keys, Page Up/Down, Home/End, the row numbers),
    // its row becomes current; a refused move puts the highlight back.
    QObject::connect(selection, &QItemSelectionModel::currentRowChanged, grid,
                     [grid, rs, select, following](const QModelIndex& index) {
                         if (*following || !index.isValid())
                             return;
                         if (guarded(grid, [&] { rs->moveTo(index.row()); }) &&
                             rs->position() == index.row())
                             return;
                         select();
                         // A mouse press goes on to select the pressed row after this.
                         QMetaObject::invokeMethod(grid, select, Qt::QueuedConnection);
                     });
    select();
}

} // namespace platform
