// Four floats handled as one: the same float arithmetic on each lane (SSE on
// x86-64; the compiler splits it into plain float operations where there is
// no SSE, as on i686), so results are those of four scalar computations.
#pragma once
#include <cstring>

namespace lizhi::mpeg {

using Float4 = float __attribute__((vector_size(16)));

inline Float4 LoadFloat4(const float* p) {
  Float4 v;
  std::memcpy(&v, p, sizeof(v));
  return v;
}

inline void StoreFloat4(float* p, Float4 v) { std::memcpy(p, &v, sizeof(v)); }

inline Float4 Broadcast(float x) { return Float4{x, x, x, x}; }

}  // namespace lizhi::mpeg
