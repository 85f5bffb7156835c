#include "shell/picture.h"

#include <QLinearGradient>
#include <QPainter>

namespace shell {

QPixmap picture(int width, int height)
{
    QPixmap pm(width, height);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    g.setColorAt(1, QColor(0xbd, 0xd7, 0xee));
    p.fillRect(pm.rect(), g);
    return pm;
}

} // namespace shell
