// The notification sink the agent unit registers with the server: it answers
// IUnknown and IAgentNotifySinkEx only, and turns the seven notifications the
// program knows into events of its unit. Its dispatch part describes itself
// with the agent's registered type library, and fails cleanly where that
// library is not registered.
#pragma once
#include <windows.h>
#include <agtsvr.h>

#include <cstdint>

namespace lizhi::agent {

// Fires one event of the unit (window id, unit id, event index, arguments).
using SinkEventFn = void (*)(uint32_t windowId, uint32_t unitId, int32_t index, int32_t argCount, const int32_t* args);

// A new sink with one reference.
IAgentNotifySinkEx* MakeAgentSink(uint32_t windowId, uint32_t unitId, SinkEventFn fire);

}  // namespace lizhi::agent
