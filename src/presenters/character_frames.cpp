#include "presenters/character_frames.h"

#include <algorithm>

namespace lizhi::presenters {

CharacterPixels DecodeCharacterFrame(const data::CharacterArt& art, int32_t frame) {
  if (frame < 0 || static_cast<size_t>(frame) >= art.frames.size() || art.width <= 0 || art.height <= 0) return {};
  const size_t total = static_cast<size_t>(art.width) * static_cast<size_t>(art.height);
  CharacterPixels out;
  out.colours.reserve(total);
  out.opaque.reserve(total);
  std::span<const uint8_t> runs = art.frames[static_cast<size_t>(frame)];
  for (size_t i = 0; i + 1 < runs.size(); i += 2) {
    const uint8_t count = runs[i], index = runs[i + 1];
    if (index >= art.palette.size() || out.colours.size() + count > total) return {};
    const bool opaque = index != 0;
    out.colours.insert(out.colours.end(), count, art.palette[index] & 0x00FFFFFF);
    out.opaque.insert(out.opaque.end(), count, opaque);
  }
  if (out.colours.size() != total) return {};
  return out;
}

std::vector<PixelRun> OpaqueRuns(const std::vector<bool>& opaque, int32_t width, int32_t height) {
  std::vector<PixelRun> runs;
  if (width <= 0 || height <= 0 || opaque.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) {
    return runs;
  }
  for (int32_t y = 0; y < height; ++y) {
    const size_t row = static_cast<size_t>(y) * static_cast<size_t>(width);
    int32_t x = 0;
    while (x < width) {
      while (x < width && !opaque[row + static_cast<size_t>(x)]) ++x;
      const int32_t left = x;
      while (x < width && opaque[row + static_cast<size_t>(x)]) ++x;
      if (x > left) runs.push_back({y, left, x});
    }
  }
  return runs;
}

void CharacterAnimation::Speak(uint32_t now, size_t lineBytes) {
  const uint64_t ms = static_cast<uint64_t>(lineBytes / 2) * 120;
  Start(Mood::kSpeaking, now, static_cast<uint32_t>(std::clamp<uint64_t>(ms, 1500, 6000)));
}

void CharacterAnimation::Start(Mood mood, uint32_t now, uint32_t length) {
  mood_ = mood;
  since_ = now;
  length_ = length;
}

CharacterAnimation::State CharacterAnimation::Current(uint32_t now) const {
  if (mood_ != Mood::kIdle && now - since_ >= length_) return {Mood::kIdle, since_ + length_};
  return {mood_, since_};
}

CharacterPicture CharacterAnimation::PictureAt(uint32_t now) const {
  const State s = Current(now);
  const uint32_t elapsed = now - s.since;
  switch (s.mood) {
    case Mood::kAppearing: {
      const int32_t step = static_cast<int32_t>(elapsed / kAppearStepMs) + 1;
      return {data::kFrameIdle, height_ * (kAppearSteps - std::min(step, kAppearSteps)) / kAppearSteps};
    }
    case Mood::kSpeaking:
      return {(elapsed / kMouthMs) % 2 == 0 ? data::kFrameSpeak : data::kFrameIdle, 0};
    case Mood::kGreeting:
      return {(elapsed / kMouthMs) % 2 == 0 ? data::kFrameGreet1 : data::kFrameGreet2, 0};
    case Mood::kIdle:
      break;
  }
  return {elapsed % kBlinkPeriodMs >= kBlinkPeriodMs - kBlinkMs ? data::kFrameBlink : data::kFrameIdle, 0};
}

uint32_t CharacterAnimation::NextChangeIn(uint32_t now) const {
  const State s = Current(now);
  const uint32_t elapsed = now - s.since;
  uint32_t step = 0;
  switch (s.mood) {
    case Mood::kAppearing:
      step = kAppearStepMs;
      break;
    case Mood::kSpeaking:
    case Mood::kGreeting:
      step = kMouthMs;
      break;
    case Mood::kIdle: {
      const uint32_t phase = elapsed % kBlinkPeriodMs;
      const uint32_t blinkAt = kBlinkPeriodMs - kBlinkMs;
      return phase < blinkAt ? blinkAt - phase : kBlinkPeriodMs - phase;
    }
  }
  uint32_t next = step - elapsed % step;
  if (s.mood != Mood::kIdle) next = std::min(next, length_ - elapsed);
  return std::max<uint32_t>(next, 1);
}

}  // namespace lizhi::presenters
