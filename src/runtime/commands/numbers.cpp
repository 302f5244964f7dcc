#include "runtime/commands/numbers.h"

#include <cmath>

#include "runtime/base/fatal.h"
#include "runtime/commands/command_texts.h"

namespace lizhi::rt {

double IntDivideStep(double x, double y) {
  if (y == 0) FatalRuntimeError(text::kDivideByZero);
  return std::trunc(x / y);
}

double RemainderStep(double x, double y) {
  if (y == 0) FatalRuntimeError(text::kRemainderByZero);
  return std::fmod(x, y);
}

double RoundNumber(double x, int32_t places) {
  if (x == 0 || !std::isfinite(x)) return x;
  // Beyond these scales a double has no digit left to round.
  if (places > 308) return x;
  if (places < -308) return 0;
  double magnitude = std::fabs(x);
  double scale = std::pow(10.0, places > 0 ? places : -places);
  double scaled = places > 0 ? magnitude * scale : places < 0 ? magnitude / scale : magnitude;
  constexpr double kExact = 9007199254740992.0;  // 2^53: no fractional part left
  if (!std::isfinite(scaled) || scaled >= kExact) return x;
  scaled += 1e-12;  // lets 2.675-style values that sit just below .5 round up
  double whole = std::floor(scaled);
  if (scaled - whole >= 0.5) whole += 1;
  double rounded = places > 0 ? whole / scale : places < 0 ? whole * scale : whole;
  return x < 0 ? -rounded : rounded;
}

int32_t ShiftLeft(int32_t value, int32_t n) { return static_cast<int32_t>(static_cast<uint32_t>(value) << (n & 31)); }

int32_t ShiftRight(int32_t value, int32_t n) { return value >> (n & 31); }

int32_t RgbColor(int32_t red, int32_t green, int32_t blue) {
  uint32_t r = static_cast<uint32_t>(red), g = static_cast<uint32_t>(green), b = static_cast<uint32_t>(blue);
  return static_cast<int32_t>(((b << 8) | (g & 0xFF)) << 8 | r);
}

}  // namespace lizhi::rt
