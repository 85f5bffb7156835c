#pragma once

#include <QMainWindow>
#include <memory>

namespace Ui {
class frmMenu;
}

// The main window: the title over a picture and the menu that reaches every window and report.
class frmMenu : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMenu(QWidget* owner = nullptr);
    ~frmMenu() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The close box ends the program as "&Keluar" does, after the same questions.
    void closeEvent(QCloseEvent* event) override;

private:
    void mnuDataKursan_Click();
    void mnuDataUnit_Click();
    void mnuDataSPM_Click();
    void mnuPapan_Click();
    void mnuDaftarKerja_Click();
    void mnuEksporSPM_Click();
    void mnuCadangkan_Click();
    void mnuPulihkan_Click();
    void mnuLokasi_Click();
    void mnuSPM_Click();
    void mnuCetakSPKP_Click();
    void mnuSPP_Click();
    void mnuCetakSK_Click();
    void mnuCetakSertifikat_Click();
    void mnuLaporan_Click();
    void mnuStatistik_Click();
    void mnuRegister_Click();
    void mnuAbout_Click();
    void mnuKeluar_Click();

    void showLocation();
    // What the worklist holds for this week, said once at login.
    void showDue();
    // Shows the form (loaded on first use) and takes the front again when it closes.
    template <class T> void openForm();
    void formClosed();

    std::unique_ptr<Ui::frmMenu> m_ui;
};

// Loads the main window if needed, shows it maximised and brings it to the front.
void showMainWindow();
