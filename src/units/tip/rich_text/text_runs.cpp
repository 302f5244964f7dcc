#include "units/tip/rich_text/text_runs.h"

#include "units/tip/rich_text/text_bytes.h"

namespace lizhi::tip {
namespace {

struct Entity {
  std::string_view name;
  std::string_view text;
};
constexpr Entity kEntities[] = {
    {"&lt;", "<"},
    {"&gt;", ">"},
    {"&amp;", "&"},
    {"&quot;", "\""},
    {"&reg;", "\xAE"},
    {"&copy;", "\xA9"},
    {"&trade;", "\x99"},
    {"&ensp;", " "},
    {"&emsp;", "\xA1\xA1"},  // the full-width space of the
                             // code page
    {"&nbsp;", " "},
};

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  size_t at = text.find(from);
  if (at == std::string::npos) return;
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (at != std::string::npos) {
    out.append(text, pos, at - pos);
    out.append(to);
    pos = at + from.size();
    at = text.find(from, pos);
  }
  out.append(text, pos, std::string::npos);
  text.swap(out);
}

}  // namespace

std::string ApplyTransform(std::string_view run, Transform transform) {
  switch (transform) {
    case Transform::Uppercase:
      return AsciiUpper(run);
    case Transform::Lowercase:
      return AsciiLower(run);
    case Transform::Capitalize:
      return Capitalize(run);
    case Transform::None:
      break;
  }
  return std::string(run);
}

std::string ReplaceEntities(std::string run) {
  if (run.find('&') == std::string::npos) return run;
  for (const Entity& e : kEntities) ReplaceAll(run, e.name, e.text);
  return run;
}

std::string PrepareRun(std::string_view run, Transform transform) {
  return ReplaceEntities(ApplyTransform(run, transform));
}

}  // namespace lizhi::tip
