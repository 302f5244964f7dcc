#include "app/lifecycle.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/core_texts.h"
#include "app/unit_props.h"
#include "data/about_text.h"
#include "data/startup_window.h"
#include "data/tray_icon.h"
#include "fake_host.h"

namespace lizhi::app {
namespace {

TEST(WindowCreated, SetsIconSeedsLoadsTextSetsTipAndAppliesSettings) {
  test::FakeHost host;
  OnWindowCreated(host);
  EXPECT_EQ(host.Int(data::kTrayIcon, prop::kIcon), 2238);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"Seed", "LoadLines C:\\lz\\txt\\default.txt"}));
  EXPECT_EQ(host.Text(data::kTrayIcon, prop::kTipText), std::string(kTipPrefix) + "default>>");
  EXPECT_EQ(host.Int(data::kDisplayTimer, prop::kInterval), 2000);
  EXPECT_TRUE(host.Checked(data::kMenuTitleBar));
  EXPECT_TRUE(host.ini.empty()) << "a first start writes no settings";
}

TEST(ConfirmExit, OnlyOkEndsWithCodeZero) {
  std::string box = "TimedBox " + std::string(kExitQuestion) + "|1|" + std::string(kExitTitle) + "|20000";
  for (int32_t answer : {1, 31999, -1, 6}) {
    test::FakeHost host;
    host.boxAnswer = answer;
    ConfirmExit(host);
    EXPECT_EQ(host.calls, std::vector<std::string>{box}) << answer;
  }
  test::FakeHost host;
  host.boxAnswer = 0;
  ConfirmExit(host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{box, "End 0"}));
}

TEST(About, StoredRelativePathIsNotResolvedSoTheDefaultTitleShows) {
  test::FakeHost host;
  host.ini["file"] = "\\txt\\poems.txt";
  host.files = {"C:\\lz\\txt\\poems.txt"};
  ShowAbout(host);
  ASSERT_EQ(host.calls.size(), 1u);
  std::string expected =
      "Box " + std::string(data::AboutText()) + "\xC0\xF8\xD6\xBE\xCE\xC4\xB1\xBE>>|4096|" + std::string(kAboutTitle);
  EXPECT_EQ(host.calls[0], expected);
}

TEST(About, ExistingFileNamesItsTitleCutAtTheLastDot) {
  test::FakeHost host;
  host.ini["file"] = "D:\\t\\a.b.txt";
  host.files = {"D:\\t\\a.b.txt"};
  ShowAbout(host);
  ASSERT_EQ(host.calls.size(), 1u);
  EXPECT_NE(host.calls[0].find("<<a>>|4096|"), std::string::npos);
  EXPECT_EQ(AboutTitle(".x"), "");
  EXPECT_EQ(AboutTitle("plain"), "plain");
}

TEST(TestButton, ShowsHelloWithTheDefaultCaption) {
  test::FakeHost host;
  OnTestButton(host);
  EXPECT_EQ(host.calls, std::vector<std::string>{"Box hello dovra|0|<default>"});
}

TEST(StoredData, AboutTextKeepsItsFrame) {
  std::string_view about = data::AboutText();
  EXPECT_EQ(about.size(), data::kAboutTextSize);
  std::string head = "\r\n" + std::string(16, ' ') + "Korvane\xC0\xF8\xD6\xBE\xC8\xED\xBC\xFE V1.0 \r\n\r\n";
  EXPECT_EQ(about.substr(0, head.size()), head);
  std::string tail = "\r\n\r\n" + std::string(kTipPrefix);
  EXPECT_EQ(about.substr(about.size() - tail.size()), tail);
  EXPECT_EQ(about.find('\0'), std::string_view::npos);
  // Every display mode is named, and none is said to be still in the making (制作中).
  for (std::string_view mode : {"\xB1\xEA\xCC\xE2\xC0\xB8\xCF\xD4\xCA\xBE", "\xCA\xF3\xB1\xEA\xB8\xFA\xCB\xE6",
                                "\xC6\xF8\xC5\xDD\xCF\xD4\xCA\xBE", "\xBE\xAB\xC1\xE9\xCF\xD4\xCA\xBE"}) {
    EXPECT_NE(about.find(mode), std::string_view::npos);
  }
  EXPECT_EQ(about.find("\xD6\xC6\xD7\xF7\xD6\xD0"), std::string_view::npos);
}

TEST(StoredData, TrayIconIsOneThirtyTwoPixelImageIconFile) {
  auto ico = data::TrayIconBytes();
  ASSERT_EQ(ico.size(), 2238u);
  auto u16 = [&](size_t at) { return ico[at] | ico[at + 1] << 8; };
  auto u32 = [&](size_t at) { return uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16; };
  EXPECT_EQ(u16(0), 0);
  EXPECT_EQ(u16(2), 1);
  EXPECT_EQ(u16(4), 1);
  EXPECT_EQ(ico[6], 32);
  EXPECT_EQ(ico[7], 32);
  EXPECT_EQ(u32(14), 2216u);
  EXPECT_EQ(u32(18), 22u);
  EXPECT_EQ(u32(22), 40u);  // BITMAPINFOHEADER
  EXPECT_EQ(u32(26), 32u);
  EXPECT_EQ(u32(30), 64u);  // colour and mask rows
  EXPECT_EQ(u16(36), 8);
}

}  // namespace
}  // namespace lizhi::app
