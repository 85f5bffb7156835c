#include "forms/searchcallers.h"

#include "data/datacontrol.h"
#include "platform/windows.h"

#include <QWidget>

namespace forms {

namespace {
// Every form that opens the search window. A new caller adds its row here and names its data
// control on construction (data::DataControl(form, "AdodcN", source)); nothing else changes.
const QVector<SearchCaller>& callers()
{
    static const QVector<SearchCaller> table = {
        {QStringLiteral("frmUnit"),
         QStringLiteral("Adodc1"),
         {{QStringLiteral("Kode Unit"), QStringLiteral("Kode_Unit")},
          {QStringLiteral("Nama Unit"), QStringLiteral("Unit")}}},
        {QStringLiteral("frmKursan"),
         QStringLiteral("Adodc1"),
         {{QStringLiteral("No Surat"), QStringLiteral("Ns")},
          {QStringLiteral("No Kursan"), QStringLiteral("Np"), Match::TraineeNumber},
          {QStringLiteral("Nama Kursan"), QStringLiteral("Nama_Kursan")},
          {QStringLiteral("Nama Instansi"), QStringLiteral("Instansi")},
          {QStringLiteral("Jurusan"), QStringLiteral("Jurusan")}}},
        {QStringLiteral("frmSPM"),
         QStringLiteral("Adodc6"),
         {{QStringLiteral("No Surat"), QStringLiteral("Ns")},
          {QStringLiteral("Nama Kursan"), QStringLiteral("Nama_Kursan")},
          {QStringLiteral("Instansi"), QStringLiteral("Instansi")}}},
    };
    return table;
}
} // namespace

QStringList SearchCaller::items() const
{
    QStringList out;
    for (const SearchField& f : fields)
        out << f.item;
    return out;
}

const SearchField& SearchCaller::fieldFor(const QString& text) const
{
    for (const SearchField& f : fields)
        if (f.item == text)
            return f;
    return fields.last();
}

const SearchCaller* searchCaller(const QString& form)
{
    for (const SearchCaller& c : callers())
        if (c.form == form)
            return &c;
    return nullptr;
}

data::RecordSet* searchedRecordset(const SearchCaller& caller, QWidget* owner)
{
    QWidget* form = platform::Windows::find(caller.form);
    if (!form && owner && caller.form == QLatin1String(owner->metaObject()->className()))
        form = owner;
    if (!form)
        return nullptr;
    auto* control = form->findChild<data::DataControl*>(caller.dataControl);
    return control ? control->recordset() : nullptr;
}

} // namespace forms
