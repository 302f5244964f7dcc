// The sound device behind WaveOutput: waveOut on Windows, a fake in tests.
// The device owns its wave headers; WaveOutput addresses them by index and
// decides which PCM block each one plays.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "runtime/music/pcm_format.h"

namespace lizhi::music {

class WaveDevice {
 public:
  // Called on any thread (the system's, or inside Write) when the device has
  // finished with a header. It must not call back into the device.
  using DoneCallback = void (*)(void* context, size_t header);

  virtual ~WaveDevice() = default;

  // Opens the device for `format` with `headerCount` headers. False: no device.
  virtual bool Open(const PcmFormat& format, size_t headerCount, DoneCallback done, void* context) = 0;
  // Prepares header `header` for the block (no copy) and queues it.
  virtual bool Write(size_t header, const uint8_t* data, size_t bytes) = 0;
  // Gives a completed header back.
  virtual void Unprepare(size_t header) = 0;
  virtual void Pause() = 0;
  virtual void Restart() = 0;
  // Stops at once; every queued header completes.
  virtual void Reset() = 0;
  // Closes the device, waiting while it still holds buffers.
  virtual void Close() = 0;
};

using WaveDeviceFactory = std::function<std::unique_ptr<WaveDevice>()>;

// The device for the next file. Without an installed factory: a device that
// never opens (so playback keeps time in silence).
std::unique_ptr<WaveDevice> CreateWaveDevice();

// Installs the factory for the whole process: waveOut on Windows (done by the
// platform's module getter), a fake in tests. Returns the one it replaces.
WaveDeviceFactory SetWaveDeviceFactory(WaveDeviceFactory factory);

}  // namespace lizhi::music
