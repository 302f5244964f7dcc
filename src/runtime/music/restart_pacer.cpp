#include "runtime/music/restart_pacer.h"

#include <algorithm>

namespace lizhi::music {

RestartPacer::Decision RestartPacer::OnEnd(Ms started, Ms ended, bool producedSound) {
  const Ms lasted = ended > started ? ended - started : Ms{0};
  const Ms restOfCycle = lasted < kMinCycle ? kMinCycle - lasted : Ms{0};
  if (producedSound) {
    silentEnds_ = 0;
    return {Action::Next, restOfCycle};
  }
  if (silentEnds_ >= kSilentRetries) {
    silentEnds_ = 0;
    return {Action::GiveUp, restOfCycle};
  }
  const Ms backoff = kMinCycle * (1 << silentEnds_);
  ++silentEnds_;
  return {Action::Retry, std::max(restOfCycle, backoff)};
}

}  // namespace lizhi::music
