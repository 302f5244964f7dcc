// First stage: reads the music file into the input buffer on its own thread,
// leaving out the ID3 v2 tags at the front and an ID3 v1 tag at the end.
#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "runtime/music/input_buffer.h"
#include "runtime/music/stage_base.h"

namespace lizhi::music {

class FileInput final : public StageBase {
 public:
  using StageBase::StageBase;
  ~FileInput() override;

  // Opens the file and finds the audio data. 0, or a failure:: file code.
  // The content key would unscramble protected files; only plain files are
  // supported, so it is accepted and not used.
  int Open(const std::string& path, const std::string& contentKey);

  // Audio data: [dataStart, length) of the file.
  uint64_t dataStart() const { return dataStart_; }
  uint64_t length() const { return length_; }

  // For the decoder downstream.
  InputBuffer& buffer() { return buffer_; }

 protected:
  void Run() override;
  void WakeWaits() override { buffer_.Abort(); }

 private:
  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

  std::unique_ptr<std::FILE, FileCloser> file_;
  uint64_t dataStart_ = 0;
  uint64_t length_ = 0;
  uint64_t position_ = 0;
  InputBuffer buffer_;
};

// Maps an errno value of a failed fopen to a failure:: file code.
int FileOpenFailure(int errnoValue);

}  // namespace lizhi::music
