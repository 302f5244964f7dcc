#include "units/tray/tip_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace lizhi::tray {
namespace {

const std::string kHan = "\xD5\xFD";  // 正 in GBK

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

// The field with guard bytes on both sides, which must stay untouched.
struct GuardedField {
  char bytes[4 + kTipFieldSize + 4];
  GuardedField() { std::memset(bytes, 0x5A, sizeof bytes); }
  char* field() { return bytes + 4; }
  std::string text() { return std::string(field(), strnlen(field(), kTipFieldSize)); }
  bool guardsIntact() const {
    for (int i = 0; i < 4; ++i) {
      if (bytes[i] != 0x5A || bytes[4 + kTipFieldSize + i] != 0x5A) return false;
    }
    return true;
  }
};

std::string FieldFor(const std::string& tip) {
  GuardedField g;
  CopyTipField(tip, g.field(), kTipFieldSize);
  EXPECT_TRUE(g.guardsIntact());
  EXPECT_LT(g.text().size(), kTipFieldSize) << "the field must keep its terminator";
  return g.text();
}

TEST(TrayIconTip, ShortTipsAreCopiedWhole) {
  EXPECT_EQ(FieldFor(""), "");
  std::string tip = "\xD5\xFD\xD4\xDA\xB2\xA5\xB7\xC5:<<test>>";  // 正在播放:<<test>>
  EXPECT_EQ(FieldFor(tip), tip);
  EXPECT_EQ(FieldFor(std::string(127, 'a')), std::string(127, 'a'));
}

TEST(TrayIconTip, LongTipsAreCutAt127BytesWithoutSplittingACharacter) {
  EXPECT_EQ(FieldFor(std::string(500, 'a')), std::string(127, 'a'));
  // 64 double-byte characters are 128 bytes: the last would be split at 127.
  EXPECT_EQ(FieldFor(Repeat(kHan, 64)), Repeat(kHan, 63));
  // Shifted by one ASCII byte the 63rd character ends exactly at 127.
  EXPECT_EQ(FieldFor("a" + Repeat(kHan, 70)), "a" + Repeat(kHan, 63));
  EXPECT_EQ(FieldFor(std::string(126, 'a') + kHan), std::string(126, 'a'));
}

TEST(TrayIconTip, OddBytesAndZerosAreHandledSafely) {
  EXPECT_EQ(FieldFor("abc\xD5"), "abc\xD5");  // a lone lead byte at the end
  EXPECT_EQ(FieldFor(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(WholeCharacterPrefix(std::string("a\xD5\0b", 4), 10), 2u);

  char tiny[1] = {'x'};
  CopyTipField("abc", tiny, 1);
  EXPECT_EQ(tiny[0], '\0');
}

}  // namespace
}  // namespace lizhi::tray
