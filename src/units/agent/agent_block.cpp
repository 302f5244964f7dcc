#include "units/agent/agent_block.h"

#include "runtime/base/byte_stream.h"

namespace lizhi::agent {

namespace {

constexpr int32_t AgentPropertyBlock::*kFields[] = {
    &AgentPropertyBlock::version,         &AgentPropertyBlock::top,    &AgentPropertyBlock::left,
    &AgentPropertyBlock::width,           &AgentPropertyBlock::height, &AgentPropertyBlock::soundEffectsOn,
    &AgentPropertyBlock::autoPopupMenuOn,
};

}  // namespace

std::optional<AgentPropertyBlock> LoadAgentBlock(const uint8_t* data, size_t size) {
  AgentPropertyBlock block;
  if (!data || size == 0) return block;
  rt::ByteReader in(data, size);
  for (auto field : kFields) block.*field = in.I32();
  if (!in.ok() || block.version < 0 || block.version > 1) return std::nullopt;
  return block;
}

std::vector<uint8_t> SaveAgentBlock(const AgentPropertyBlock& block) {
  rt::ByteWriter out;
  for (auto field : kFields) out.I32(block.*field);
  return out.Take();
}

int32_t* BlockField(AgentPropertyBlock& block, int32_t index) {
  switch (index) {
    case kCharacterTop:
      return &block.top;
    case kCharacterLeft:
      return &block.left;
    case kCharacterWidth:
      return &block.width;
    case kCharacterHeight:
      return &block.height;
    case kSoundEffectsOff:
      return &block.soundEffectsOn;
    case kAutoPopupMenuOff:
      return &block.autoPopupMenuOn;
    default:
      return nullptr;
  }
}

bool IsInvertedProperty(int32_t index) { return index == kSoundEffectsOff || index == kAutoPopupMenuOff; }

}  // namespace lizhi::agent
