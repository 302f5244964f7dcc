#include "runtime/music/file_input.h"

#include <algorithm>
#include <array>
#include <cerrno>

#include "runtime/music/mpeg/tags.h"

namespace lizhi::music {
namespace {

bool SeekTo(std::FILE* f, uint64_t offset) {
  return offset <= 0x7FFFFFFF && std::fseek(f, static_cast<long>(offset), SEEK_SET) == 0;
}

}  // namespace

int FileOpenFailure(int errnoValue) {
  struct Mapping {
    int errnoValue;
    int code;
  };
  static constexpr Mapping kMappings[] = {
      {ENOENT, failure::kFileNotFound},
      {EACCES, failure::kAccessDenied},
      {EINVAL, failure::kInvalidArgument},
      {EMFILE, failure::kTooManyOpenFiles},
  };
  for (const Mapping& m : kMappings) {
    if (m.errnoValue == errnoValue) return m.code;
  }
  return failure::kOther;
}

FileInput::~FileInput() {
  RequestQuit();
  Join();
}

int FileInput::Open(const std::string& path, const std::string& /*contentKey*/) {
  errno = 0;
  file_.reset(std::fopen(path.c_str(), "rb"));
  if (!file_) return FileOpenFailure(errno);
  std::FILE* f = file_.get();
  if (std::fseek(f, 0, SEEK_END) != 0) return failure::kOther;
  const long size = std::ftell(f);
  if (size < 0) return failure::kOther;
  length_ = static_cast<uint64_t>(size);

  std::array<uint8_t, mpeg::kId3v1Bytes> tail{};
  if (length_ >= tail.size()) {
    if (!SeekTo(f, length_ - tail.size()) || std::fread(tail.data(), 1, tail.size(), f) != tail.size()) {
      return failure::kOther;
    }
    if (mpeg::HasId3v1Tail(tail.data(), tail.size())) length_ -= tail.size();
  }

  // ID3 v2 tags of any version, one after another, each skipped by its header.
  // A tag that runs past the end leaves nothing to play.
  dataStart_ = 0;
  while (dataStart_ < length_) {
    std::array<uint8_t, mpeg::kId3v2HeaderBytes> head{};
    if (!SeekTo(f, dataStart_)) return failure::kOther;
    const size_t tag = mpeg::Id3v2TagBytes(head.data(), std::fread(head.data(), 1, head.size(), f));
    if (tag == 0) break;
    dataStart_ += tag;
  }
  dataStart_ = std::min(dataStart_, length_);
  if (!SeekTo(f, dataStart_)) return failure::kOther;
  position_ = dataStart_;
  return failure::kNone;
}

void FileInput::Run() {
  while (!quitting()) {
    if (!WaitWhilePaused()) break;
    std::optional<InputBuffer::Block> block = buffer_.ReserveBlock();
    if (!block) break;
    if (block->seekTo) {
      position_ = std::min(std::max(*block->seekTo, dataStart_), length_);
      if (!SeekTo(file_.get(), position_)) position_ = length_;
    }
    const size_t want = static_cast<size_t>(std::min<uint64_t>(InputBuffer::kBlockBytes, length_ - position_));
    const size_t got = want == 0 ? 0 : std::fread(block->data, 1, want, file_.get());
    position_ += got;
    buffer_.CommitBlock(*block, got, got < InputBuffer::kBlockBytes);
  }
}

}  // namespace lizhi::music
