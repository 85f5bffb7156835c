#include "preview/selectionbar.h"

#include "platform/guard.h"
#include "platform/handlers.h"
#include "ui_selectionbar.h"

#include <algorithm>

namespace reports {

using data::Selection;

namespace {

struct Choice {
    Selection::Kind kind;
    const char* item;
    const char* hint; // what to type
};

const Choice choices[] = {
    {Selection::Kind::All, "Semua data", ""},
    {Selection::Kind::Trainee, "Satu Kursan", "No Kursan atau nama"},
    {Selection::Kind::Letters, "Nomor surat", "mis. 7:20 atau B/007/IV/PKL/2005"},
    {Selection::Kind::Month, "Bulan mulai", "MM/YYYY, mis. 03/2005"},
    {Selection::Kind::Ending, "Selesai antara", "DD/MM/YYYY:DD/MM/YYYY"},
};

const Choice& choiceOf(Selection::Kind kind)
{
    for (const Choice& c : choices)
        if (c.kind == kind)
            return c;
    return choices[0];
}

} // namespace

SelectionBar::SelectionBar(const QString& command, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::SelectionBar>())
{
    m_ui->setupUi(this);
    for (const Choice& c : choices)
        if (Selection::appliesTo(c.kind, command))
            m_ui->cboPilihan->addItem(QString::fromUtf8(c.item), int(c.kind));
    platform::handle(m_ui->cboPilihan, &QComboBox::activated, this, &SelectionBar::kindPicked);
    platform::handle(m_ui->txtPilihan, &QLineEdit::returnPressed, this, &SelectionBar::confirm);
    platform::handle(m_ui->cmdTampilkan, &QPushButton::clicked, this, &SelectionBar::confirm);
    setSelection(Selection());
}

SelectionBar::~SelectionBar() = default;

bool SelectionBar::offersChoice(const QString& command)
{
    for (const Choice& c : choices)
        if (c.kind != Selection::Kind::All && Selection::appliesTo(c.kind, command))
            return true;
    return false;
}

Selection::Kind SelectionBar::chosenKind() const
{
    return Selection::Kind(m_ui->cboPilihan->currentData().toInt());
}

void SelectionBar::setSelection(const Selection& selection)
{
    m_selection = selection;
    const int index = m_ui->cboPilihan->findData(int(selection.kind()));
    m_ui->cboPilihan->setCurrentIndex(std::max(index, 0));
    showInput(chosenKind(), selection.text());
}

// The text box and its button are there only for a kind that needs text.
void SelectionBar::showInput(Selection::Kind kind, const QString& text)
{
    const bool typed = kind != Selection::Kind::All;
    m_ui->txtPilihan->setVisible(typed);
    m_ui->cmdTampilkan->setVisible(typed);
    m_ui->txtPilihan->setPlaceholderText(QString::fromUtf8(choiceOf(kind).hint));
    m_ui->txtPilihan->setText(text);
}

void SelectionBar::kindPicked()
{
    const Selection::Kind kind = chosenKind();
    if (kind == Selection::Kind::All) {
        emit selected(Selection());
        return;
    }
    // Back on the kind the preview prints, its text comes back too.
    showInput(kind, kind == m_selection.kind() ? m_selection.text() : QString());
    m_ui->txtPilihan->setFocus();
}

void SelectionBar::confirm()
{
    Selection selection;
    if (!platform::guarded(
            this, [&] { selection = Selection::parse(chosenKind(), m_ui->txtPilihan->text()); })) {
        restore();
        return;
    }
    emit selected(selection);
}

} // namespace reports
