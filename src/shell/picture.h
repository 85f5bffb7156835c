#pragma once

#include <QPixmap>

namespace shell {

// Our own picture for the windows' picture boxes: a quiet blue gradient.
QPixmap picture(int width, int height);

} // namespace shell
