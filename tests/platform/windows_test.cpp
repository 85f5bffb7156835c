#include "platform/windows.h"

#include <QCoreApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

class Probe : public platform::Form {
    Q_OBJECT
public:
    explicit Probe(QWidget* owner = nullptr) : Form(owner) { resize(400, 100); }
};

TEST(Windows, OneInstancePerFormAndLabelsNeverClipped)
{
    Probe* first = platform::window<Probe>();
    EXPECT_EQ(platform::window<Probe>(), first);
    auto* left = new QLabel("No Surat Permohonan yang panjang", first);
    left->setGeometry(10, 10, 40, 20);
    auto* centred = new QLabel("Judul di tengah jendela", first);
    centred->setAlignment(Qt::AlignCenter);
    centred->setGeometry(80, 40, 40, 20);
    first->show();
    EXPECT_GE(left->width(), left->sizeHint().width());
    EXPECT_EQ(left->x(), 10);
    EXPECT_GE(centred->width(), centred->sizeHint().width());
    EXPECT_NEAR(centred->geometry().center().x(), 100, 2);

    first->unload();
    EXPECT_EQ(platform::loaded<Probe>(), nullptr); // gone at once; the next touch loads afresh
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

#include "windows_test.moc"
