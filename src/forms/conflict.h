#pragma once

#include <functional>
#include <initializer_list>

class QWidget;

namespace data {
class RecordSet;
}

namespace forms {

// What became of an entry that was saved with care.
enum class Saved {
    Yes,     // stored
    Dropped, // the clerk took the row as stored elsewhere; the entry is gone
    Kept,    // not stored; the entry stays as typed
};

// Runs `save` (which stores the current rows of `sets`). When a row turns out changed or
// deleted elsewhere since the form read it, the clerk sees the stored values and chooses: save
// over them, take them, or go back to the entry. A refusal of the database is shown as any
// other. Dropping an entry forgets the unsaved changes of every set.
Saved saveWithCare(QWidget* form, std::initializer_list<data::RecordSet*> sets,
                   const std::function<void()>& save);

// Runs `remove`, which deletes the current row of `removed` (and may store rows of other sets
// with it). A row deleted elsewhere meanwhile is said so and leaves the snapshot; one changed
// elsewhere is deleted only when the clerk, shown its values, still wants it. True when the
// row is gone.
bool deleteWithCare(QWidget* form, data::RecordSet* removed, const std::function<void()>& remove);

} // namespace forms
