#include "units/tip/tip_properties.h"

#include "runtime/base/byte_stream.h"

namespace lizhi::tip {

namespace {

enum class Rule { kPlain, kLogical, kInverseLogical, kPercent };

struct NumberRow {
  int32_t index;
  int32_t TipProperties::*field;
  Rule rule;
  TipValueKind kind;
};

constexpr TipValueKind kNum = TipValueKind::kNumber;
constexpr TipValueKind kLog = TipValueKind::kLogical;

constexpr NumberRow kNumberRows[] = {
    {kPropSpareColour, &TipProperties::spareColour, Rule::kPlain, kNum},
    {kPropBackBegin, &TipProperties::backBegin, Rule::kPlain, kNum},
    {kPropBackMiddle, &TipProperties::backMiddle, Rule::kPlain, kNum},
    {kPropBackEnd, &TipProperties::backEnd, Rule::kPlain, kNum},
    {kPropBackEffect, &TipProperties::backEffect, Rule::kPlain, kNum},
    {kPropGranularity, &TipProperties::granularity, Rule::kPlain, kNum},
    {kPropDirection, &TipProperties::direction, Rule::kPlain, kNum},
    {kPropTransparency, &TipProperties::transparency, Rule::kPercent, kNum},
    {kPropNoHideOnMove, &TipProperties::noHideOnMove, Rule::kLogical, kLog},
    {kPropTrackMouse, &TipProperties::trackMouse, Rule::kLogical, kLog},
    {kPropResetDelayOnMove, &TipProperties::resetDelayOnMove, Rule::kLogical, kLog},
    {kPropHideOnTipHover, &TipProperties::keepOverTip, Rule::kInverseLogical, kLog},
    {kPropNoAutoHide, &TipProperties::noAutoHide, Rule::kLogical, kLog},
    {kPropInitialDelay, &TipProperties::initialDelay, Rule::kPlain, kNum},
    {kPropAutoHideDelay, &TipProperties::autoHideDelay, Rule::kPlain, kNum},
    {kPropFadeInStep, &TipProperties::fadeInStep, Rule::kPlain, kNum},
    {kPropFadeOutStep, &TipProperties::fadeOutStep, Rule::kPlain, kNum},
    {kPropBorderColour, &TipProperties::borderColour, Rule::kPlain, kNum},
    {kPropBorderWidth, &TipProperties::borderWidth, Rule::kPlain, kNum},
    {kPropBorderHeight, &TipProperties::borderHeight, Rule::kPlain, kNum},
    {kPropSoftShadow, &TipProperties::softShadow, Rule::kLogical, kLog},
    {kPropShadowDarkness, &TipProperties::shadowDarkness, Rule::kPercent, kNum},
    {kPropShadowOffsetX, &TipProperties::shadowOffsetX, Rule::kPlain, kNum},
    {kPropShadowOffsetY, &TipProperties::shadowOffsetY, Rule::kPlain, kNum},
    {kPropShadowBlurX, &TipProperties::shadowBlurX, Rule::kPlain, kNum},
    {kPropShadowBlurY, &TipProperties::shadowBlurY, Rule::kPlain, kNum},
};

const NumberRow* FindRow(int32_t index) {
  for (const NumberRow& row : kNumberRows) {
    if (row.index == index) return &row;
  }
  return nullptr;
}

bool IsGeometry(int32_t index) { return index >= kPropGeometryFirst && index <= kPropGeometryLast; }

// A signed count followed by that many bytes; a count of 0 or less has none.
std::vector<uint8_t> ReadCounted(rt::ByteReader& in) {
  int32_t length = in.I32();
  std::vector<uint8_t> bytes;
  if (in.ok() && length > 0) in.Bytes(static_cast<size_t>(length), bytes);
  return bytes;
}

void WriteCounted(rt::ByteWriter& out, const void* data, size_t size) {
  out.I32(static_cast<int32_t>(size));
  if (size > 0) out.Bytes(data, size);
}

// The 32-bit fields of the block between the version and the first strip,
// and between the strips and the style sheet, in block order; null marks a
// reserved word.
constexpr int32_t TipProperties::*kHeadFields[] = {
    nullptr,
    nullptr,
    nullptr,
    &TipProperties::spareColour,
    &TipProperties::backBegin,
    &TipProperties::backMiddle,
    &TipProperties::backEnd,
    &TipProperties::backEffect,
    &TipProperties::granularity,
    &TipProperties::direction,
    &TipProperties::transparency,
    &TipProperties::noHideOnMove,
    &TipProperties::trackMouse,
    &TipProperties::resetDelayOnMove,
    &TipProperties::keepOverTip,
    &TipProperties::noAutoHide,
    nullptr,
    nullptr,
    nullptr,
};
constexpr int32_t TipProperties::*kTailFields[] = {
    &TipProperties::initialDelay,  &TipProperties::autoHideDelay, &TipProperties::fadeInStep,
    &TipProperties::fadeOutStep,   &TipProperties::borderColour,  &TipProperties::borderWidth,
    &TipProperties::borderHeight,  &TipProperties::softShadow,    &TipProperties::shadowDarkness,
    &TipProperties::shadowOffsetX, &TipProperties::shadowOffsetY, &TipProperties::shadowBlurX,
    &TipProperties::shadowBlurY,
};

}  // namespace

TipProperties DefaultTipProperties(const TipSystemColours& colours, std::string styleSheet) {
  TipProperties p;
  p.spareColour = static_cast<int32_t>(colours.infoBackground);
  p.backBegin = static_cast<int32_t>(colours.infoBackground);
  p.borderColour = static_cast<int32_t>(colours.infoText);
  p.styleSheet = std::move(styleSheet);
  return p;
}

std::optional<TipProperties> LoadTipBlock(const uint8_t* data, size_t size, const TipProperties& defaults) {
  TipProperties p = defaults;
  if (!data || size == 0) return p;
  rt::ByteReader in(data, size);
  p.version = in.I32();
  if (!in.ok() || p.version > 1) return std::nullopt;
  for (auto field : kHeadFields) {
    int32_t value = in.I32();
    if (field) p.*field = value;
  }
  p.tipIcons = ReadCounted(in);
  p.htmlImages = ReadCounted(in);
  for (int32_t& g : p.geometry) g = in.I32();
  for (auto field : kTailFields) p.*field = in.I32();
  std::vector<uint8_t> sheet = ReadCounted(in);
  if (!in.ok()) return std::nullopt;
  // The sheet is text: it ends at its first zero byte, if it has one.
  p.styleSheet.assign(sheet.begin(), sheet.end());
  p.styleSheet = p.styleSheet.c_str();
  return p;
}

std::vector<uint8_t> SaveTipBlock(const TipProperties& p) {
  rt::ByteWriter out;
  out.I32(1);
  for (auto field : kHeadFields) out.I32(field ? p.*field : 0);
  WriteCounted(out, p.tipIcons.data(), p.tipIcons.size());
  WriteCounted(out, p.htmlImages.data(), p.htmlImages.size());
  for (int32_t g : p.geometry) out.I32(g);
  for (auto field : kTailFields) out.I32(p.*field);
  WriteCounted(out, p.styleSheet.data(), p.styleSheet.size());
  return out.Take();
}

TipValueKind KindOfTipProperty(int32_t index) {
  if (const NumberRow* row = FindRow(index)) return row->kind;
  if (IsGeometry(index)) return TipValueKind::kNumber;
  if (index == kPropTipIcons || index == kPropHtmlImages) return TipValueKind::kBytes;
  if (index == kPropStyleSheet) return TipValueKind::kText;
  return TipValueKind::kNone;
}

bool WriteTipNumber(TipProperties& p, int32_t index, int32_t value) {
  if (IsGeometry(index)) {
    p.geometry[static_cast<size_t>(index - kPropGeometryFirst)] = value;
    return true;
  }
  const NumberRow* row = FindRow(index);
  if (!row) return false;
  switch (row->rule) {
    case Rule::kPlain:
      p.*row->field = value;
      return true;
    case Rule::kLogical:
      p.*row->field = value != 0 ? 1 : 0;
      return true;
    case Rule::kInverseLogical:
      p.*row->field = value != 0 ? 0 : 1;
      return true;
    case Rule::kPercent:
      if (value < 0 || value > 100) return false;
      p.*row->field = value;
      return true;
  }
  return false;
}

std::optional<int32_t> ReadTipNumber(const TipProperties& p, int32_t index) {
  if (IsGeometry(index)) return p.geometry[static_cast<size_t>(index - kPropGeometryFirst)];
  const NumberRow* row = FindRow(index);
  if (!row) return std::nullopt;
  if (row->rule == Rule::kInverseLogical) return p.*row->field != 0 ? 0 : 1;
  return p.*row->field;
}

}  // namespace lizhi::tip

namespace lizhi::tip {
bool IsImageStrip(const std::vector<uint8_t>& bytes) {
  return bytes.size() > kImageStripHeader && bytes[0] == 'M' && bytes[1] == 'I' && bytes[2] == 'T' && bytes[3] == 'L';
}
}  // namespace lizhi::tip
