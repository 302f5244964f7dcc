#include "runtime/music/wave_out_device_win.h"

#include <windows.h>
#include <mmsystem.h>

#include <vector>

namespace lizhi::music {
namespace {

constexpr DWORD kCloseRetryMs = 100;
// waveOutClose keeps answering "still playing" only while buffers are queued;
// after a reset that ends within a few tries. The bound keeps a broken driver
// from holding the caller for ever.
constexpr int kCloseTries = 100;

class WaveOutDevice final : public WaveDevice {
 public:
  WaveOutDevice() = default;
  WaveOutDevice(const WaveOutDevice&) = delete;
  WaveOutDevice& operator=(const WaveOutDevice&) = delete;
  ~WaveOutDevice() override { Close(); }

  bool Open(const PcmFormat& format, size_t headerCount, DoneCallback done, void* context) override {
    Close();
    WAVEFORMATEX wfx{};
    wfx.wFormatTag = WAVE_FORMAT_PCM;
    wfx.nChannels = static_cast<WORD>(format.channels);
    wfx.nSamplesPerSec = static_cast<DWORD>(format.sampleRate);
    wfx.wBitsPerSample = static_cast<WORD>(format.bitsPerSample);
    wfx.nBlockAlign = static_cast<WORD>(format.blockAlign());
    wfx.nAvgBytesPerSec = static_cast<DWORD>(format.bytesPerSecond());
    done_ = done;
    context_ = context;
    headers_.assign(headerCount, WAVEHDR{});
    const MMRESULT result =
        waveOutOpen(&handle_, WAVE_MAPPER, &wfx, reinterpret_cast<DWORD_PTR>(&WaveOutDevice::Callback),
                    reinterpret_cast<DWORD_PTR>(this), CALLBACK_FUNCTION | WAVE_ALLOWSYNC);
    if (result != MMSYSERR_NOERROR) {
      handle_ = nullptr;
      return false;
    }
    return true;
  }

  bool Write(size_t header, const uint8_t* data, size_t bytes) override {
    if (handle_ == nullptr || header >= headers_.size()) return false;
    WAVEHDR& h = headers_[header];
    h = WAVEHDR{};
    h.lpData = reinterpret_cast<LPSTR>(const_cast<uint8_t*>(data));
    h.dwBufferLength = static_cast<DWORD>(bytes);
    h.dwUser = static_cast<DWORD_PTR>(header);
    if (waveOutPrepareHeader(handle_, &h, sizeof(h)) != MMSYSERR_NOERROR) return false;
    if (waveOutWrite(handle_, &h, sizeof(h)) != MMSYSERR_NOERROR) {
      waveOutUnprepareHeader(handle_, &h, sizeof(h));
      return false;
    }
    return true;
  }

  void Unprepare(size_t header) override {
    if (handle_ == nullptr || header >= headers_.size()) return;
    WAVEHDR& h = headers_[header];
    if ((h.dwFlags & WHDR_PREPARED) != 0) waveOutUnprepareHeader(handle_, &h, sizeof(h));
  }

  void Pause() override {
    if (handle_ != nullptr) waveOutPause(handle_);
  }
  void Restart() override {
    if (handle_ != nullptr) waveOutRestart(handle_);
  }
  void Reset() override {
    if (handle_ != nullptr) waveOutReset(handle_);
  }

  void Close() override {
    if (handle_ == nullptr) return;
    waveOutReset(handle_);
    for (WAVEHDR& h : headers_) {
      if ((h.dwFlags & WHDR_PREPARED) != 0 && (h.dwFlags & WHDR_DONE) != 0) {
        waveOutUnprepareHeader(handle_, &h, sizeof(h));
      }
    }
    for (int attempt = 0; attempt < kCloseTries; ++attempt) {
      if (waveOutClose(handle_) != WAVERR_STILLPLAYING) break;
      Sleep(kCloseRetryMs);
    }
    handle_ = nullptr;
  }

 private:
  // Runs on the system's thread. Only WOM_DONE matters; waveOut functions must
  // not be called from here.
  static void CALLBACK Callback(HWAVEOUT, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR) {
    if (message != WOM_DONE) return;
    auto* self = reinterpret_cast<WaveOutDevice*>(instance);
    const auto* h = reinterpret_cast<const WAVEHDR*>(param1);
    if (self->done_ != nullptr) self->done_(self->context_, static_cast<size_t>(h->dwUser));
  }

  HWAVEOUT handle_ = nullptr;
  std::vector<WAVEHDR> headers_;
  DoneCallback done_ = nullptr;
  void* context_ = nullptr;
};

}  // namespace

std::unique_ptr<WaveDevice> CreateWaveOutDevice() { return std::make_unique<WaveOutDevice>(); }

}  // namespace lizhi::music
