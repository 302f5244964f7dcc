// Layer III alias reduction (ISO/IEC 11172-3 2.4.3.4.10): eight butterflies
// across each boundary between neighbouring subbands of long blocks.
#pragma once

namespace lizhi::mpeg {

// Applies the butterflies at the subband boundaries 1..boundaries (at most 31)
// of xr[].
void ReduceAliases(float xr[576], int boundaries);

}  // namespace lizhi::mpeg
