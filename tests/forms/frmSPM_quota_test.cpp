#include "forms/spm_support.h"

using platform::Answer;

// Keuangan (U01) already has four granted placements over March and April 2005.
TEST_F(LetterFormTest, AGrantedPlacementThatWouldOverfillItsUnitAsksFirst)
{
    for (int i = 0; i < 4; ++i)
        placeTrainee("U01", "01/03/2005s/d01/04/2005");
    placeTrainee("U01", "01/03/2005s/d01/04/2005", "Tidak"); // refused: not counted
    open();

    // The fifth asks nothing.
    button("cmdTambah")->click();
    pick("cboNoSurat", L1);
    pick("cboJawaban", "Dapat");
    pick("cboUnit", "Keuangan");
    typeStart("01/03/2005");
    button("cmd")->click();
    ASSERT_TRUE(inBrowseMode());

    // Saving it again does not count it against itself.
    button("cmdEdit")->click();
    button("cmd")->click();
    ASSERT_TRUE(inBrowseMode());
    const QStringList stored = rows("TKegiatan");

    // The sixth asks; Tidak keeps the entry as typed, Ya stores it.
    button("cmdTambah")->click();
    pick("cboNoSurat", L2);
    pick("cboJawaban", "Dapat");
    pick("cboUnit", "Keuangan");
    typeStart("20/03/2005");
    const QString question = QStringLiteral(
        "Unit Keuangan sudah 5 orang pada Maret 2005. Tetap simpan?");
    boxes.expect(question, Answer::No);
    button("cmd")->click();
    EXPECT_EQ(boxes.shown().back().defaultAnswer, Answer::No); // Enter never overfills
    EXPECT_TRUE(inEntryMode());
    EXPECT_EQ(rows("TKegiatan"), stored);
    EXPECT_EQ(jawaban(L2), "-");
    EXPECT_EQ(combo("cboNoSurat")->currentText(), L2);
    EXPECT_EQ(box("txtNama")->text(), "Sari");
    EXPECT_EQ(combo("cboJawaban")->currentText(), "Dapat");
    EXPECT_EQ(combo("cboUnit")->currentText(), "Keuangan");
    EXPECT_EQ(box("Text8")->text(), "20/03/2005");
    EXPECT_EQ(box("Text9")->text(), "20/04/2005");

    // Another desk places one more while the question is open: the save counts again and asks
    // again with the new number.
    boxes.expect(question, Answer::Yes, [&] { placeTrainee("U01", "05/03/2005s/d05/04/2005"); });
    boxes.expect(QStringLiteral("Unit Keuangan sudah 6 orang pada Maret 2005. Tetap simpan?"),
                 Answer::No);
    button("cmd")->click();
    EXPECT_TRUE(inEntryMode());
    EXPECT_EQ(rows("TKegiatan").size(), stored.size() + 1) << "only the other desk's";

    boxes.expect(QStringLiteral("Unit Keuangan sudah 6 orang pada Maret 2005. Tetap simpan?"),
                 Answer::Yes);
    button("cmd")->click();
    EXPECT_TRUE(inBrowseMode());
    EXPECT_EQ(rows("TKegiatan").size(), stored.size() + 2);
    EXPECT_EQ(rows("TKegiatan").last(), "002|20/03/2005s/d20/04/2005|U01");
    EXPECT_EQ(jawaban(L2), "Dapat");
}
