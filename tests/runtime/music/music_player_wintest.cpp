// The player through the real waveOut device: a short MP3 plays to its end
// and loops, progress reaches a window as posted messages, removal stops it.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "runtime/base/win_handles.h"
#include "runtime/music/lazy_module.h"
#include "runtime/music/music_thread.h"
#include "runtime/music/player_entries.h"
#include "runtime/music/progress_notify.h"
#include "runtime/music/semaphore.h"
#include "support/files.h"
#include "support/paths.h"

namespace lizhi::music {
namespace {

std::string ShortMp3() { return lizhi::test::WindowsPath(lizhi::test::MpegDataDir() + "/iso/l3-hecommon.bit"); }

std::string Pack(const std::string& name) { return name + '\0' + '\0'; }

// A hidden window that counts the progress messages it receives.
class ProgressWindow {
 public:
  ProgressWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ProgressWindow::Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "LizhiMusicProgressTest";
    RegisterClassA(&wc);
    hwnd_.reset(CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr));
    SetWindowLongPtrA(hwnd_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  uintptr_t handle() const { return reinterpret_cast<uintptr_t>(hwnd_.get()); }
  int filesEnded() const { return filesEnded_; }
  int messages() const { return messages_; }

  // Dispatches messages until `done` holds or `timeoutMs` passes.
  bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 60000) {
    const DWORD start = GetTickCount();
    while (!done()) {
      if (GetTickCount() - start > timeoutMs) return false;
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      Sleep(5);
    }
    return true;
  }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProgressMessage) {
      auto* self = reinterpret_cast<ProgressWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
      if (self != nullptr) {
        ++self->messages_;
        if (wParam == 100) ++self->filesEnded_;
      }
      return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }

  win::Window hwnd_;
  int filesEnded_ = 0;
  int messages_ = 0;
};

class PlayerWaveOut : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lizhi::test::HasFile(ShortMp3()));
    ASSERT_NE(waveOutGetNumDevs(), 0u) << "no wave device (configure ALSA's null device for Wine)";
    module_ = &MusicPlayerModule();  // plugs in waveOut and PostMessage
    ASSERT_TRUE(module_->init());
  }
  void TearDown() override { EXPECT_EQ(MusicThread::LiveCount(), 0); }

  const LazyModule* module_ = nullptr;
};

TEST_F(PlayerWaveOut, ShortFilePlaysToItsEndTwiceThenStops) {
  ProgressWindow window;
  const auto create = reinterpret_cast<CreatePlayerFn>(module_->lookup("CreatePlayer"));
  const auto newPlay = reinterpret_cast<NewPlayFn>(module_->lookup("NewPlay"));
  const auto state = reinterpret_cast<GetPlayStateFn>(module_->lookup("GetPlayState"));
  const auto remove = reinterpret_cast<RemovePlayerFn>(module_->lookup("RemovePlayer"));

  const std::string names = Pack(ShortMp3());
  const uintptr_t player = create(names.c_str(), 2);
  newPlay(player, window.handle(), nullptr, 0);
  EXPECT_EQ(state(player), 1);
  EXPECT_TRUE(window.PumpUntil([&] { return window.filesEnded() == 2 && state(player) == 0; }));
  EXPECT_GT(window.messages(), 2);  // percentages on the way, not only the ends
  remove(player);
}

TEST_F(PlayerWaveOut, EndlessRepeatLoopsUntilRemovalStopsIt) {
  ProgressWindow window;
  const std::string names = Pack(ShortMp3());
  const uintptr_t player = CreatePlayer(names.c_str(), 0);
  NewPlay(player, window.handle(), nullptr, 0);
  ASSERT_TRUE(window.PumpUntil([&] { return window.filesEnded() >= 3; }));
  EXPECT_EQ(GetPlayState(player), 1);

  const DWORD before = GetTickCount();
  RemovePlayer(player);
  EXPECT_LT(GetTickCount() - before, 5000u);
  EXPECT_EQ(MusicThread::LiveCount(), 0);
  EXPECT_EQ(GetPlayState(player), 0);
}

TEST_F(PlayerWaveOut, PauseHoldsTheDeviceAndResumeGoesOn) {
  ProgressWindow window;
  const std::string names = Pack(ShortMp3());
  const uintptr_t player = CreatePlayer(names.c_str(), 0);
  NewPlay(player, window.handle(), nullptr, 0);
  ASSERT_TRUE(window.PumpUntil([&] { return window.messages() >= 1; }));
  SetPauseState(player, 1);
  EXPECT_EQ(GetPlayState(player), -1);
  // Let whatever was already posted arrive, then nothing ends while paused.
  window.PumpUntil([] { return false; }, 300);
  const int ended = window.filesEnded();
  window.PumpUntil([] { return false; }, 500);
  EXPECT_EQ(window.filesEnded(), ended);
  SetPauseState(player, 0);
  EXPECT_EQ(GetPlayState(player), 1);
  EXPECT_TRUE(window.PumpUntil([&] { return window.filesEnded() > ended; }));
  RemovePlayer(player);
}

TEST(MusicSemaphore, EveryReleaseWakesAWaiterBetweenThreads) {
  // libstdc++'s own semaphore lost such wake-ups here and stage threads
  // never started. A lost one leaves the exchange stuck.
  constexpr int kRounds = 20000;
  auto ping = std::make_shared<Semaphore>(0);
  auto pong = std::make_shared<Semaphore>(0);
  auto rounds = std::make_shared<std::atomic<int>>(0);
  std::thread partner([=] {
    for (int i = 0; i < kRounds; ++i) {
      ping->acquire();
      pong->release();
    }
  });
  std::thread driver([=] {
    for (int i = 0; i < kRounds; ++i) {
      ping->release();
      pong->acquire();
      rounds->fetch_add(1);
    }
  });
  const DWORD start = GetTickCount();
  while (rounds->load() < kRounds && GetTickCount() - start < 60000) Sleep(10);
  if (rounds->load() != kRounds) {
    // Stuck for good: leave the threads to the end of the process.
    partner.detach();
    driver.detach();
    FAIL() << "exchange stuck after " << rounds->load() << " rounds";
  }
  partner.join();
  driver.join();
}

}  // namespace
}  // namespace lizhi::music
