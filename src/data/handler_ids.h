// The application's event handlers as the window template names them: each id is
// the handler's place in the table the core hands to the frame.
#pragma once
#include <cstdint>

namespace lizhi::data {

enum HandlerId : int32_t {
  kOnWindowCreated,
  kOnAgentClick,
  kOnAgentDblClick,
  kOnFollowTick,
  kOnTrayClick,
  kOnMenuTitleBar,
  kOnMenuMouseFollow,
  kOnMenuBalloon,
  kOnMenuAgent,
  kOnMenuRandom,
  kOnMenuSequential,
  kOnMenuInterval,
  kOnMenuMusic,
  kOnMenuFontSize,
  kOnMenuForeColour,
  kOnMenuLoadText,
  kOnMenuEditText,
  kOnMenuAutoStart,
  kOnMenuAbout,
  kOnMenuExit,
  kOnDisplayTick,
  kOnTestButton,
  kOnMenuPauseHalfHour,
  kOnMenuPauseHour,
  kOnMenuPauseUntilTomorrow,
  kOnMenuResume,
  kOnMenuAway,
  kHandlerCount,
};

}  // namespace lizhi::data
