// The Q_tip unit's own properties: their defaults, the table that maps a
// property index to its stored field, and the stored property block.
//
// Block layout (little-endian 32-bit words and counted byte runs, in order):
//   version (1), 3 reserved, SpareColour, BackColourBegin, BackColourMiddle,
//   BackColourEnd, BackEffect, EffectGranularity, Direction, Transparency,
//   NoHideOnMove, TrackMouse, ResetDelayOnMove, keep-while-over-tip (the
//   inverse of HideOnTipHover), NoAutoHide, 3 reserved, TipIcons (n + bytes),
//   HtmlImages (n + bytes), geometry 0..8, InitialDelay, AutoHideDelay,
//   FadeInStep, FadeOutStep, BorderColour, BorderWidth, BorderHeight,
//   SoftShadow, ShadowDarkness, ShadowOffsetX, ShadowOffsetY, ShadowBlurX,
//   ShadowBlurY, StyleSheet (n + bytes).
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lizhi::tip {

// 0xFF000000 in a colour property stands for the system button-face colour.
constexpr uint32_t kButtonFaceColour = 0xFF000000;

// The two system colours the defaults are taken from.
struct TipSystemColours {
  uint32_t infoBackground = 0xE1FFFF;
  uint32_t infoText = 0;
};

struct TipProperties {
  int32_t version = 1;
  int32_t spareColour = 0;
  int32_t backBegin = 0;
  int32_t backMiddle = 0xC0C0FF;
  int32_t backEnd = 0xFFC0C0;
  int32_t backEffect = 0;
  int32_t granularity = 5;
  int32_t direction = 9;
  int32_t transparency = 10;
  int32_t noHideOnMove = 1;
  int32_t trackMouse = 0;
  int32_t resetDelayOnMove = 0;
  int32_t keepOverTip = 0;  // stored inverse of HideOnTipHover
  int32_t noAutoHide = 0;
  std::vector<uint8_t> tipIcons;
  std::vector<uint8_t> htmlImages;
  std::array<int32_t, 9> geometry{16, 16, 12, 12, 12, 16, 16, 0, 0};
  int32_t initialDelay = 600;
  int32_t autoHideDelay = 3000;
  int32_t fadeInStep = 0;
  int32_t fadeOutStep = 0;
  int32_t borderColour = 0;
  int32_t borderWidth = 1;
  int32_t borderHeight = 1;
  int32_t softShadow = 1;
  int32_t shadowDarkness = 60;
  int32_t shadowOffsetX = 5;
  int32_t shadowOffsetY = 3;
  int32_t shadowBlurX = 7;
  int32_t shadowBlurY = 7;
  std::string styleSheet;
};

// A fresh unit's properties; `styleSheet` is the rich text's default sheet.
TipProperties DefaultTipProperties(const TipSystemColours& colours, std::string styleSheet);

// No block gives `defaults`; a newer version or a block that ends early gives
// nothing, and nothing past `size` is read.
std::optional<TipProperties> LoadTipBlock(const uint8_t* data, size_t size, const TipProperties& defaults);
std::vector<uint8_t> SaveTipBlock(const TipProperties& properties);

// Property indexes with a meaning of their own.
enum TipPropertyIndex : int32_t {
  kPropSpareColour = 12,
  kPropBackBegin = 13,
  kPropBackMiddle = 14,
  kPropBackEnd = 15,
  kPropBackEffect = 16,
  kPropGranularity = 17,
  kPropDirection = 18,
  kPropTransparency = 19,
  kPropTipIcons = 22,
  kPropHtmlImages = 23,
  kPropStyleSheet = 26,
  kPropNoHideOnMove = 42,
  kPropTrackMouse = 43,
  kPropResetDelayOnMove = 44,
  kPropHideOnTipHover = 45,
  kPropNoAutoHide = 46,
  kPropGeometryFirst = 50,
  kPropGeometryLast = 58,
  kPropInitialDelay = 60,
  kPropAutoHideDelay = 61,
  kPropFadeInStep = 62,
  kPropFadeOutStep = 63,
  kPropBorderColour = 66,
  kPropBorderWidth = 67,
  kPropBorderHeight = 68,
  kPropSoftShadow = 70,
  kPropShadowDarkness = 71,
  kPropShadowOffsetX = 72,
  kPropShadowOffsetY = 73,
  kPropShadowBlurX = 74,
  kPropShadowBlurY = 75,
};

enum class TipValueKind { kNone, kNumber, kLogical, kText, kBytes };

// How the property at `index` is typed; kNone for the indexes without
// behaviour (group headers, design-time editors, reserved slots).
TipValueKind KindOfTipProperty(int32_t index);

// Writes a number or logical property. False when the index is not one, or the
// value is refused (Transparency and ShadowDarkness outside 0..100 keep the
// previous value).
bool WriteTipNumber(TipProperties& p, int32_t index, int32_t value);
std::optional<int32_t> ReadTipNumber(const TipProperties& p, int32_t index);

}  // namespace lizhi::tip

namespace lizhi::tip {
// Image strip bytes: more than 8 bytes beginning with "MITL"; the image list
// in the common controls' stream format starts at byte 8.
bool IsImageStrip(const std::vector<uint8_t>& bytes);
constexpr size_t kImageStripHeader = 8;
}  // namespace lizhi::tip
