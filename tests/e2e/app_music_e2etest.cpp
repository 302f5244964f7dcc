// Background music driven as a user drives it: choosing a file from the
// program's "\mp3\" folder in the music item's dialog, cancelling that dialog
// to switch the music off, starting with music stored in setup.ini, and
// leaving the program while the player's threads are busy.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/support/app_session_win.h"
#include "support/files.h"
#include "support/paths.h"

namespace lizhi::test {
namespace {

// The player's own threads while a file plays: its command thread and the
// three stages of the file (reading, decoding, output).
constexpr int kPlayerThreads = 4;

// A layer III stream of about 11 seconds (44.1 kHz mono), far shorter than a
// song, so the player goes round its endless repeat several times meanwhile.
std::string SampleStream() { return WindowsPath(MpegDataDir() + "/iso/l3-he_44khz.bit"); }

int ThreadsOf(DWORD pid) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == pid) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

class AppMusicE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(HasFile(SampleStream()));
    ASSERT_TRUE(CreateDirectoryA(app.dir.File("mp3").c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(SampleStream().c_str(), app.dir.File(kSong).c_str(), FALSE)) << SampleStream();
    app.Store("time", "60");  // no display tick meddles
  }
  // The most threads the program runs over `ms` (Wine's helpers come and go,
  // and the player's stage threads are made anew for every round of a file).
  int MostThreads(DWORD ms) {
    int most = 0;
    WaitUntil(
        [&] {
          most = std::max(most, ThreadsOf(app.lizhi.pid()));
          return false;
        },
        ms);
    return most;
  }
  bool PlayerThreadsRun(int quiet) {
    return WaitUntil([&] { return ThreadsOf(app.lizhi.pid()) >= quiet + kPlayerThreads; }, 8000);
  }
  // The player's threads have ended and no new round starts. Wine's sound
  // helpers stay once a device was opened, so this counts down from the
  // playing figure rather than up from the quiet one.
  bool PlayerThreadsGone(int playing) {
    const int stopped = playing - kPlayerThreads;
    return WaitUntil([&] { return ThreadsOf(app.lizhi.pid()) <= stopped; }, 5000) && MostThreads(1000) <= stopped;
  }
  // "退出", then OK in the question box: the end sequence removes the player.
  void ExitWithOk() {
    HWND box = app.DialogAfter(kExitItem);
    ASSERT_TRUE(box);
    PressDialogButton(box, IDOK);
    EXPECT_EQ(app.lizhi.WaitExit(5000), std::optional<DWORD>(0)) << "ended at once though music played";
  }

  const std::string kSong = "mp3\\song.mp3";
  AppSession app;
};

TEST_F(AppMusicE2E, ChosenFileIsStoredRelativeAndPlaysCancellingStopsItExitWhilePlayingEndsCleanly) {
  ASSERT_TRUE(app.Start());
  const int quiet = MostThreads(1500);

  HWND dialog = app.DialogAfter(kMusicItem);
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(ChooseFile(dialog, app.dir.File(kSong)));
  EXPECT_TRUE(app.WaitForStored("play", "t"));
  // "MP3" is written just after "play".
  EXPECT_TRUE(app.WaitForStored("MP3", "\\" + kSong)) << "a file in the program's folder is stored relative to it";
  EXPECT_TRUE(PlayerThreadsRun(quiet)) << "quiet: " << quiet << ", now " << ThreadsOf(app.lizhi.pid());
  // More than one round of the endless repeat (the null sound device runs
  // ahead of real time): the player keeps going and the program with it.
  const int playing = MostThreads(4000);
  EXPECT_TRUE(app.lizhi.Running());
  EXPECT_TRUE(PlayerThreadsRun(quiet)) << "still playing after a round or more";

  dialog = app.DialogAfter(kMusicItem);
  ASSERT_TRUE(dialog);
  PressDialogButtonUntilGone(dialog, IDCANCEL);
  EXPECT_TRUE(app.WaitForStored("play", "f"));
  EXPECT_EQ(app.Stored("MP3"), "\\" + kSong) << "cancelling keeps the file for the next choice";
  EXPECT_TRUE(PlayerThreadsGone(playing)) << "playing: " << playing << ", now " << ThreadsOf(app.lizhi.pid());
  EXPECT_TRUE(app.lizhi.Running());
  // Counted afresh: Wine's sound helpers, made at the first playing, stay.
  const int stopped = ThreadsOf(app.lizhi.pid());

  // Music on again, then the end while it plays.
  dialog = app.DialogAfter(kMusicItem);
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(ChooseFile(dialog, app.dir.File(kSong)));
  EXPECT_TRUE(app.WaitForStored("play", "t"));
  EXPECT_TRUE(PlayerThreadsRun(stopped)) << "stopped: " << stopped << ", now " << ThreadsOf(app.lizhi.pid());
  ExitWithOk();
}

TEST_F(AppMusicE2E, MusicStoredInSetupIniPlaysFromTheStartAndExitEndsCleanly) {
  app.Store("play", "t");
  app.Store("MP3", ("\\" + kSong).c_str());
  ASSERT_TRUE(app.Start());
  // A quiet program runs a single thread here (see the test above); the
  // player's come on top as the program starts.
  EXPECT_TRUE(PlayerThreadsRun(1)) << "now " << ThreadsOf(app.lizhi.pid());
  PumpFor(3000);
  EXPECT_TRUE(app.lizhi.Running());
  EXPECT_EQ(app.Stored("play"), "t");
  ExitWithOk();
}

TEST_F(AppMusicE2E, StoredMusicFileThatIsMissingStartsQuietlyAndEndsCleanly) {
  app.Store("play", "t");
  app.Store("MP3", "\\mp3\\gone.mp3");
  ASSERT_TRUE(app.Start());
  PumpFor(2000);
  EXPECT_TRUE(app.lizhi.Running());
  EXPECT_FALSE(WaitForDialogOf(app.lizhi.pid(), 500)) << "no message about the missing file";
  ExitWithOk();
}

}  // namespace
}  // namespace lizhi::test
