#include "forms/conflict.h"

#include "data/recordset.h"
#include "platform/msgbox.h"

using data::RowConflict;
using namespace platform;

namespace forms {

namespace {

const QString Title = QStringLiteral("Pesan");

// The stored values that differ from what the form shows, one "column: value" a line.
QString storedValues(const RowConflict& conflict)
{
    const data::RecordSet* rs = conflict.recordset();
    QStringList lines;
    for (int i = 0; i < rs->columnCount(); ++i) {
        const QVariant stored = conflict.stored().value(i);
        if (!rs->hasCurrent() || stored.toString() != rs->field(i).toString())
            lines << QStringLiteral("%1: %2").arg(rs->columnNames()[i], stored.toString());
    }
    return lines.join(QLatin1Char('\n'));
}

QString changedElsewhere(const RowConflict& conflict)
{
    return QStringLiteral("Data ini sudah diubah di tempat lain sejak dibaca. Yang tersimpan "
                          "sekarang:\n%1")
        .arg(storedValues(conflict));
}

void forgetChanges(std::initializer_list<data::RecordSet*> sets)
{
    for (data::RecordSet* rs : sets)
        if (rs->hasCurrent())
            rs->cancelUpdate();
}

} // namespace

Saved saveWithCare(QWidget* form, std::initializer_list<data::RecordSet*> sets,
                   const std::function<void()>& save)
{
    for (;;) {
        try {
            save();
            return Saved::Yes;
        } catch (const RowConflict& conflict) {
            data::RecordSet* rs = conflict.recordset();
            if (conflict.kind() == RowConflict::Kind::Deleted) {
                switch (msgBox(
                    QStringLiteral("%1\nSimpan lagi sebagai data baru?").arg(conflict.message()),
                    Title, Icon::Question, Buttons::YesNoCancel, form)) {
                case Answer::Yes: rs->storeAgain(); continue;
                case Answer::No:
                    forgetChanges(sets);
                    rs->forgetCurrent();
                    return Saved::Dropped;
                default: return Saved::Kept;
                }
            }
            switch (msgBox(changedElsewhere(conflict) +
                               QStringLiteral("\n\nYa: simpan isian Anda di atasnya. Tidak: pakai "
                                              "data yang tersimpan. Batal: kembali ke isian."),
                           Title, Icon::Question, Buttons::YesNoCancel, form)) {
            case Answer::Yes: rs->saveOver(conflict); continue;
            case Answer::No:
                forgetChanges(sets);
                rs->takeStored(conflict);
                return Saved::Dropped;
            default: return Saved::Kept;
            }
        } catch (const data::Declined&) {
            return Saved::Kept; // the clerk has been told already
        } catch (const data::Error& e) {
            msgBox(e.message(), QStringLiteral("Kesalahan"), Icon::Critical, Buttons::Ok, form);
            return Saved::Kept;
        }
    }
}

bool deleteWithCare(QWidget* form, data::RecordSet* removed, const std::function<void()>& remove)
{
    for (;;) {
        try {
            remove();
            return true;
        } catch (const RowConflict& conflict) {
            data::RecordSet* rs = conflict.recordset();
            if (conflict.kind() == RowConflict::Kind::Deleted) {
                // A row stored with the deletion that has gone needs no storing any more.
                if (rs != removed) {
                    rs->forgetCurrent();
                    continue;
                }
                msgBox(conflict.message(), Title, Icon::Information, Buttons::Ok, form);
                rs->forgetCurrent();
                return true;
            }
            if (msgBox(changedElsewhere(conflict) + QStringLiteral("\n\nTetap hapus?"), Title,
                       Icon::Question, Buttons::YesNo, form, Answer::No) != Answer::Yes) {
                rs->takeStored(conflict);
                return false;
            }
            rs->saveOver(conflict);
        } catch (const data::Error& e) {
            msgBox(e.message(), QStringLiteral("Kesalahan"), Icon::Critical, Buttons::Ok, form);
            return false;
        }
    }
}

} // namespace forms
