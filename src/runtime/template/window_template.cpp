#include "runtime/template/window_template.h"

#include "runtime/base/byte_stream.h"
#include "runtime/base/unit_type_ids.h"

namespace lizhi::rt {

namespace {

constexpr size_t kReservedHead = 16;
constexpr size_t kMenuRuntimeSlots = 16;
constexpr size_t kUnitRuntimeSlots = 8;
constexpr size_t kUnitTrailingSlots = 20;

std::vector<uint8_t> EncodeUnit(const UnitRecord& unit) {
  ByteWriter w;
  w.U32(unit.type);
  w.U32(unit.parent);
  w.Zeros(kReservedHead);
  w.Text(unit.name);
  w.Text(unit.remark);
  if (unit.isMenuItem()) {
    w.I32(unit.menu.shortcut);
    w.I32(unit.menu.level);
    w.U32(unit.menu.flags);
    w.Text(unit.menu.caption);
    w.I32(unit.menu.handler);
    w.Zeros(kMenuRuntimeSlots);
    return w.Take();
  }
  const UnitBody& b = unit.body;
  w.U32(0);  // live window object, filled at run time
  w.I32(b.left);
  w.I32(b.top);
  w.I32(b.width);
  w.I32(b.height);
  w.Zeros(kUnitRuntimeSlots);
  w.U32(static_cast<uint32_t>(b.unitList.size()));
  for (int32_t id : b.unitList) w.I32(id);
  w.LengthPrefixed(b.cursor);
  w.Text(b.tag);
  w.U32(0);
  w.U32(b.stateFlags);
  w.U32(0);
  w.U32(static_cast<uint32_t>(b.events.size()));
  for (const EventBinding& e : b.events) {
    w.I32(e.eventIndex);
    w.I32(e.handler);
  }
  w.Zeros(kUnitTrailingSlots);
  w.Bytes(b.ownBlock.data(), b.ownBlock.size());
  return w.Take();
}

bool DecodeUnit(const uint8_t* data, size_t size, uint32_t unitId, UnitRecord& unit) {
  ByteReader r(data, size);
  unit.unitId = unitId;
  unit.type = r.U32();
  unit.parent = r.U32();
  r.Skip(kReservedHead);
  unit.name = r.Text();
  unit.remark = r.Text();
  if (!r.ok()) return false;
  if (unit.isMenuItem()) {
    unit.menu.shortcut = r.I32();
    unit.menu.level = r.I32();
    unit.menu.flags = r.U32();
    unit.menu.caption = r.Text();
    unit.menu.handler = r.I32();
    r.Skip(kMenuRuntimeSlots);
    return r.ok() && unit.menu.level >= 0;
  }
  UnitBody& b = unit.body;
  r.U32();
  b.left = r.I32();
  b.top = r.I32();
  b.width = r.I32();
  b.height = r.I32();
  r.Skip(kUnitRuntimeSlots);
  uint32_t listCount = r.U32();
  if (!r.ok() || listCount > r.remaining() / 4) return false;
  for (uint32_t i = 0; i < listCount; ++i) b.unitList.push_back(r.I32());
  b.cursor = r.LengthPrefixed();
  b.tag = r.Text();
  r.U32();
  b.stateFlags = r.U32();
  r.U32();
  uint32_t eventCount = r.U32();
  if (!r.ok() || eventCount > r.remaining() / 8) return false;
  for (uint32_t i = 0; i < eventCount; ++i) {
    EventBinding e;
    e.eventIndex = r.I32();
    e.handler = r.I32();
    b.events.push_back(e);
  }
  r.Skip(kUnitTrailingSlots);
  if (!r.ok()) return false;
  b.ownBlock.assign(data + r.position(), data + size);
  return true;
}

void EncodeWindow(const WindowRecord& window, ByteWriter& w) {
  w.I32(window.headA);
  w.I32(window.headB);
  w.U32(static_cast<uint32_t>(window.text1.size()));
  w.Bytes(window.text1.data(), window.text1.size());
  w.U32(static_cast<uint32_t>(window.text2.size()));
  w.Bytes(window.text2.data(), window.text2.size());

  std::vector<std::vector<uint8_t>> records;
  for (const UnitRecord& unit : window.units) records.push_back(EncodeUnit(unit));
  const size_t n = window.units.size();
  w.U32(static_cast<uint32_t>(n));
  size_t sizeAt = w.size();
  w.U32(0);
  for (const UnitRecord& unit : window.units) w.U32(unit.unitId);
  uint32_t offset = 0;
  for (const auto& rec : records) {
    w.U32(offset);
    offset += static_cast<uint32_t>(4 + rec.size());
  }
  for (const auto& rec : records) w.LengthPrefixed(rec);
  w.PatchU32(sizeAt, static_cast<uint32_t>(w.size() - sizeAt - 4));
}

bool DecodeWindow(ByteReader& r, const uint8_t* base, WindowRecord& window) {
  window.headA = r.I32();
  window.headB = r.I32();
  std::vector<uint8_t> text = r.LengthPrefixed();
  window.text1.assign(text.begin(), text.end());
  text = r.LengthPrefixed();
  window.text2.assign(text.begin(), text.end());
  uint32_t count = r.U32();
  uint32_t tableSize = r.U32();
  if (!r.ok() || tableSize > r.remaining() || count == 0 || count > tableSize / 8) return false;

  const uint8_t* table = base + r.position();
  ByteReader t(table, tableSize);
  std::vector<uint32_t> ids(count), offsets(count);
  for (auto& id : ids) id = t.U32();
  for (auto& off : offsets) off = t.U32();
  if (!t.ok()) return false;
  const uint8_t* records = table + t.position();
  const size_t recordsSize = t.remaining();

  window.units.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    if (offsets[i] > recordsSize || recordsSize - offsets[i] < 4) return false;
    ByteReader rec(records + offsets[i], recordsSize - offsets[i]);
    uint32_t length = rec.U32();
    if (length > rec.remaining()) return false;
    if (!DecodeUnit(records + offsets[i] + 4, length, ids[i], window.units[i])) return false;
  }
  return r.Skip(tableSize);
}

}  // namespace

bool UnitRecord::isMenuItem() const { return type == kUnitTypeMenu; }

int32_t UnitRecord::HandlerFor(int32_t eventIndex) const {
  if (isMenuItem()) return menu.handler;
  for (const EventBinding& e : body.events) {
    if (e.eventIndex == eventIndex) return e.handler;
  }
  return kNoHandler;
}

const UnitRecord* WindowRecord::FindUnit(uint32_t unitId) const {
  for (const UnitRecord& unit : units) {
    if (unit.unitId == unitId) return &unit;
  }
  return nullptr;
}

int WindowRecord::MenuPosition(uint32_t unitId) const {
  int n = 0;
  for (const UnitRecord& unit : units) {
    if (!unit.isMenuItem()) continue;
    if (unit.unitId == unitId) return n;
    ++n;
  }
  return -1;
}

const UnitRecord* WindowRecord::MenuRecord(size_t n) const {
  for (const UnitRecord& unit : units) {
    if (!unit.isMenuItem()) continue;
    if (n-- == 0) return &unit;
  }
  return nullptr;
}

UnitRecord* WindowRecord::MutableMenuRecord(size_t n) {
  return const_cast<UnitRecord*>(static_cast<const WindowRecord*>(this)->MenuRecord(n));
}

size_t WindowRecord::MenuRecordCount() const {
  size_t n = 0;
  for (const UnitRecord& unit : units) n += unit.isMenuItem() ? 1 : 0;
  return n;
}

const WindowRecord* WindowTemplate::FindWindow(uint32_t windowId) const {
  for (const WindowRecord& w : windows) {
    if (w.windowId == windowId) return &w;
  }
  return nullptr;
}

std::vector<uint8_t> EncodeTemplate(const WindowTemplate& tmpl) {
  ByteWriter w;
  w.U32(static_cast<uint32_t>(tmpl.windows.size() * 8));
  for (const WindowRecord& window : tmpl.windows) {
    w.U32(window.windowId);
    w.U32(0);  // slot for the loaded window
  }
  for (const WindowRecord& window : tmpl.windows) EncodeWindow(window, w);
  return w.Take();
}

std::optional<WindowTemplate> DecodeTemplate(const uint8_t* bytes, size_t size) {
  ByteReader r(bytes, size);
  uint32_t tableLength = r.U32();
  if (!r.ok() || tableLength == 0 || tableLength % 8 != 0 || tableLength > r.remaining()) return std::nullopt;
  WindowTemplate tmpl;
  tmpl.windows.resize(tableLength / 8);
  for (WindowRecord& window : tmpl.windows) {
    window.windowId = r.U32();
    r.U32();
  }
  for (WindowRecord& window : tmpl.windows) {
    if (!DecodeWindow(r, bytes, window)) return std::nullopt;
  }
  if (!r.ok()) return std::nullopt;
  return tmpl;
}

}  // namespace lizhi::rt
