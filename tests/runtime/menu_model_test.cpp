#include "runtime/menus/menu_model.h"

#include <gtest/gtest.h>

#include "data/startup_window.h"
#include "runtime/frame/frame.h"

namespace lizhi {
namespace {

using rt::MenuEntry;

std::vector<std::string> Captions(const std::vector<MenuEntry>& entries) {
  std::vector<std::string> out;
  for (const MenuEntry& e : entries) out.push_back(e.kind == MenuEntry::Kind::Separator ? "-" : e.caption);
  return out;
}

class TrayMenu : public ::testing::Test {
 protected:
  rt::WindowRecord window = data::StartupTemplate().windows[0];
  std::vector<MenuEntry> Popup() {
    auto entries = rt::BuildPopupMenu(window, 0, false);
    EXPECT_TRUE(entries);
    return entries ? *entries : std::vector<MenuEntry>{};
  }
};

TEST_F(TrayMenu, HiddenEntriesAreAbsentButKeepTheirIds) {
  std::vector<MenuEntry> entries = Popup();
  ASSERT_EQ(entries.size(), 18u);  // 21 entries at the first level less the three invisible ones
  EXPECT_EQ(entries[0].id, 20001u);
  EXPECT_EQ(entries[0].caption, window.MenuRecord(1)->menu.caption);
  EXPECT_TRUE(entries[0].checked);
  EXPECT_EQ(entries[4].kind, MenuEntry::Kind::Separator);
  EXPECT_EQ(entries[4].id, 20005u);
  EXPECT_EQ(entries[9].kind, MenuEntry::Kind::Popup) << "暂停";
  EXPECT_EQ(entries[9].id, 20010u);
  ASSERT_EQ(entries[9].children.size(), 5u) << "继续 is hidden until a pause";
  EXPECT_EQ(entries[9].children[0].id, 20011u);
  EXPECT_EQ(entries[9].children[3].kind, MenuEntry::Kind::Separator);
  EXPECT_EQ(entries[9].children[4].id, 20016u) << "离开时不显示 after the hidden 20014";
  EXPECT_EQ(entries[10].id, 20017u) << "播放音乐";
  EXPECT_EQ(entries[11].kind, MenuEntry::Kind::Separator);
  EXPECT_EQ(entries[11].id, 20021u) << "the three hidden entries 20018..20020 still count";
  EXPECT_EQ(entries[12].id, 20022u);
  EXPECT_EQ(entries.back().id, 20027u);
}

TEST_F(TrayMenu, InvisibleTopRecordLeavesNoMenuBar) {
  EXPECT_TRUE(rt::BuildMenuBar(window, false).empty());
  window.MutableMenuRecord(0)->menu.flags = 0;
  auto bar = rt::BuildMenuBar(window, false);
  ASSERT_EQ(bar.size(), 1u);
  EXPECT_EQ(bar[0].kind, MenuEntry::Kind::Popup);
  EXPECT_EQ(bar[0].children.size(), 18u);
}

TEST_F(TrayMenu, CommandIdsMapToRecordsWithinTheRun) {
  EXPECT_FALSE(rt::MenuRecordForCommand(window, 19999));
  EXPECT_EQ(rt::MenuRecordForCommand(window, 20000), 0u);
  EXPECT_EQ(rt::MenuRecordForCommand(window, 20027), 27u);
  EXPECT_FALSE(rt::MenuRecordForCommand(window, 20028)) << "past the 28 records nothing happens";
  EXPECT_FALSE(rt::MenuRecordForCommand(window, 30000));
  EXPECT_FALSE(rt::MenuRecordForCommand(window, 57600));
}

TEST_F(TrayMenu, ChangedCheckMarkShowsAtTheNextPopup) {
  window.MutableMenuRecord(1)->menu.flags &= ~4u;
  window.MutableMenuRecord(2)->menu.flags |= 4u;
  std::vector<MenuEntry> entries = Popup();
  EXPECT_FALSE(entries[0].checked);
  EXPECT_TRUE(entries[1].checked);
  window.MutableMenuRecord(2)->menu.flags |= 2u;
  EXPECT_TRUE(Popup()[1].grayed);
}

TEST_F(TrayMenu, RecordWithoutFollowersShowsNothing) {
  EXPECT_FALSE(rt::BuildPopupMenu(window, 20, false)) << "退出 has no deeper records";
  EXPECT_FALSE(rt::BuildPopupMenu(window, 99, false));
}

TEST(MenuModel, DeeperRecordsNestAsPopups) {
  rt::WindowRecord w;
  auto add = [&](const char* caption, int32_t level, uint32_t flags = 0) {
    rt::UnitRecord r;
    r.type = 0x00010003;
    r.menu.caption = caption;
    r.menu.level = level;
    r.menu.flags = flags;
    w.units.push_back(r);
  };
  add("top", 0);
  add("a", 1);
  add("sub", 1);
  add("b", 2);
  add("c", 2, 1);
  add("d", 1);
  auto entries = rt::BuildPopupMenu(w, 0, true);
  ASSERT_TRUE(entries);
  EXPECT_EQ(Captions(*entries), (std::vector<std::string>{"a", "sub", "d"}));
  EXPECT_EQ((*entries)[1].kind, MenuEntry::Kind::Popup);
  ASSERT_EQ((*entries)[1].children.size(), 1u);
  EXPECT_EQ((*entries)[1].children[0].id, 20003u);
  EXPECT_EQ((*entries)[2].id, 20005u);
  EXPECT_TRUE((*entries)[2].ownerDraw);
}

}  // namespace
}  // namespace lizhi
