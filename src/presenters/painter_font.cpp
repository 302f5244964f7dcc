#include "presenters/painter_font.h"

#include <cstring>

namespace lizhi::presenters {

FontRequest MakeFontRequest(const PaintTextArgs& args) {
  FontRequest font;
  font.height = args.size;
  font.weight = args.bold == 1 ? kHeavyWeight : 0;
  font.italic = static_cast<uint8_t>(args.italic);
  font.underline = static_cast<uint8_t>(args.underline);
  font.quality = static_cast<uint8_t>(args.quality);
  const char* face = args.fontName ? args.fontName : kDefaultFaceName;
  std::strncpy(font.faceName, face, kFaceNameSize - 1);
  return font;
}

}  // namespace lizhi::presenters
