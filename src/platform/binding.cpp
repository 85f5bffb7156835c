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
#include <QValidator>

namespace platform {

namespace {
// A box's length limit counts UTF-16 units and so can cut a character beyond the Basic
// Multilingual Plane (an emoji) in half. The half left over is dropped: a character that does
// not fit is refused whole, and no broken text reaches the database.
class WholeCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int& pos) const override
    {
        for (qsizetype i = 0; i < text.size();) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                i += 2;
            } else if (text[i].isSurrogate()) {
                text.remove(i, 1);
                if (pos > i)
                    --pos;
            } else {
                ++i;
            }
        }
        return Acceptable;
    }
};
} // namespace

void bindText(QLineEdit* box, data::RecordSet* rs, const QString& column)
{
    const int col = rs->columnIndex(column);
    if (col < 0)
        throw data::Error(QStringLiteral("Kolom %1 tidak ada pada %2.").arg(column, rs->source()));
    if (!box->validator())
        box->setValidator(new WholeCharacters(box));
    auto showing = std::make_shared<bool>(false);
    QPointer<QLineEdit> target(box);
    auto show = [target, rs, col, showing] {
        if (!target)
            return;
        *showing = true;
        const QVariant v = rs->hasCurrent() ? rs->field(col) : QVariant();
        const QString text = v.isNull() ? QString() : v.toString();
        if (target->text() != text)
            target->setText(text);
        *showing = false;
    };
    QObject::connect(rs, &data::RecordSet::currentChanged, box, show);
    QObject::connect(rs, &data::RecordSet::rowsReset, box, show);
    QObject::connect(rs, &data::RecordSet::fieldChanged, box, [show, col](int c) {
        if (c == col)
            show();
    });
    QObject::connect(box, &QLineEdit::textChanged, box, [rs, col, showing, box](const QString& t) {
        if (*showing || !rs->hasCurrent())
            return;
        guarded(box, [&] { rs->setField(col, t); });
    });
    show();
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
