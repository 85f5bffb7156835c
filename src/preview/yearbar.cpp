#include "preview/yearbar.h"

#include "data/clock.h"
#include "ui_yearbar.h"

#include <QSignalBlocker>

namespace reports {

YearBar::YearBar(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::YearBar>())
{
    m_ui->setupUi(this);
    setYear(data::today().year());
    connect(m_ui->txtTahun, &QSpinBox::valueChanged, this, &YearBar::chosen);
}

YearBar::~YearBar() = default;

int YearBar::year() const { return m_ui->txtTahun->value(); }

void YearBar::setYear(int year)
{
    m_shown = year;
    const QSignalBlocker quiet(m_ui->txtTahun);
    m_ui->txtTahun->setValue(year);
}

} // namespace reports
