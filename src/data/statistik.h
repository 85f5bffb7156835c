#pragma once

#include "rules/statistik.h"

namespace data {

// The statistics of a year: the granted placements starting in it and the letters numbered in
// it, read afresh on a read-only connection of its own. Throws data::Error.
statistik::Year readStatistik(int year);

} // namespace data
