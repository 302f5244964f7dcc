// The program's only window, its thirty-seven units and the tray menu, as a readable
// description; the frame reads it back in its stored byte form at every start.
#pragma once
#include <cstdint>
#include <vector>

#include "runtime/template/window_template.h"

namespace lizhi::data {

// Unit ids of the start-up window.
constexpr uint32_t kAgentUnit = 0x16012335;
constexpr uint32_t kTipUnit = 0x160122F2;
constexpr uint32_t kFileChooser = 0x1601228F;
constexpr uint32_t kFollowTimer = 0x1601227B;
constexpr uint32_t kLineLabel = 0x16012264;
constexpr uint32_t kTrayIcon = 0x1601223F;
constexpr uint32_t kDisplayTimer = 0x160110D5;
constexpr uint32_t kTestButton = 0x160110D4;

// The tray menu's records, in record order.
constexpr uint32_t kTrayMenu = 0x260121FC;
constexpr uint32_t kMenuTitleBar = 0x260121FD;
constexpr uint32_t kMenuMouseFollow = 0x260121FE;
constexpr uint32_t kMenuBalloon = 0x260122F3;
constexpr uint32_t kMenuAgent = 0x26012311;
constexpr uint32_t kMenuRandom = 0x26012288;
constexpr uint32_t kMenuSequential = 0x26012289;
constexpr uint32_t kMenuInterval = 0x2601224E;
// The pause submenu: three lengths, or "resume" while paused, and the away rule.
constexpr uint32_t kMenuPause = 0x26012340;
constexpr uint32_t kMenuPauseHalfHour = 0x26012341;
constexpr uint32_t kMenuPauseHour = 0x26012342;
constexpr uint32_t kMenuPauseUntilTomorrow = 0x26012343;
constexpr uint32_t kMenuResume = 0x26012344;
constexpr uint32_t kMenuAway = 0x26012346;
constexpr uint32_t kMenuMusic = 0x260122B5;
constexpr uint32_t kMenuFontSize = 0x260122AC;
constexpr uint32_t kMenuForeColour = 0x260122AD;
constexpr uint32_t kMenuBackColour = 0x260122AE;
constexpr uint32_t kMenuLoadText = 0x26012200;
constexpr uint32_t kMenuEditText = 0x26012201;
constexpr uint32_t kMenuAutoStart = 0x26012332;
constexpr uint32_t kMenuAbout = 0x26012203;
constexpr uint32_t kMenuExit = 0x26012204;

rt::WindowTemplate StartupTemplate();
// The template in its stored byte form.
std::vector<uint8_t> StartupTemplateBytes();

}  // namespace lizhi::data
