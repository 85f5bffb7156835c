#pragma once

#include <QDate>
#include <QString>
#include <vector>

namespace data {

// One row of the day's worklist: whose it is, and what the clerk needs to see to mend it.
struct WorkItem {
    QString trainee; // Np
    QString name;
    QString letter; // Ns
    QString reply;
    QString unit; // the unit's name; its code where the unit list lacks it
    QString period;
    bool placed = false; // the row is a placement's (else a letter's or a trainee's)
};

// The office's open ends, each list in the order the clerk works it.
struct Worklist {
    // Granted placements whose period ends on the days asked for, the earliest end first:
    // exactly the rows the certificates print for Selection::ending of those days.
    std::vector<WorkItem> certificatesDue;
    // Letters not answered yet (no reply, or "-"), the oldest month and year of their number
    // first; a number that does not read so comes last.
    std::vector<WorkItem> awaitingReply;
    // Granted letters whose trainee has no placement, then placements whose period cannot be
    // read (the board cannot count them either).
    std::vector<WorkItem> unplaced;
    // Trainees without a letter number.
    std::vector<WorkItem> withoutLetter;
};

// The lists as stored now; certificates due for the placements ending `from` to `to`.
Worklist readWorklist(const QDate& from, const QDate& to);

// What the main window tells at login: certificates due from today to the coming Sunday, and
// letters awaiting a reply.
struct DueCounts {
    int certificates = 0;
    int awaitingReply = 0;
};
DueCounts readDueCounts(const QDate& today);

// The last day of the week `day` lies in: the coming Sunday, or `day` itself on a Sunday.
QDate endOfWeek(const QDate& day);

} // namespace data
