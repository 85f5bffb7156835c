#include "forms/frmCari.h"

#include "data/recordset.h"
#include "platform/guard.h"
#include "platform/handlers.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "rules/numbering.h"
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
    : Form(owner, Qt::Tool | CloseBoxOnly), m_ui(std::make_unique<Ui::frmCari>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    m_ui->Combo1->setEditText(Hint);
    enterPressesButtons(this);
    escapeCloses(this);

    handle(m_ui->Command1, &QPushButton::clicked, this, &frmCari::Command1_Click);
    handle(m_ui->Command2, &QPushButton::clicked, this, &frmCari::Command2_Click);
    onKeyPress(m_ui->Text1, [this](int key) { return Text1_KeyPress(key); });
    centre();
}

frmCari::~frmCari() = default;

void frmCari::addField(const QString& item)
{
    // The first item of an empty list would otherwise become the pick on its own.
    const int index = m_ui->Combo1->currentIndex();
    const QString shown = m_ui->Combo1->currentText();
    m_ui->Combo1->addItem(item);
    m_ui->Combo1->setCurrentIndex(index);
    m_ui->Combo1->setEditText(shown);
}

void frmCari::searchIn(data::RecordSet* records, const forms::SearchFields& fields)
{
    m_records = records;
    m_fields = fields;
    for (const QString& item : fields.items())
        addField(item);
    setWindowTitle(fields.caption);
}

void frmCari::Command1_Click()
{
    data::RecordSet* rs = m_records;
    if (!rs || m_fields.fields.isEmpty())
        return;
    const forms::SearchField& field = m_fields.fieldFor(m_ui->Combo1->currentText());
    const bool searched = guarded(this, [&] {
        rs->moveFirst();
        if (field.match == forms::Match::TraineeNumber) {
            CekNp();
            if (numbering::isDigits(m_ui->Text1->text())) {
                findTraineeNumber(rs, field.column, m_ui->Text1->text());
                return;
            }
        }
        rs->find(data::Criterion::equals(field.column, m_ui->Text1->text()));
    });
    if (searched)
        pesan();
}

void frmCari::pesan()
{
    data::RecordSet* rs = m_records;
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
    m_ui->Text1->setFocus();
    m_ui->Text1->selectAll();
}

void frmCari::CekNp()
{
    // Typed digits are read as a number, so 1, 001 and 000001 all name trainee 001; other
    // text is searched as it stands.
    const QString typed = m_ui->Text1->text().trimmed();
    if (numbering::isDigits(typed))
        m_ui->Text1->setText(numbering::traineeNumberForm(typed));
}

bool frmCari::Text1_KeyPress(int key)
{
    if (key != KeyEnter)
        return false;
    Command1_Click();
    return true;
}

void frmCari::Command2_Click() { unload(); }

frmCari* openSearch(QWidget* caller, data::RecordSet* records, const forms::SearchFields& fields)
{
    frmCari* search = window<frmCari>(caller);
    if (search->parentWidget() != caller) {
        // Another form asked last; the window now belongs to this one (and stays where it is).
        const QPoint at = search->pos();
        search->setParent(caller, search->windowFlags());
        search->move(at);
    }
    search->searchIn(records, fields);
    showWindow(search);
    return search;
}
