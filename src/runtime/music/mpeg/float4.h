// Four floats handled as one: the same float arithmetic on each lane (SSE on
// x86-64; the compiler splits it into plain float operations where there is
// no SSE, as on i686), so results are those of four scalar computations.
#pragma once
#include <cstring>

namespace lizhi::mpeg {

using Float4 = float __attribute__((vector_size(16)));

// No function takes or returns a Float4 by value: without SSE (i686) that
// would be an ABI question (-Wpsabi); everything goes through memory instead.
inline void LoadFloat4(Float4& v, const float* p) { std::memcpy(&v, p, sizeof(v)); }
inline void StoreFloat4(float* p, const Float4& v) { std::memcpy(p, &v, sizeof(v)); }

}  // namespace lizhi::mpeg
