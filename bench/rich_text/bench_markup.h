// Mixed tip markup for the benchmarks: nested tags, entities, links, a table
// and Chinese text, repeated to the size asked for.
#pragma once
#include <string>

namespace lizhi::bench {

// One line of 20 Chinese characters, the program's usual tip.
inline std::string OneLineTip() {
  std::string line;
  for (int i = 0; i < 20; ++i) line += "\xC0\xF8\xD6\xBE";  // 励志
  return line.substr(0, 40);
}

inline std::string MixedMarkup(size_t bytes) {
  static const char kBlock[] =
      "<h2>\xC0\xF8\xD6\xBE Title &amp; more</h2>\n"
      "<p>Plain text with <b>bold <i>italic <u>underlined</u></i></b> words, &lt;entities&gt; &quot;and&quot; "
      "<font color=#336699 size=3 style=+o>coloured</font> runs.</p>\n"
      "<a href=http://example.com/Path?x=1>a web link</a> and <a msg=ShowMore>an event</a><t>tab<t 2>end\n"
      "<table border=1 cellpadding=2 cellspacing=1 bgcolor=lightyellow>"
      "<tr><td>one</td><td colspan=2 align=center>two &copy;</td></tr>"
      "<tr><td rowspan=2 valign=middle>three</td><td>four</td><td width=40%>five</td></tr>"
      "<tr><td><span class=comment>six</span></td><td><code>seven</code></td></tr></table>\n"
      "<center><small>centred small</small> <big>big</big></center><hr width=50%>\n";
  std::string out;
  out.reserve(bytes + sizeof kBlock);
  while (out.size() < bytes) out += kBlock;
  out.resize(bytes);
  return out;
}

}  // namespace lizhi::bench
