// Compile-time maths for building the decoder's constant tables (C++20 has no
// constexpr <cmath>). Double precision throughout; the tables keep floats.
#pragma once

namespace lizhi::mpeg::cmath {

inline constexpr double kPi = 3.14159265358979323846264338327950288;

// Newton's iterations from a power of two above the root decrease steadily
// until they reach it; they stop at the first step that does not go down.
constexpr double Sqrt(double x) {
  if (x <= 0) return 0;
  double r = 1;
  while (r * r < x) r *= 2;
  for (int i = 0; i < 100; ++i) {
    const double next = 0.5 * (r + x / r);
    if (next >= r) break;
    r = next;
  }
  return r;
}

constexpr double Cbrt(double x) {
  if (x == 0) return 0;
  if (x < 0) return -Cbrt(-x);
  double r = 1;
  while (r * r * r < x) r *= 2;
  for (int i = 0; i < 100; ++i) {
    const double next = (2 * r + x / (r * r)) / 3;
    if (next >= r) break;
    r = next;
  }
  return r;
}

// sin(x) by its Taylor series after reducing x to [-pi, pi].
constexpr double Sin(double x) {
  const double twoPi = 2 * kPi;
  while (x > kPi) x -= twoPi;
  while (x < -kPi) x += twoPi;
  double term = x;
  double sum = x;
  for (int n = 1; n < 40; ++n) {
    term *= -x * x / ((2 * n) * (2 * n + 1));
    sum += term;
  }
  return sum;
}

constexpr double Cos(double x) { return Sin(x + kPi / 2); }

// 2^(n / 4) for integer n.
constexpr double Pow2Quarter(int n) {
  constexpr double kQuarter[4] = {1.0, 1.18920711500272106672, 1.41421356237309504880, 1.68179283050742908606};
  int whole = n >= 0 ? n / 4 : -((-n + 3) / 4);
  double r = kQuarter[n - whole * 4];
  for (; whole > 0; --whole) r *= 2;
  for (; whole < 0; ++whole) r *= 0.5;
  return r;
}

}  // namespace lizhi::mpeg::cmath
