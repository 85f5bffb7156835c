#pragma once

#include "reports/engine/layout.h"

#include <QStringList>

namespace reports {

// Every report the program knows, in menu order.
QStringList reportNames();

// The layout of a named report, built once and kept; nullptr for an unknown name.
const Layout* findLayout(const QString& name);

} // namespace reports
