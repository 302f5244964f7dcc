#include "runtime/music/mpeg/layer12_tables.h"

namespace lizhi::mpeg {
namespace {

constexpr std::array<float, 64> MakeScaleFactors() {
  // 2^(-1/3) and 2^(-2/3).
  constexpr double kThird[3] = {1.0, 0.79370052598409973738, 0.62996052494743658238};
  std::array<float, 64> t{};
  for (int i = 0; i < 64; ++i) {
    double v = 2.0 * kThird[i % 3];
    for (int k = 0; k < i / 3; ++k) v *= 0.5;
    t[i] = static_cast<float>(v);
  }
  return t;
}

// Class lists (quantisation class for allocation values 1, 2, ...).
constexpr uint8_t kLowBands[] = {0, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};     // B.2a/b sb 0-2
constexpr uint8_t kMiddleBands[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16};    // B.2a/b sb 3-10
constexpr uint8_t kUpperBands[] = {0, 1, 2, 3, 4, 5, 16};                                 // B.2a/b sb 11-22
constexpr uint8_t kTopBands[] = {0, 1, 16};                                               // B.2a/b sb 23-
constexpr uint8_t kLowRateBands[] = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};  // B.2c/d; 3 bits: first 7
constexpr uint8_t kLsfLowBands[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};    // MPEG-2 sb 0-3

}  // namespace

constinit const std::array<float, 64> kLayer12ScaleFactors = MakeScaleFactors();

const QuantClass kQuantClasses[17] = {
    {3, 1, 5},     {5, 1, 7},     {7, 0, 3},      {9, 1, 10},     {15, 0, 4},     {31, 0, 5},
    {63, 0, 6},    {127, 0, 7},   {255, 0, 8},    {511, 0, 9},    {1023, 0, 10},  {2047, 0, 11},
    {4095, 0, 12}, {8191, 0, 13}, {16383, 0, 14}, {32767, 0, 15}, {65535, 0, 16},
};

const AllocationTable kAllocationTables[5] = {
    {27, 4, {{3, 4, kLowBands}, {8, 4, kMiddleBands}, {12, 3, kUpperBands}, {4, 2, kTopBands}}},
    {30, 4, {{3, 4, kLowBands}, {8, 4, kMiddleBands}, {12, 3, kUpperBands}, {7, 2, kTopBands}}},
    {8, 2, {{2, 4, kLowRateBands}, {6, 3, kLowRateBands}, {0, 0, nullptr}, {0, 0, nullptr}}},
    {12, 2, {{2, 4, kLowRateBands}, {10, 3, kLowRateBands}, {0, 0, nullptr}, {0, 0, nullptr}}},
    {30, 3, {{4, 4, kLsfLowBands}, {7, 3, kLowRateBands}, {19, 2, kLowRateBands}, {0, 0, nullptr}}},
};

}  // namespace lizhi::mpeg
