#include "runtime/music/wave_device.h"

#include <mutex>
#include <utility>

namespace lizhi::music {
namespace {

class AbsentDevice final : public WaveDevice {
 public:
  bool Open(const PcmFormat&, size_t, DoneCallback, void*) override { return false; }
  bool Write(size_t, const uint8_t*, size_t) override { return false; }
  void Unprepare(size_t) override {}
  void Pause() override {}
  void Restart() override {}
  void Reset() override {}
  void Close() override {}
};

std::mutex g_factoryMutex;
WaveDeviceFactory g_factory;

}  // namespace

std::unique_ptr<WaveDevice> CreateWaveDevice() {
  WaveDeviceFactory factory;
  {
    std::lock_guard lock(g_factoryMutex);
    factory = g_factory;
  }
  std::unique_ptr<WaveDevice> device = factory ? factory() : nullptr;
  if (!device) device = std::make_unique<AbsentDevice>();
  return device;
}

WaveDeviceFactory SetWaveDeviceFactory(WaveDeviceFactory factory) {
  std::lock_guard lock(g_factoryMutex);
  return std::exchange(g_factory, std::move(factory));
}

}  // namespace lizhi::music
