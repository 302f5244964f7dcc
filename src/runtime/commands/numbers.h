// Arithmetic and bit commands on plain numbers.
#pragma once
#include <cstdint>

namespace lizhi::rt {

// One step of IntDivide / Remainder; a divisor of 0 is fatal.
double IntDivideStep(double x, double y);
double RemainderStep(double x, double y);
// Rounds half away from zero to `places` decimals (negative: tens, hundreds...).
double RoundNumber(double x, int32_t places);
int32_t ShiftLeft(int32_t value, int32_t n);
int32_t ShiftRight(int32_t value, int32_t n);  // arithmetic: the sign is copied
// A Windows colour 0x00BBGGRR from components 0..255.
int32_t RgbColor(int32_t red, int32_t green, int32_t blue);

}  // namespace lizhi::rt
