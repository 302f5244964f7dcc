// The program's own agent character: a palette (0xAARRGGBB, entry 0
// transparent) and its frames, each run-length coded as (count, palette
// index) pairs, row after row. Drawn by character.py.
#pragma once
#include <cstdint>
#include <span>

namespace lizhi::data {

enum CharacterFrame : int32_t { kFrameIdle = 0, kFrameBlink, kFrameSpeak, kFrameGreet1, kFrameGreet2, kFrameCount };

struct CharacterArt {
  int32_t width;
  int32_t height;
  std::span<const uint32_t> palette;
  std::span<const std::span<const uint8_t>> frames;
};

// Drawn at 100, 125, 150 and 200 %: the size nearest to `dpi` (the smaller on
// a tie), 112 pixels square at 96 dpi.
CharacterArt OwnCharacterArt(int32_t dpi = 96);

}  // namespace lizhi::data
