#include "shell/frmLokasi.h"

#include "data/database.h"
#include "data/serverengine.h"
#include "platform/filechooser.h"
#include "platform/handlers.h"
#include "platform/msgbox.h"
#include "ui_frmLokasi.h"

#include <QDir>

using namespace platform;

namespace {
const QString Title = QStringLiteral("Lokasi Data");
}

frmLokasi::frmLokasi(QWidget* owner) : QDialog(owner), m_ui(std::make_unique<Ui::frmLokasi>())
{
    m_ui->setupUi(this);
    const data::Location& now = data::Database::location();
    m_ui->lblSekarang->setText(QStringLiteral("Data sekarang: %1").arg(now.shown()));
    m_ui->optServer->setChecked(now.isServer());
    m_ui->optBerkas->setChecked(!now.isServer());
    m_ui->txtBerkas->setText(now.isServer() ? data::Location::defaultPath() : now.shown());
    m_ui->txtHost->setText(now.host);
    if (now.port)
        m_ui->txtPort->setText(QString::number(now.port));
    m_ui->txtDatabase->setText(now.database);
    m_ui->txtPengguna->setText(now.user);
    showKind();
    handle(m_ui->optBerkas, &QRadioButton::toggled, this, &frmLokasi::showKind);
    handle(m_ui->cmdPilih, &QPushButton::clicked, this, &frmLokasi::cmdPilih_Click);
    handle(m_ui->cmdUji, &QPushButton::clicked, this, &frmLokasi::cmdUji_Click);
    handle(m_ui->cmdSimpan, &QPushButton::clicked, this, &frmLokasi::cmdSimpan_Click);
    handle(m_ui->cmdBatal, &QPushButton::clicked, this, &QDialog::reject);
}

frmLokasi::~frmLokasi() = default;

void frmLokasi::showKind()
{
    const bool file = m_ui->optBerkas->isChecked();
    for (QWidget* w :
         {static_cast<QWidget*>(m_ui->txtBerkas), static_cast<QWidget*>(m_ui->cmdPilih)})
        w->setEnabled(file);
    for (QWidget* w :
         {m_ui->txtHost, m_ui->txtPort, m_ui->txtDatabase, m_ui->txtPengguna, m_ui->txtSandi})
        w->setEnabled(!file);
}

void frmLokasi::cmdPilih_Click()
{
    const QString file = askFileName({FileAction::Open, Title, m_ui->txtBerkas->text(),
                                      QStringLiteral("DataBase Kursan (*.mdb)"),
                                      QStringLiteral("mdb")},
                                     this);
    if (!file.isEmpty())
        m_ui->txtBerkas->setText(QDir::toNativeSeparators(file));
}

data::Location frmLokasi::chosen() const
{
    if (m_ui->optBerkas->isChecked()) {
        if (m_ui->txtBerkas->text().trimmed().isEmpty())
            throw data::Error(QStringLiteral("Isikan berkas DataBase."));
        return data::Location::file(m_ui->txtBerkas->text().trimmed());
    }
    data::Location at;
    at.kind = data::Location::Kind::Server;
    at.host = m_ui->txtHost->text().trimmed();
    at.database = m_ui->txtDatabase->text().trimmed();
    at.user = m_ui->txtPengguna->text().trimmed();
    const QString port = m_ui->txtPort->text().trimmed();
    bool number = true;
    at.port = port.isEmpty() ? 0 : port.toInt(&number);
    if (at.host.isEmpty() || at.database.isEmpty() || at.user.isEmpty())
        throw data::Error(QStringLiteral("Isikan server, database dan pengguna."));
    if (!number || at.port < 0 || at.port > 65535)
        throw data::Error(QStringLiteral("Port \"%1\" bukan nomor port.").arg(port));
    return at;
}

bool frmLokasi::tryOut(const data::Location& location)
{
    QString what;
    try {
        if (location.isServer())
            what = data::ServerEngine(location, m_ui->txtSandi->text()).test();
        else
            what = data::FileEngine(location.path).test();
    } catch (const data::Error& e) {
        msgBox(e.message(), Title, Icon::Critical, Buttons::Ok, this);
        return false;
    }
    msgBox(QStringLiteral("%1 dapat dipakai: %2.").arg(location.shown(), what), Title,
           Icon::Information, Buttons::Ok, this);
    return true;
}

void frmLokasi::cmdUji_Click() { tryOut(chosen()); }

void frmLokasi::cmdSimpan_Click()
{
    const data::Location location = chosen();
    if (!tryOut(location) &&
        msgBox(QStringLiteral("Tetap simpan lokasi ini?"), Title, Icon::Question, Buttons::YesNo,
               this, Answer::No) != Answer::Yes)
        return;
    data::Location::remember(location);
    m_saved = location;
    msgBox(QStringLiteral("Lokasi data disimpan: %1.\nBerlaku saat Kursan dimulai lagi.")
               .arg(location.shown()),
           Title, Icon::Information, Buttons::Ok, this);
    accept();
}
