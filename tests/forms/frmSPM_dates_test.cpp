#include "forms/spm_support.h"

namespace {
const QString Month = QStringLiteral("Cek ulang bulan pelaksanaan.");
const QString Year = QStringLiteral("Cek ulang tahun pelaksanaan.");
const QString Day = QStringLiteral("Cek ulang tanggal pelaksanaan.");
} // namespace

TEST_F(LetterFormTest, EnterInTheStartDateNormalisesChecksAndFillsTheEnd)
{
    open();
    const struct {
        const char* typed;
        const char* start;
        const char* end;
    } passing[] = {
        {"010305", "01/03/2005", "01/04/2005"},     {"15/03/05", "15/03/2005", "15/04/2005"},
        {"15/12/2005", "15/12/2005", "15/01/2006"}, {"31/01/2006", "31/01/2006", "28/02/2006"},
        {"31/05/2005", "31/05/2005", "30/06/2005"}, {"05/09/2005", "05/09/2005", "05/10/2005"},
        {"10/08/2005", "10/08/2005", "10/09/2005"}, {"1/4/2005", "01/04/2005", "01/05/2005"},
        {"1/4/27", "01/04/2027", "01/05/2027"},     {"01/1/2027", "01/01/2027", "01/02/2027"},
    };
    for (const auto& c : passing) {
        SCOPED_TRACE(c.typed);
        typeStart(c.typed);
        EXPECT_EQ(box("Text8")->text(), c.start);
        EXPECT_EQ(box("Text9")->text(), c.end);
        EXPECT_EQ(form->focusWidget(), button("cmd"));
    }
    EXPECT_TRUE(boxes.shown().empty());

    const struct {
        const char* typed;
        const QString& message;
        const char* title;
    } refused[] = {
        {"01/04/1999", Year, "Cek Tahun"},  {"1/4/10000", Day, "Cek Tanggal"},
        {"", Day, "Cek Tanggal"},           {"15/13/2005", Month, "Cek Bulan"},
        {"01/02/2005", Month, "Cek Bulan"}, {"31/04/2005", Day, "Cek Tanggal"},
        {"31/12/9999", Year, "Cek Tahun"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.typed);
        box("Text9")->setText("kept");
        boxes.expect(c.message);
        typeStart(c.typed);
        EXPECT_EQ(box("Text8")->text(), c.typed) << "the start stays as typed";
        EXPECT_EQ(box("Text9")->text(), "kept");
        EXPECT_EQ(form->focusWidget(), box("Text8"));
        EXPECT_EQ(boxes.shown().back().title, c.title);
        EXPECT_EQ(boxes.shown().back().icon, platform::Icon::Critical);
    }
}

TEST_F(LetterFormTest, EnterInTheEndDateRechecksTheStartOnly)
{
    open();
    box("Text8")->setText("01/02/2005");
    box("Text9")->setText("01/03/2005");
    boxes.expect(Month);
    QTest::keyClick(box("Text9"), Qt::Key_Return);
    EXPECT_EQ(box("Text8")->text(), "01/02/2005");
    EXPECT_EQ(box("Text9")->text(), "01/03/2005");
    EXPECT_EQ(form->focusWidget(), box("Text9"));

    box("Text8")->setText("20/03/2005");
    box("Text9")->setText("25/04/2005"); // the user's own end date is not touched
    QTest::keyClick(box("Text9"), Qt::Key_Return);
    EXPECT_EQ(box("Text9")->text(), "25/04/2005");
    EXPECT_EQ(form->focusWidget(), button("cmd"));
}
