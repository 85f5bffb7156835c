#pragma once

#include "forms/frmSPM.h"
#include "support/fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

// Letters B/001 and B/002 await a reply (B/002 covers two trainees); B/003 and B/004 are
// answered and placed.
class LetterFormTest : public KursanTest {
protected:
    static inline const QString L1 = QStringLiteral("B/001/III/PKL/2005");
    static inline const QString L2 = QStringLiteral("B/002/III/PKL/2005");
    static inline const QString L3 = QStringLiteral("B/003/II/PKL/2005");
    static inline const QString L4 = QStringLiteral("B/004/II/PKL/2005");
    static inline const QString Placed1 = QStringLiteral("003|01/02/2005s/d01/03/2005|U03");
    static inline const QString Placed2 = QStringLiteral("005|10/02/2005s/d10/03/2005|U01");

    void SetUp() override
    {
        KursanTest::SetUp();
        sql("INSERT INTO TUnit VALUES ('U01','Keuangan','111'), ('U02','Gudang ''B''','222'),"
            " ('U03','Produksi','333')");
        sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan, Instansi, Jurusan) VALUES"
            " (?,'001','Budi','UGM','Teknik'), (?,'002','Sari','ITB','Kimia'),"
            " (?,'004','Ani','ITB','Fisika'), (?,'003','Tono','UI','Hukum'),"
            " (?,'005','Wati','UNS','Biologi')",
            {L1, L2, L2, L3, L4});
        sql("INSERT INTO TSurat VALUES (?,'-',1), (?,'-',2), (?,'Dapat',1), (?,'Tidak',1)",
            {L1, L2, L3, L4});
        sql("INSERT INTO TKegiatan VALUES ('003','01/02/2005s/d01/03/2005','U03'),"
            " ('005','10/02/2005s/d10/03/2005','U01')");
    }

    frmSPM* open()
    {
        form = platform::window<frmSPM>(nullptr);
        platform::showWindow(form);
        return form;
    }

    template <class T = QWidget> T* w(const char* name) const
    {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox* combo(const char* name) const { return w<QComboBox>(name); }
    QLineEdit* box(const char* name) const { return w<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return w<QPushButton>(name); }

    // Picks an entry from a list with the arrow keys, as a person does.
    void pick(const char* comboName, const QString& entry)
    {
        QComboBox* c = combo(comboName);
        const int index = c->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        // One key per step from where the list stands; a refused pick may move it back.
        const int steps = index - c->currentIndex();
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(c, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    }

    static QStringList entries(QComboBox* c)
    {
        QStringList out;
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }

    void typeStart(const QString& date)
    {
        box("Text8")->clear();
        QTest::keyClicks(box("Text8"), date);
        QTest::keyClick(box("Text8"), Qt::Key_Return);
    }

    void clickGridRow(int row)
    {
        auto* grid = w<QTableView>("DataGrid1");
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QString jawaban(const QString& ns)
    {
        const QVariantList v = sql("SELECT Jawaban FROM TSurat WHERE Ns = ?", {ns});
        return v.isEmpty() ? QStringLiteral("<none>") : v[0].toString();
    }

    bool inEntryMode() const
    {
        return button("cmd")->text() == QLatin1String("Simpan") &&
               !button("cmdTambah")->isEnabled() && !button("cmdEdit")->isEnabled() &&
               !button("cmdHapus")->isEnabled() && !button("cmdkeluar")->isEnabled();
    }
    bool inBrowseMode() const
    {
        return button("cmd")->text() == QLatin1String("Cari") && button("cmdTambah")->isEnabled() &&
               button("cmdEdit")->isEnabled() && button("cmdHapus")->isEnabled() &&
               button("cmdkeluar")->isEnabled();
    }

    frmSPM* form = nullptr;
};
