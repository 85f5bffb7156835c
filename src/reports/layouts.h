#pragma once

#include "reports/engine/layout.h"

// One function per report builds its layout; registry.cpp lists them by report name.
namespace reports::layouts {

Layout drKursan();
Layout drUnit();

} // namespace reports::layouts
