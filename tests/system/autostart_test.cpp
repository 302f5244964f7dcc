#include <gtest/gtest.h>

#include "runtime/base/typed_value.h"
#include "system/autostart_rules.h"

namespace lizhi::sys {
namespace {

TEST(AutoStartRules, MethodOneIsTheShortcutEverythingElseTheRegistry) {
  EXPECT_EQ(ChooseAutoStartMethod(1), AutoStartMethod::kShortcut);
  for (auto m : {std::optional<int32_t>{}, std::optional<int32_t>{0}, std::optional<int32_t>{7},
                 std::optional<int32_t>{-1}, std::optional<int32_t>{2}}) {
    EXPECT_EQ(ChooseAutoStartMethod(m), AutoStartMethod::kRegistry);
  }
}

TEST(AutoStartRules, PathWithASpaceIsStoredQuoted) {
  EXPECT_EQ(RunValueData("C:\\lizhi\\lizhi.exe"), "C:\\lizhi\\lizhi.exe");
  EXPECT_EQ(RunValueData("C:\\Program Files\\lizhi\\lizhi.exe"), "\"C:\\Program Files\\lizhi\\lizhi.exe\"");
  EXPECT_EQ(RunValueData("\"C:\\Program Files\\lizhi.exe\""), "\"C:\\Program Files\\lizhi.exe\"");
  EXPECT_EQ(RunValueData(""), "");
}

TEST(AutoStartRules, ShortcutPathAndItsFolder) {
  std::string link = StartupShortcutPath("C:\\Startup", "\xC0\xF8\xD6\xBE\xC8\xED\xBC\xFE");  // 励志软件
  EXPECT_EQ(link, "C:\\Startup\\\xC0\xF8\xD6\xBE\xC8\xED\xBC\xFE.lnk");
  EXPECT_EQ(FolderOf(link), "C:\\Startup");
  EXPECT_EQ(FolderOf("nofolder.lnk"), "nofolder.lnk");
}

TEST(ShellExecuteRules, VerbAndShowModeTables) {
  const char* verbs[] = {nullptr, "edit", "explore", "find", "open", "print", nullptr};
  for (int v = 0; v <= 6; ++v) {
    if (verbs[v]) {
      EXPECT_STREQ(ShellVerb(v), verbs[v]);
    } else {
      EXPECT_EQ(ShellVerb(v), nullptr);
    }
  }
  EXPECT_EQ(ShellVerb(9), nullptr);
  const int32_t states[] = {1, 0, 1, 2, 3, 8, 6, 1};  // modes 0..7
  for (int m = 0; m <= 7; ++m) EXPECT_EQ(ShowState(m), states[m]) << m;
  EXPECT_EQ(ShowState(std::nullopt), 1);
}

TEST(ShellExecuteRules, ShowModeCountsOnlyWithAllFiveArguments) {
  rt::TypedValue five[] = {rt::MakeInt(1), rt::MakeTextValue("a.txt"), rt::MakeTextValue("-x"),
                           rt::MakeTextValue("C:\\dir"), rt::MakeInt(4)};
  ExecuteFileRequest r = ReadExecuteFileArgs(rt::CommandArgs(5, five));
  EXPECT_STREQ(r.verb, "edit");
  EXPECT_EQ(r.file, "a.txt");
  ASSERT_TRUE(r.parameters);
  EXPECT_EQ(*r.parameters, "-x");
  EXPECT_EQ(r.directory, "C:\\dir");
  EXPECT_EQ(r.showState, 3);  // SW_SHOWMAXIMIZED

  ExecuteFileRequest four = ReadExecuteFileArgs(rt::CommandArgs(4, five));
  EXPECT_EQ(four.showState, 1);

  rt::TypedValue sparse[] = {rt::TypedValue{}, rt::MakeTextValue("b.txt")};
  ExecuteFileRequest least = ReadExecuteFileArgs(rt::CommandArgs(2, sparse));
  EXPECT_EQ(least.verb, nullptr);
  EXPECT_FALSE(least.parameters);
  EXPECT_EQ(least.directory, "");
  EXPECT_EQ(least.showState, 1);
}

}  // namespace
}  // namespace lizhi::sys
