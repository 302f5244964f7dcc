#include "app/text_source/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings/program_directory.h"
#include "app/text_source/text_source.h"
#include "data/built_in_text.h"
#include "runtime/commands/files.h"
#include "runtime/commands/gbk_from_utf8.h"

namespace lizhi {
namespace {

using test::Gbk;
using Lines = std::vector<std::string>;

std::string Utf16(std::u16string text, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t u : text) {
    char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return out;
}

Lines LinesOf(std::string_view bytes) {
  test::TempProgramDirectory dir;
  std::string path = dir / "t.txt";
  std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  EXPECT_TRUE(rt::WriteWholeFile(path.c_str(), {&piece, 1}));
  app::TextSource source;
  app::LoadLines(source, path);
  Lines out;
  for (size_t i = 0; i < app::LineCount(source); ++i) out.emplace_back(app::LineAt(source, i));
  return out;
}

app::TextEncoding EncodingOf(std::string_view bytes) {
  return app::DetectEncoding({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}).encoding;
}

TEST(TextEncoding, FilesOfEveryKindLoadAsCodePageLines) {
  const std::string bom = "\xEF\xBB\xBF";
  // 涓枃 in GBK begins with a well-formed three-byte UTF-8 sequence.
  const std::string lookalike = Gbk("说涓枃话");
  struct Case {
    const char* what;
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"UTF-8 with a mark", bom + "你好世界\r\nb", {Gbk("你好世界"), "b"}},
      {"UTF-8 without a mark, LF ends", "你好世界\n第二行\n", {Gbk("你好世界"), Gbk("第二行")}},
      {"UTF-16 LE", Utf16(u"你好\r\n世界", false), {Gbk("你好"), Gbk("世界")}},
      {"UTF-16 BE, CR ends", Utf16(u"你好\r世界", true), {Gbk("你好"), Gbk("世界")}},
      {"UTF-16 with a lone surrogate and an odd byte", Utf16({u'a', 0xD800, u'b'}, false) + "x", {"a?b"}},
      {"UTF-16 zero ends the text", Utf16(std::u16string(u"a\r\nb\0c", 6), false), {"a", "b"}},
      {"characters GBK lacks", bom + "a😀b", {"a?b"}},
      {"a broken byte under a mark", bom + "a\xFF" + "b你", {"a?b" + Gbk("你")}},
      {"broken UTF-8 without a mark stays bytes", "你\xFF", {"你\xFF"}},
      {"two-byte UTF-8 alone stays bytes", "caf\xC3\xA9", {"caf\xC3\xA9"}},
      {"GBK with a UTF-8 look-alike run", lookalike, {lookalike}},
      {"GBK", Gbk("天道酬勤\r\n厚积薄发"), {Gbk("天道酬勤"), Gbk("厚积薄发")}},
      {"mixed line ends", "a\r\nb\nc\rd\n\n\r\re", {"a", "b", "c", "d", "e"}},
  };
  for (const Case& c : cases) EXPECT_EQ(LinesOf(c.bytes), c.lines) << c.what;
  EXPECT_EQ(Gbk("你好世界").size(), 8u);
}

// Under the sanitizers: every decoder stays within its buffers on any bytes.
TEST(TextEncoding, GarbageBehindEveryMarkLoadsWithoutCrashing) {
  uint32_t x = 2024;
  std::string garbage;
  for (int i = 0; i < 20001; ++i) {  // odd, so UTF-16 ends in half a unit
    x = x * 1103515245 + 12345;
    garbage += static_cast<char>(x >> 16);
  }
  for (const char* mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF", ""}) {
    Lines lines = LinesOf(mark + garbage);
    EXPECT_FALSE(lines.empty());
    for (const auto& line : lines) EXPECT_FALSE(line.empty());
  }
}

TEST(TextEncoding, GbkTextIsNeverTakenForUtf8) {
  EXPECT_EQ(EncodingOf(data::BuiltInText()), app::TextEncoding::kCodePage);
  const char* words =
      "的一是在不了有和人这中大为上个国我以要他时来用们生到作地于出就分对成会可主发年动同工也能下过子说产种面而方后多"
      "定行学法所民得经十三之进着等部度家电力里如水化高自二理起小物现实加量都两体制机当使点从业本去把性好应开它合还因由"
      "其些然前外天政四日那社义事平形相全表间样与关各重新线内数正心反你明看原又么利比或但质气第向道命此变条只没结解问意"
      "建月公无系军很情者最立代想已通并提直题党程展五果料象员革位入常文总次品式活设及管特件长求老头基资边流路级少图山统"
      "接知较将组见计别她手角期根论运农指几九区强放决西被干做必战先回则任取据处队南给色光门即保治北造百规热领七海口东导"
      "器压志世金增争济阶油思术极交受联什认六共权收证改清己美再采转更单风切打白教速花带安场身车例真务具万每目至达走积示"
      "议声报斗完类八离华名确才科张信马节话米整空元况今集温传土许步群广石记需段研界拉林律叫且究观越织装影算低持音众书布"
      "复容儿须际商非验连断深难近矿千周委素技备半办青省列习响约支般史感劳便团往酸历市克何除消构府称太准精值号率族维划选"
      "标写存候毛亲快效斯院查江型眼王按格养易置派层片始却专状育厂京识适属圆包火住调满县局照参红细引听该铁价严";
  EXPECT_EQ(EncodingOf(Gbk(words)), app::TextEncoding::kCodePage);
  EXPECT_EQ(EncodingOf("plain ASCII\r\n"), app::TextEncoding::kCodePage);
}

}  // namespace
}  // namespace lizhi
