#include "app/full_screen.h"

namespace lizhi::app {

namespace {
// QUNS_BUSY, QUNS_RUNNING_D3D_FULL_SCREEN, QUNS_PRESENTATION_MODE.
constexpr int32_t kBusyStates[] = {2, 3, 4};
// Priority only, alarms only.
constexpr int32_t kQuietProfiles[] = {1, 2};
}  // namespace

bool IsFullScreenWindow(const ForegroundFacts& facts) {
  if (!facts.exists || facts.isShell || facts.hasCaption || facts.maximised) return false;
  return facts.window == facts.monitor && facts.monitor.right > facts.monitor.left;
}

bool ShellSaysBusy(int32_t notificationState) {
  for (int32_t busy : kBusyStates)
    if (notificationState == busy) return true;
  return false;
}

bool FocusAssistSaysQuiet(int32_t profile) {
  for (int32_t quiet : kQuietProfiles)
    if (profile == quiet) return true;
  return false;
}

}  // namespace lizhi::app
