#include "data/newtrainee.h"

#include "data/error.h"
#include "data/lookups.h"
#include "data/recordset.h"
#include "data/sequences.h"
#include "data/transaction.h"
#include "rules/numbering.h"

namespace data {

namespace {
const QString Np = QStringLiteral("Np");
const QString Ns = QStringLiteral("Ns");

// The fields the save may set, to be put back when it fails.
struct Fields {
    QVariant np, ns, letterNs, reply, count;

    static Fields of(const RecordSet& trainees, const RecordSet& letters)
    {
        return {trainees.field(Np), trainees.field(Ns), letters.field(Ns),
                letters.field(QStringLiteral("Jawaban")),
                letters.field(QStringLiteral("Jumlah_Kursan"))};
    }
    void restore(RecordSet& trainees, RecordSet& letters) const
    {
        trainees.setField(Np, np);
        trainees.setField(Ns, ns);
        letters.setField(Ns, letterNs);
        letters.setField(QStringLiteral("Jawaban"), reply);
        letters.setField(QStringLiteral("Jumlah_Kursan"), count);
    }
};
} // namespace

SavedNumbers saveNewTrainee(RecordSet& trainees, RecordSet& letters, const ShownNumbers& shown)
{
    const Fields before = Fields::of(trainees, letters);
    SavedNumbers saved{shown.trainee, shown.letter};
    bool newLetter = true;
    qint64 traineeRow = -1, letterRow = -1;
    try {
        inTransaction(
            trainees.database(),
            [&](QSqlDatabase& db) {
                if (!shown.traineeTyped && traineeNumberTaken(db, saved.trainee)) {
                    saved.trainee = numbering::nextTraineeNumber(lastTraineeNumber(db));
                    saved.traineeMoved = true;
                    if (saved.trainee.size() > numbering::TraineeNumberPlaces)
                        throw Error(NumberLimit);
                }
                if (!shown.letterTyped &&
                    (saved.letter.isEmpty() || letterSequenceTaken(db, saved.letter))) {
                    saved.letterMoved = !saved.letter.isEmpty();
                    saved.letter = numbering::letterNumber(
                        numbering::nextLetterSequence(lastLetterNumber(db)), shown.romanMonth,
                        shown.year);
                }
                trainees.setField(Np, saved.trainee);
                trainees.setField(Ns, saved.letter);
                traineeRow = trainees.writeCurrent(db);
                // A typed number of a letter already stored adds the trainee to that letter.
                newLetter = !letterExists(db, saved.letter);
                if (newLetter) {
                    letters.setField(Ns, saved.letter);
                    if (letters.field(QStringLiteral("Jawaban")).toString().isEmpty())
                        letters.setField(QStringLiteral("Jawaban"), QStringLiteral("-"));
                    if (letters.field(QStringLiteral("Jumlah_Kursan")).toString().isEmpty())
                        letters.setField(QStringLiteral("Jumlah_Kursan"), 1);
                    letterRow = letters.writeCurrent(db);
                }
            },
            [&] {
                trainees.acceptWrite(traineeRow);
                if (newLetter)
                    letters.acceptWrite(letterRow);
                else
                    letters.cancelUpdate();
            });
    } catch (const Error&) {
        before.restore(trainees, letters);
        throw;
    }
    return saved;
}

} // namespace data
