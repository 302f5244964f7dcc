// The Windows wave output device (waveOut on WAVE_MAPPER).
#pragma once
#include <memory>

#include "runtime/music/wave_device.h"

namespace lizhi::music {

std::unique_ptr<WaveDevice> CreateWaveOutDevice();

}  // namespace lizhi::music
