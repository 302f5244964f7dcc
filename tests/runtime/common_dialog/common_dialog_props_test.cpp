#include "runtime/common_dialog/common_dialog_props.h"

#include <gtest/gtest.h>

#include "runtime/commands/command_call.h"
#include "runtime/commands/gbk_from_utf8.h"
#include "runtime/commands/stand_ins_native.h"
#include "runtime/common_dialog/open_common_dialog.h"
#include "runtime/frame/unit_type.h"

namespace lizhi {
namespace {

using rt::CommonDlgProps;

rt::TypedValue Read(const CommonDlgProps& p, int32_t index) {
  rt::TypedValue out{};
  EXPECT_TRUE(rt::ReadCommonDlgProperty(p, index - 8, out)) << index;
  return out;
}

TEST(CommonDialogProps, DefaultsOfAUnitWithoutABlock) {
  CommonDlgProps p;
  p.title = "changed";
  EXPECT_TRUE(rt::LoadCommonDlgBlock(nullptr, 0, p));
  EXPECT_EQ(p.title, "");
  EXPECT_EQ(rt::IntOf(Read(p, 8)), 0);
  EXPECT_EQ(Read(p, 16).low, 1u);  // file must exist
  EXPECT_EQ(Read(p, 17).low, 1u);  // overwrite prompt
  EXPECT_EQ(Read(p, 18).low, 1u);  // path must exist
  EXPECT_EQ(Read(p, 15).low, 0u);
  EXPECT_EQ(Read(p, 19).low, 0u);
  EXPECT_EQ(Read(p, 9).type, rt::kTypeText);
  EXPECT_EQ(rt::GetPointer<char>(Read(p, 9)), nullptr);  // the empty text
}

TEST(CommonDialogProps, BlockRoundTripsEveryValue) {
  CommonDlgProps p;
  p.dialogKind = 1;
  p.title = test::Gbk("请选择一首励志音乐");
  p.fileName = "C:\\a.mp3";
  p.filter = "MP3|*.mp3";
  p.filterIndex = 1;
  p.initialDirectory = "C:\\mp3\\";
  p.defaultExtension = "mp3";
  p.createPrompt = true;
  p.fileMustExist = false;
  p.keepDirectory = true;
  p.fontColor = 0x123456;
  p.bold = p.strikeOut = true;
  p.fontName = test::Gbk("宋体");
  p.fontSize = 12;
  p.helpFile = "x.hlp";
  p.helpCommand = 2;
  p.helpContext = 77;
  std::vector<uint8_t> block = rt::SaveCommonDlgBlock(p);
  EXPECT_EQ(block[0], 1);  // version 1 first
  CommonDlgProps back;
  ASSERT_TRUE(rt::LoadCommonDlgBlock(block.data(), block.size(), back));
  EXPECT_EQ(rt::SaveCommonDlgBlock(back), block);
  EXPECT_EQ(back.title, p.title);
  EXPECT_EQ(back.helpContext, 77);
}

TEST(CommonDialogProps, LaterVersionsAndDamagedBlocksAreRefused) {
  CommonDlgProps p;
  p.title = "kept?";
  std::vector<uint8_t> block = rt::SaveCommonDlgBlock(p);
  block[0] = 2;
  CommonDlgProps loaded;
  EXPECT_FALSE(rt::LoadCommonDlgBlock(block.data(), block.size(), loaded));
  EXPECT_EQ(loaded.title, "");
  block[0] = 1;
  block.resize(block.size() - 3);
  EXPECT_FALSE(rt::LoadCommonDlgBlock(block.data(), block.size(), loaded));
  EXPECT_EQ(loaded.title, "");
}

TEST(CommonDialogProps, WrittenValuesAreNormalised) {
  CommonDlgProps p;
  auto write = [&](int32_t index, rt::TypedValue v) { return rt::WriteCommonDlgProperty(p, index - 8, v); };
  write(8, test::Int(7));
  EXPECT_EQ(p.dialogKind, 3);
  write(8, test::Int(-1));
  EXPECT_EQ(p.dialogKind, 0);
  write(12, test::Int(-4));
  EXPECT_EQ(p.filterIndex, 0);
  write(26, test::Int(-9));
  EXPECT_EQ(p.fontSize, 0);
  write(28, test::Int(6));
  EXPECT_EQ(p.helpCommand, 5);
  write(10, test::Text("C:\\x.txt"));
  EXPECT_EQ(p.fileName, "C:\\x.txt");
  write(16, test::Bool(false));
  EXPECT_FALSE(p.fileMustExist);
  EXPECT_FALSE(write(30, test::Int(1)));
  EXPECT_FALSE(write(-1, test::Int(1)));
  EXPECT_EQ(test::TakeText(Read(p, 10)), "C:\\x.txt");
}

TEST(CommonDialogProps, FileDialogParameters) {
  CommonDlgProps p;
  EXPECT_EQ(rt::FileDialogFlags(p),
            rt::ofn::kHideReadOnly | rt::ofn::kFileMustExist | rt::ofn::kOverwritePrompt | rt::ofn::kPathMustExist);
  p.keepDirectory = p.createPrompt = true;
  p.fileMustExist = p.overwritePrompt = p.pathMustExist = false;
  EXPECT_EQ(rt::FileDialogFlags(p), rt::ofn::kHideReadOnly | rt::ofn::kNoChangeDir | rt::ofn::kCreatePrompt);

  EXPECT_EQ(rt::FileDialogFilter(""), "");
  EXPECT_EQ(rt::FileDialogFilter("a|*.a|b|*.b"), std::string("a\0*.a\0b\0*.b\0\0", 13));
  EXPECT_EQ(rt::FileDialogFilter("a|*.a||"), std::string("a\0*.a\0\0", 7));
  // 亅 is 0x81 0x7C: the bar in its second byte is no separator.
  EXPECT_EQ(rt::FileDialogFilter("\x81\x7C|*.x"), std::string("\x81\x7C\0*.x\0\0", 8));

  EXPECT_EQ(rt::FileDialogFilterIndex(p), 0);
  p.filter = "a|*.a";
  p.filterIndex = 1;
  EXPECT_EQ(rt::FileDialogFilterIndex(p), 2);
}

TEST(CommonDialogProps, HelpFileDefaultsToTheExecutablesName) {
  CommonDlgProps p;
  EXPECT_EQ(rt::HelpFilePath(p, "C:\\lz", "lizhi.exe"), "C:\\lz\\lizhi.hlp");
  p.helpFile = "D:\\h.hlp";
  EXPECT_EQ(rt::HelpFilePath(p, "C:\\lz", "lizhi.exe"), "D:\\h.hlp");
}

TEST(CommonDialogProps, OpenCommonDialogWantsACommonDlgUnit) {
  EXPECT_FALSE(
      rt::IntOf(rt::CallCommand("OpenCommonDialog", {test::Unit(0x52010001, 0x1601228F, rt::kUnitTypeTimer)})));
  EXPECT_FALSE(rt::IntOf(rt::CallCommand("OpenCommonDialog", {test::LeftOut()})));
}

}  // namespace
}  // namespace lizhi
