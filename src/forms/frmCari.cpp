#include "forms/frmCari.h"

#include "data/recordset.h"
#include "forms/searchcallers.h"
#include "platform/guard.h"
#include "rules/numbering.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "ui_frmCari.h"

using namespace platform;

namespace {
const QString Hint = QStringLiteral("-----Pilih Fields-----");

// First visible row whose column holds a trainee number equal in value to `digits`; none
// leaves the record set at EOF.
void findTraineeNumber(data::RecordSet* rs, const QString& column, const QString& digits)
{
    const int col = rs->columnIndex(column);
    const QString wanted = numbering::significantDigits(digits);
    for (int row = 0; row < rs->recordCount(); ++row) {
        const QString np = rs->value(row, col).toString().trimmed();
        if (numbering::isDigits(np) && numbering::significantDigits(np) == wanted) {
            rs->moveTo(row);
            return;
        }
    }
    rs->moveTo(rs->recordCount());
}
} // namespace

frmCari::frmCari(QWidget* owner)
    : Form(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::frmCari>())
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->Combo1->setEditText(Hint);
    enterPressesButtons(this);

    connect(ui->Command1, &QPushButton::clicked, this, &frmCari::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmCari::Command2_Click);
    onKeyPress(ui->Text1, [this](int key) { return Text1_KeyPress(key); });
    centre();
}

frmCari::~frmCari() = default;

void frmCari::addField(const QString& item)
{
    // The first item of an empty list would otherwise become the pick on its own.
    const int index = ui->Combo1->currentIndex();
    const QString shown = ui->Combo1->currentText();
    ui->Combo1->addItem(item);
    ui->Combo1->setCurrentIndex(index);
    ui->Combo1->setEditText(shown);
}

data::RecordSet* frmCari::callerRecordset() const
{
    const forms::SearchCaller* caller = forms::searchCaller(FormAsal);
    return caller ? forms::searchedRecordset(*caller, parentWidget()) : nullptr;
}

void frmCari::Command1_Click()
{
    FormAsal = windowTitle();
    const forms::SearchCaller* caller = forms::searchCaller(FormAsal);
    data::RecordSet* rs = callerRecordset();
    if (!caller || !rs)
        return;
    const forms::SearchField& field = caller->fieldFor(ui->Combo1->currentText());
    const bool searched = guarded(this, [&] {
        rs->moveFirst();
        if (field.match == forms::Match::TraineeNumber) {
            CekNp();
            if (numbering::isDigits(ui->Text1->text())) {
                findTraineeNumber(rs, field.column, ui->Text1->text());
                return;
            }
        }
        rs->find(data::Criterion::equals(field.column, ui->Text1->text()));
    });
    if (searched)
        pesan();
}

void frmCari::pesan()
{
    data::RecordSet* rs = callerRecordset();
    if (!rs)
        return;
    if (!rs->eof()) {
        unload();
        return;
    }
    msgBox(QStringLiteral("Data Tidak ada dalam DataBase."), QStringLiteral("Pesan"),
           Icon::Information, Buttons::Ok, this);
    guarded(this, [rs] { rs->moveFirst(); });
    // The user tries another value here, not in the form behind.
    showWindow(this);
    ui->Text1->setFocus();
    ui->Text1->selectAll();
}

void frmCari::CekNp()
{
    // Typed digits are read as a number, so 1, 001 and 000001 all name trainee 001; other
    // text is searched as it stands.
    const QString typed = ui->Text1->text().trimmed();
    if (numbering::isDigits(typed))
        ui->Text1->setText(numbering::traineeNumberForm(typed));
}

bool frmCari::Text1_KeyPress(int key)
{
    if (key != KeyEnter)
        return false;
    Command1_Click();
    return true;
}

void frmCari::Command2_Click() { unload(); }

frmCari* openSearch(QWidget* caller, const QString& form)
{
    const QString name = form.isEmpty() ? QString::fromLatin1(caller->metaObject()->className())
                                        : form;
    const forms::SearchCaller* entry = forms::searchCaller(name);
    Q_ASSERT_X(entry, "openSearch", "the form has no row in the search callers table");
    if (!entry)
        return nullptr;
    frmCari* search = window<frmCari>(caller);
    if (search->parentWidget() != caller) {
        // Another form asked last; the window now belongs to this one (and stays where it is).
        const QPoint at = search->pos();
        search->setParent(caller, search->windowFlags());
        search->move(at);
    }
    for (const QString& item : entry->items())
        search->addField(item);
    search->setWindowTitle(name);
    showWindow(search);
    return search;
}
