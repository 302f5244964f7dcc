// Decides how the player goes on after a file ends, so that a file that ends
// at once (empty, not MPEG audio, no stream found) never makes it spin: every
// cycle lasts at least a second, and a file that gives no sound is retried a
// few times with growing pauses and then given up.
#pragma once
#include <chrono>

namespace lizhi::music {

class RestartPacer {
 public:
  using Ms = std::chrono::milliseconds;
  static constexpr Ms kMinCycle{1000};
  static constexpr int kSilentRetries = 3;  // after pauses of 1 s, 2 s, 4 s

  enum class Action {
    Next,    // the file played sound: the list goes on as usual
    Retry,   // no sound: the same file again
    GiveUp,  // no sound, retries used up: skip the file from now on
  };
  struct Decision {
    Action action;
    Ms pause;  // before the next start
  };

  // The current file's cycle ran from `started` to `ended`.
  Decision OnEnd(Ms started, Ms ended, bool producedSound);
  // A fresh start from the caller, or another file: no silent ends so far.
  void Reset() { silentEnds_ = 0; }

 private:
  int silentEnds_ = 0;
};

}  // namespace lizhi::music
