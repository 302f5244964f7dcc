// The font request PaintText builds, field by field as the platform's LOGFONTA
// takes it, kept apart from the platform so the defaults can be checked.
#pragma once
#include <cstdint>

#include "presenters/painter.h"

namespace lizhi::presenters {

constexpr uint8_t kCharsetGb2312 = 134;
constexpr int32_t kHeavyWeight = 900;
constexpr int kFaceNameSize = 32;  // with its terminator

struct FontRequest {
  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 0;  // 0: the platform's default weight
  uint8_t italic = 0;
  uint8_t underline = 0;
  uint8_t strikeOut = 0;
  uint8_t charSet = kCharsetGb2312;
  uint8_t outPrecision = 0;
  uint8_t clipPrecision = 0;
  uint8_t quality = 0;
  uint8_t pitchAndFamily = 0;
  char faceName[kFaceNameSize] = {};
};

FontRequest MakeFontRequest(const PaintTextArgs& args);

}  // namespace lizhi::presenters
