#include "shell/frmMenu.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/error.h"
#include "data/worklist.h"
#include "forms/frmDaftarKerja.h"
#include "forms/frmKursan.h"
#include "forms/frmPapan.h"
#include "forms/frmSPM.h"
#include "forms/frmStatistik.h"
#include "forms/frmUnit.h"
#include "platform/guard.h"
#include "platform/handlers.h"
#include "platform/windows.h"
#include "preview/frmCetak.h"
#include "preview/show.h"
#include "shell/frmAbout.h"
#include "shell/picture.h"
#include "ui_frmMenu.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>

using namespace platform;

frmMenu::frmMenu(QWidget* owner) : QMainWindow(owner), m_ui(std::make_unique<Ui::frmMenu>())
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->Image1->setPixmap(shell::picture(1024, 720));
    QFont script(QStringLiteral("URW Chancery L"));
    script.setFamilies({QStringLiteral("URW Chancery L"), QStringLiteral("Z003"),
                        QStringLiteral("TeX Gyre Chorus")});
    script.setPointSizeF(15.75);
    script.setBold(true);
    script.setItalic(true);
    for (QLabel* l : {m_ui->Label1_0, m_ui->Label1_1}) {
        l->setFont(script);
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    }

    handle(m_ui->mnuDataKursan, &QAction::triggered, this, &frmMenu::mnuDataKursan_Click);
    handle(m_ui->mnuDataUnit, &QAction::triggered, this, &frmMenu::mnuDataUnit_Click);
    handle(m_ui->mnuDataSPM, &QAction::triggered, this, &frmMenu::mnuDataSPM_Click);
    handle(m_ui->mnuPapan, &QAction::triggered, this, &frmMenu::mnuPapan_Click);
    handle(m_ui->mnuDaftarKerja, &QAction::triggered, this, &frmMenu::mnuDaftarKerja_Click);
    handle(m_ui->mnuEksporSPM, &QAction::triggered, this, &frmMenu::mnuEksporSPM_Click);
    handle(m_ui->mnuCadangkan, &QAction::triggered, this, &frmMenu::mnuCadangkan_Click);
    handle(m_ui->mnuPulihkan, &QAction::triggered, this, &frmMenu::mnuPulihkan_Click);
    handle(m_ui->mnuLokasi, &QAction::triggered, this, &frmMenu::mnuLokasi_Click);
    handle(m_ui->mnuSPM, &QAction::triggered, this, &frmMenu::mnuSPM_Click);
    handle(m_ui->mnuCetakSPKP, &QAction::triggered, this, &frmMenu::mnuCetakSPKP_Click);
    handle(m_ui->mnuSPP, &QAction::triggered, this, &frmMenu::mnuSPP_Click);
    handle(m_ui->mnuCetakSK, &QAction::triggered, this, &frmMenu::mnuCetakSK_Click);
    handle(m_ui->mnuCetakSertifikat, &QAction::triggered, this, &frmMenu::mnuCetakSertifikat_Click);
    handle(m_ui->mnuLaporan, &QAction::triggered, this, &frmMenu::mnuLaporan_Click);
    handle(m_ui->mnuStatistik, &QAction::triggered, this, &frmMenu::mnuStatistik_Click);
    handle(m_ui->mnuRegister, &QAction::triggered, this, &frmMenu::mnuRegister_Click);
    handle(m_ui->mnuAbout, &QAction::triggered, this, &frmMenu::mnuAbout_Click);
    handle(m_ui->mnuKeluar, &QAction::triggered, this, &frmMenu::mnuKeluar_Click);
    showLocation();
    showDue();
}

frmMenu::~frmMenu() = default;

// Where the data is, on the status bar for as long as the window is there.
void frmMenu::showLocation()
{
    auto* where = new QLabel(QStringLiteral("Data: %1").arg(data::Database::location().shown()));
    where->setObjectName(QStringLiteral("lblLokasi"));
    statusBar()->addPermanentWidget(where);
}

void frmMenu::showDue()
{
    data::DueCounts due;
    try {
        due = data::readDueCounts(data::today());
    } catch (const data::Error&) {
        return; // the data's own windows say what is wrong with it
    }
    auto* said = new QLabel(QStringLiteral("Minggu ini %1 sertifikat jatuh tempo; %2 surat "
                                           "menunggu jawaban (File > Daftar Kerja).")
                                .arg(due.certificates)
                                .arg(due.awaitingReply));
    said->setObjectName(QStringLiteral("lblDaftarKerja"));
    statusBar()->addWidget(said);
}

void frmMenu::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The picture covers the whole client area; the titles stay near the middle.
    const QSize area = centralWidget()->size();
    // The picture starts 240 twips left of the edge, as laid out.
    m_ui->Image1->setGeometry(-platform::px(240), 0, area.width() + platform::px(240),
                              area.height());
    const int w0 = m_ui->Label1_0->width(), w1 = m_ui->Label1_1->width();
    m_ui->Label1_0->move((area.width() - w0) / 2, area.height() / 2 - 50);
    m_ui->Label1_1->move((area.width() - w0) / 2 + w0 - w1 + 40, area.height() / 2 - 8);
}

template <class T> void frmMenu::openForm()
{
    guarded(this, [this] { // a form that cannot read its data says so and stays closed
        T* form = platform::window<T>(this);
        connect(form, &platform::Form::closed, this, &frmMenu::formClosed, Qt::UniqueConnection);
        showWindow(form);
    });
}

// A form it opened has closed: the main window takes the front, unless the program is ending.
void frmMenu::formClosed()
{
    if (!isVisible())
        return;
    raise();
    activateWindow();
}

void frmMenu::mnuDataKursan_Click() { openForm<frmKursan>(); }
void frmMenu::mnuDataUnit_Click() { openForm<frmUnit>(); }
void frmMenu::mnuDataSPM_Click() { openForm<frmSPM>(); }
void frmMenu::mnuPapan_Click() { openForm<frmPapan>(); }
void frmMenu::mnuDaftarKerja_Click() { openForm<frmDaftarKerja>(); }
// The letters, the statement and the certificate print every placed trainee: no filter.
void frmMenu::mnuSPM_Click() { reports::show(QStringLiteral("drSPM"), this); }
void frmMenu::mnuCetakSPKP_Click() { reports::show(QStringLiteral("drSPKP"), this); }
void frmMenu::mnuSPP_Click() { reports::show(QStringLiteral("drSPP"), this); }
void frmMenu::mnuCetakSK_Click() { reports::show(QStringLiteral("drSK"), this); }
void frmMenu::mnuCetakSertifikat_Click() { reports::show(QStringLiteral("drSertifikat"), this); }
void frmMenu::mnuLaporan_Click() { openForm<frmCetak>(); }
void frmMenu::mnuStatistik_Click() { openForm<frmStatistik>(); }
void frmMenu::mnuRegister_Click() { reports::show(QStringLiteral("drRegister"), this); }

void frmMenu::mnuAbout_Click() { openForm<frmAbout>(); }

void frmMenu::mnuKeluar_Click() { endProgram(); }

void frmMenu::closeEvent(QCloseEvent* event)
{
    if (!askEveryForm()) {
        event->ignore();
        return;
    }
    closeEveryWindow(this);
    QMainWindow::closeEvent(event);
}

void showMainWindow()
{
    frmMenu* menu = window<frmMenu>();
    if (!menu->isVisible()) {
        // Fill the screen even where no window manager honours "maximised".
        if (QScreen* screen = QGuiApplication::primaryScreen())
            menu->setGeometry(screen->availableGeometry());
        menu->showMaximized();
    }
    menu->raise();
    menu->activateWindow();
}
