// The frame's table of windows read from the template: each window's records
// (mutable, since menu flags change at run time), its live window and the unit
// objects built for it. Also the dispatch of unit events to the application's
// handlers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "runtime/frame/unit_host.h"
#include "runtime/frame/unit_type.h"
#include "runtime/template/window_template.h"

namespace lizhi::rt {

struct LiveUnit {
  uint32_t unitId = 0;
  const UnitType* type = nullptr;
  void* object = nullptr;  // from the type's Create entry; null once destroyed
};

// A window built from the template, owned by its entry: the window goes when
// its owner goes, and the owner forgets its handle when the window is gone.
class LiveWindow {
 public:
  virtual ~LiveWindow() = default;
  virtual void* handle() const = 0;  // the HWND, or null once destroyed
  // Destroys the window with its units; its last messages still find the entry.
  virtual void Destroy() = 0;
};

struct WindowEntry {
  WindowRecord record;
  std::unique_ptr<LiveWindow> form;  // null until the window is built
  std::vector<LiveUnit> units;
  bool shownOnce = false;  // a hidden-created window's first showing is special
  int32_t windowState = 0;
  int32_t alwaysOnTop = 0;

  LiveUnit* FindLive(uint32_t unitId);
  // The live HWND, or null.
  void* window() const { return form ? form->handle() : nullptr; }
};

class WindowTable {
 public:
  // Replaces the table with the windows of a template.
  void Reset(const WindowTemplate& tmpl);
  WindowEntry* Find(uint32_t windowId);
  std::vector<WindowEntry>& entries() { return entries_; }

 private:
  std::vector<WindowEntry> entries_;
};

WindowTable& Windows();

// Reads the template bytes into the window table; false when they are damaged.
bool LoadTemplate(const uint8_t* bytes, size_t size);
// As LoadTemplate, but damaged bytes are fatal ("载入窗口模板数据段出错!").
void LoadTemplateOrFail(const uint8_t* bytes, size_t size);

// Application handlers: the template's handler numbers index this table.
// A handler returns true when it produced a result.
using EventHandler = bool (*)(const EventRecord& event, int32_t& result);
void SetEventHandlers(std::span<const EventHandler> handlers);
EventHandler HandlerAt(int32_t handlerNumber);

// Whether units of a type fire events.
bool TypeFiresEvents(uint32_t typeId);

// Dispatches an event to its handler (code 2008); 1 when a handler ran.
int32_t DispatchEvent(EventRecord& event);

}  // namespace lizhi::rt
