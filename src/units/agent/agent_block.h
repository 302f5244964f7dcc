// The agent unit's stored data and the small rules of its calls that need no
// server: the property block, the load key, the 16-bit move coordinates and
// which own property maps to which part of the block.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lizhi::agent {

struct AgentPropertyBlock {
  int32_t version = 1;
  int32_t top = 0;
  int32_t left = 0;
  int32_t width = 0;  // 0 or less keeps the character's own size
  int32_t height = 0;
  int32_t soundEffectsOn = 1;
  int32_t autoPopupMenuOn = 1;
};

constexpr size_t kAgentBlockSize = 7 * 4;

// The block as stored; an empty block gives the defaults. A version other than
// 0 or 1, or a block cut short, is refused.
std::optional<AgentPropertyBlock> LoadAgentBlock(const uint8_t* data, size_t size);
std::vector<uint8_t> SaveAgentBlock(const AgentPropertyBlock& block);

// The unit's own properties, by full index.
enum AgentProperty : int32_t {
  kCharacterTop = 8,
  kCharacterLeft = 9,
  kCharacterWidth = 10,
  kCharacterHeight = 11,
  kSoundEffectsOff = 12,
  kCharacterVisible = 13,
  kAutoPopupMenuOff = 14,
  kSpeechEngineId = 15,
  kRecognitionEngineId = 16,
};

// The block field an integer or logical property stands for (logical ones
// hold the inverse of the property), or null for the others.
int32_t* BlockField(AgentPropertyBlock& block, int32_t index);
bool IsInvertedProperty(int32_t index);

// Events of the unit, by index.
enum AgentEvent : int32_t {
  kEventClick = 0,
  kEventRequestStart = 1,
  kEventRequestComplete = 2,
  kEventCommand = 3,
  kEventDragStart = 4,
  kEventDragComplete = 5,
  kEventDblClick = 6,
};

// A path of fewer than 8 bytes loads the server's default character: the
// load key is then empty.
constexpr bool PathIsLoadKey(std::string_view path) { return path.size() >= 8; }

// Move coordinates cross as 16-bit numbers: the low 16 bits, sign and all.
constexpr int16_t CutTo16(int32_t v) { return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(v))); }

}  // namespace lizhi::agent
