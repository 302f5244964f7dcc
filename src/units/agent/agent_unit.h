// The AgentUnit: the connection to the agent character server. It creates the
// server, registers a notification sink, loads one character, passes commands
// to it and turns the server's notifications into unit events (see
// agent_block.h for the properties and events). Without a server every
// command does nothing and answers 0 or false.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "runtime/base/typed_value.h"
#include "runtime/frame/unit_type.h"

namespace lizhi::agent {

const rt::UnitType& AgentUnitType();

// The unit's commands by method index, for the frame's calling form (the
// unit first, then the arguments below).
enum AgentMethod : int32_t {
  kMethodLoad = 0,
  kMethodShow = 1,
  kMethodHide = 2,
  kMethodSpeak = 3,
  kMethodPlay = 4,
  kMethodMoveTo = 5,
};

// The commands of the unit (window id, unit id), found among the live units. Request ids come back as the
// server gives them; 0 when there is no such unit or no character.
bool Load(uint32_t windowId, uint32_t unitId, std::optional<std::string_view> path);
int32_t Show(uint32_t windowId, uint32_t unitId);
int32_t Hide(uint32_t windowId, uint32_t unitId);
// `text` is a text in the local code page, or a byte array of UTF-16 units.
int32_t Speak(uint32_t windowId, uint32_t unitId, const rt::TypedValue& text,
              std::optional<std::string_view> url = std::nullopt);
int32_t Play(uint32_t windowId, uint32_t unitId, std::string_view animation);
int32_t MoveTo(uint32_t windowId, uint32_t unitId, int32_t x, int32_t y, int32_t speed);

// Whether the unit holds a server connection, and a loaded character.
bool HasServer(uint32_t windowId, uint32_t unitId);
bool HasCharacter(uint32_t windowId, uint32_t unitId);

// Fires event `index` of the unit with a mouse event's arguments (key state,
// x, y), as the server's notifications do.
void FireMouseEvent(uint32_t windowId, uint32_t unitId, int32_t index, int32_t keys, int32_t x, int32_t y);

// The unit's way out to the frame, so that tests can watch its events. The
// program never changes it.
struct AgentUnitHooks {
  intptr_t (*host)(int32_t code, intptr_t first, intptr_t second);
};
AgentUnitHooks& AgentHooks();

}  // namespace lizhi::agent
