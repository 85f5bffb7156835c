#include "forms/elsewhere.h"

#include "data/recordset.h"

namespace forms {

namespace {
const QString Changed = QStringLiteral(
    "Data ini telah diubah di tempat lain. Saat disimpan, Anda akan ditanya mana yang dipakai.");
const QString Deleted = QStringLiteral("Data ini telah dihapus di tempat lain.");
} // namespace

ElsewhereNotice::ElsewhereNotice(QWidget* form) : QLabel(form)
{
    setObjectName(QStringLiteral("lblDiTempatLain"));
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("background: #FFE9A8; color: black; border: 1px solid #C08A00;"
                                 " padding: 2px;"));
    setGeometry(0, 0, form->width(), 36);
    hide();
}

void ElsewhereNotice::watch(data::RecordSet* records)
{
    m_watched << records;
    connect(records, &data::RecordSet::elsewhereChanged, this, &ElsewhereNotice::tell);
    connect(records, &QObject::destroyed, this, [this, records] { m_watched.removeAll(records); });
    tell();
}

void ElsewhereNotice::tell()
{
    QString text;
    for (const data::RecordSet* records : std::as_const(m_watched)) {
        if (records->elsewhere() == data::RecordSet::Elsewhere::Deleted)
            text = Deleted;
        else if (records->elsewhere() == data::RecordSet::Elsewhere::Changed && text.isEmpty())
            text = Changed;
    }
    setText(text);
    setGeometry(0, 0, parentWidget()->width(), 36);
    raise();
    setVisible(!text.isEmpty());
}

} // namespace forms
