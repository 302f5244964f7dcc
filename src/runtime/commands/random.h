// The runtime's random numbers: one process-wide generator with the C
// library's range 0..32767, the same sequence in every build.
#pragma once
#include <cstdint>

namespace lizhi::rt {

void SeedRandom(uint32_t seed);
// Seeds from a tick count plus a process-wide counter, so that two seedings in
// the same millisecond still differ.
void SeedRandomFromTicks(uint32_t tickCount);
// The next number, 0..32767.
int32_t NextRandom();
// A number between the two bounds (order does not matter; negative bounds count
// as 0). Results never exceed the smaller bound + 32767.
int32_t RandomNumber(int32_t minimum = 0, int32_t maximum = 2147483647);

}  // namespace lizhi::rt
