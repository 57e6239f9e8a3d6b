#pragma once

#include "analysis/RandomColumnList.h"

namespace velmorix {

// The default chaos filters as the random list window applies them (F7).
ChaosRule randomListChaosRule();

} // namespace velmorix
