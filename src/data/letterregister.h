#pragma once

#include "data/rows.h"

#include <memory>

namespace data {

// The letter register of one year: every letter numbered in that year (its number ends in
// "/YYYY") in the order of its sequence, the digits after "B/" read as a number (B/1000 follows
// B/999), with its trainees, reply, unit and period, a row for each of them. Letters whose
// sequence cannot be read come first, marked "tanpa nomor urut". A sequence missing between the
// year's first and last gets a row of its own in its place ("B/013/…/2026", "tidak ada"); a run
// of more than MissingRowsKept of them one row for the run ("B/014/…/2026 s/d B/030/…/2026",
// "tidak ada (17 nomor)"). Each row of a sequence two letters share is marked "nomor ganda". A
// last row counts them: "Jumlah: 7 surat, 13 nomor tidak ada, 1 nomor ganda".
//
// Columns: Ns, Np, Nama_Kursan, Jawaban, Unit, Tanggal_Pelaksanaan, Keterangan. The rows are
// read through the reports' connection in the order of their sequence and given as they come:
// only the rows of one sequence are held. Throws Error when the letters cannot be read.
std::unique_ptr<RowCursor> letterRegister(int year);

inline constexpr int MissingRowsKept = 10;

} // namespace data
