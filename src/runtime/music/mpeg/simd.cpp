#include "runtime/music/mpeg/simd.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

namespace lizhi::mpeg {

bool CpuHasSse2() {
#if defined(__x86_64__)
  return true;
#elif defined(__i386__)
  unsigned eax = 0;
  unsigned ebx = 0;
  unsigned ecx = 0;
  unsigned edx = 0;
  // __get_cpuid checks that cpuid exists and knows leaf 1; SSE2 is bit 26 of edx.
  if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) return false;
  return (edx & bit_SSE2) != 0;
#else
  return false;
#endif
}

}  // namespace lizhi::mpeg
