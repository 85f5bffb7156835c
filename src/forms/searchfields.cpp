#include "forms/searchfields.h"

namespace forms {

const SearchFields& unitSearch()
{
    static const SearchFields fields{QStringLiteral("frmUnit"),
                                     {{QStringLiteral("Kode Unit"), QStringLiteral("Kode_Unit")},
                                      {QStringLiteral("Nama Unit"), QStringLiteral("Unit")}}};
    return fields;
}

const SearchFields& traineeSearch()
{
    static const SearchFields fields{
        QStringLiteral("frmKursan"),
        {{QStringLiteral("No Surat"), QStringLiteral("Ns")},
         {QStringLiteral("No Kursan"), QStringLiteral("Np"), Match::TraineeNumber},
         {QStringLiteral("Nama Kursan"), QStringLiteral("Nama_Kursan")},
         {QStringLiteral("Nama Instansi"), QStringLiteral("Instansi")},
         {QStringLiteral("Jurusan"), QStringLiteral("Jurusan")}}};
    return fields;
}

const SearchFields& placementSearch()
{
    static const SearchFields fields{
        QStringLiteral("frmSPM"),
        {{QStringLiteral("No Surat"), QStringLiteral("Ns")},
         {QStringLiteral("Nama Kursan"), QStringLiteral("Nama_Kursan")},
         {QStringLiteral("Instansi"), QStringLiteral("Instansi")}}};
    return fields;
}

QStringList SearchFields::items() const
{
    QStringList out;
    for (const SearchField& f : fields)
        out << f.item;
    return out;
}

const SearchField& SearchFields::fieldFor(const QString& text) const
{
    for (const SearchField& f : fields)
        if (f.item == text)
            return f;
    return fields.last();
}

} // namespace forms
