#pragma once

#include "reports/engine/layout.h"

// One function per report builds its layout; registry.cpp lists them by report name. A layout
// reads like its design sheet, positions in twips within the band:
//
//     Layout l("drSK", "cmdSK", "DataReport1");
//     l.reportWidth = 9675;
//     l.margins = {1400, 700, 1440, 1440}; // left, right, top, bottom
//     l.detail.height = 12555;
//     l.detail.label("Label10", 3480, 585, "SURAT KETERANGAN")
//         .font(arial(14.25).bold().underlined());
//     l.detail.field("txtTanggal_Lahir", 5400, 3480, "Tanggal_Lahir").format("dd-MMMM-yyyy");
//     l.detail.line("Line1", 4410, 9285, 4170, 0);
namespace reports::layouts {

// The placements granted by their unit: a refused trainee gets no statement, certificate or
// covering letter (the exploration letter goes to every reply).
inline data::RowFilter grantedOnly()
{
    return {QStringLiteral("TSurat.Jawaban"), QStringLiteral("Dapat")};
}

// The signature under the two covering letters: the company, "on behalf of" the head of
// training, the signatory's name and office, in Arial 9.75 (the name bold), the company's line
// at (left, top).
void coveringSignature(Band& band, int left, int top);

Layout drSPM();
Layout drSPKP();
Layout drSPP();
Layout drSK();
Layout drSertifikat();
Layout drKursan();
Layout drUnit();
// The yearly statistics: its rows are a year's counts (reports/statistik.h).
Layout drStatistik();
Layout drRegister();

} // namespace reports::layouts
