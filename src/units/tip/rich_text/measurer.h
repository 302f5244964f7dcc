// What layout needs to know of the device it lays out for. The platform side
// answers with fonts and images on a device context; tests answer with fixed
// figures.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "units/tip/rich_text/text_style.h"

namespace lizhi::tip {

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct FontMetrics {
  int ascent = 0;
  int descent = 0;
};

// Where an image comes from and how it is shown: the attributes of the image
// tags, read once by the layout.
struct ImageRequest {
  enum class Source : uint8_t { None, ProgramResource, LibraryResource, File, Handle, ImageList };
  enum class Kind : uint8_t { Bitmap, Icon };
  Source source = Source::None;
  Kind kind = Kind::Bitmap;
  int resourceId = 0;
  std::string path;      // library (srcdll) or image file
  uintptr_t handle = 0;  // an existing handle, never freed by the drawer
  int index = 0;         // image of the image list
  Colour mask = 0xFF00FF;
  int cx = 0;  // size of one image; 0: the image's own
  int cy = 0;
  std::string style;     // letters g, d, l, s
  std::string hotStyle;  // used while the image's link is hovered
};

constexpr int kMaxImageSide = 1024;

class Measurer {
 public:
  virtual ~Measurer() = default;
  virtual Size TextExtent(const FontKey& font, std::string_view text) = 0;
  virtual FontMetrics Metrics(const FontKey& font) = 0;
  virtual int DpiY() = 0;
  // The natural size of an image, or nothing when it cannot be loaded (it
  // then takes no space).
  virtual std::optional<Size> ImageSize(const ImageRequest& image) = 0;
};

}  // namespace lizhi::tip
