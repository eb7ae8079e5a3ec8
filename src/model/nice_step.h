#pragma once

namespace kvx {

// Rounds a tick spacing to 1, 2, 5 or 10 times a power of ten: 0.13 gives
// 0.1, 0.26 gives 0.2, 4.1 gives 5, 7 gives 10. Zero and values that are not
// finite come back unchanged.
double niceStep(double v);

}  // namespace kvx
