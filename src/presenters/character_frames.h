// Our own agent character, free of windows: its pictures decoded from the
// art, the rows of opaque pixels its window's shape is cut from, and the
// animation that says which picture shows when (appearing, idle with a blink
// now and then, speaking, greeting) and when the next change is due, so that
// the window sets no timer faster than the picture changes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "presenters/character.h"

namespace lizhi::presenters {

// One frame as 0x00RRGGBB pixels, row after row, transparent pixels 0 with
// `opaque` false; empty when the art is damaged.
struct CharacterPixels {
  std::vector<uint32_t> colours;
  std::vector<bool> opaque;
};
CharacterPixels DecodeCharacterFrame(const data::CharacterArt& art, int32_t frame);

// A row's run of opaque pixels, [left, right).
struct PixelRun {
  int32_t y = 0, left = 0, right = 0;
  bool operator==(const PixelRun&) const = default;
};
std::vector<PixelRun> OpaqueRuns(const std::vector<bool>& opaque, int32_t width, int32_t height);

struct CharacterPicture {
  int32_t frame = data::kFrameIdle;
  int32_t sink = 0;  // pixels of the picture still below the window's bottom edge
  bool operator==(const CharacterPicture&) const = default;
};

// Times are millisecond tick counts that may wrap.
class CharacterAnimation {
 public:
  static constexpr uint32_t kAppearStepMs = 40;
  static constexpr int32_t kAppearSteps = 8;
  static constexpr uint32_t kBlinkPeriodMs = 4000;
  static constexpr uint32_t kBlinkMs = 160;
  static constexpr uint32_t kMouthMs = 200;
  static constexpr uint32_t kGreetMs = 1200;

  explicit CharacterAnimation(int32_t height) : height_(height) {}
  // The frames' height after they were drawn for another DPI.
  void SetHeight(int32_t height) { height_ = height; }

  void Appear(uint32_t now) { Start(Mood::kAppearing, now, kAppearStepMs * kAppearSteps); }
  // Speaks for a time that grows with the line: 120 ms a character, 1.5 to 6 s.
  void Speak(uint32_t now, size_t lineBytes);
  void Greet(uint32_t now) { Start(Mood::kGreeting, now, kGreetMs); }

  CharacterPicture PictureAt(uint32_t now) const;
  // Milliseconds until the picture next changes (at least 1).
  uint32_t NextChangeIn(uint32_t now) const;
  bool idleAt(uint32_t now) const { return Current(now).mood == Mood::kIdle; }

 private:
  enum class Mood { kAppearing, kIdle, kSpeaking, kGreeting };
  struct State {
    Mood mood;
    uint32_t since;
  };
  void Start(Mood mood, uint32_t now, uint32_t length);
  State Current(uint32_t now) const;

  int32_t height_;
  Mood mood_ = Mood::kIdle;
  uint32_t since_ = 0;
  uint32_t length_ = 0;  // of a mood that ends in idle
};

}  // namespace lizhi::presenters
