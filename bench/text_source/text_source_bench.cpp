// Loads a 50 MB text file of 2 million lines through LoadLines and prints the
// time and the memory it took; then the same lines saved as UTF-8, and the
// per-tick check for an edited file. Usage: text_source_bench [folder for the file]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/settings/settings.h"
#include "app/text_source/text_source.h"
#include "runtime/base/runtime_state.h"

namespace {

constexpr size_t kLines = 2'000'000;
constexpr size_t kFileBytes = 50'000'000;

// Resident set size now and at its peak, in bytes (Linux /proc).
size_t StatusBytes(const char* field) {
  FILE* f = std::fopen("/proc/self/status", "r");
  if (!f) return 0;
  char line[256];
  size_t kb = 0;
  while (std::fgets(line, sizeof line, f))
    if (std::strncmp(line, field, std::strlen(field)) == 0) std::sscanf(line + std::strlen(field), "%zu", &kb);
  std::fclose(f);
  return kb * 1024;
}

// GBK lines of varying length (some double-byte text, some ASCII), CR LF
// ends, about kFileBytes in all; written in small pieces.
bool WriteSample(const std::string& path, const std::string& word = "\xC0\xF8\xD6\xBE" /* 励志 */) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  size_t body = kFileBytes / kLines - 2;  // 23 bytes on average
  std::string chunk;
  for (size_t i = 0; i < kLines; ++i) {
    size_t length = body - 4 + (i % 9);  // 19..27 bytes
    std::string line = std::to_string(i) + " ";
    while (line.size() + word.size() <= length) line += (i % 3 == 0) ? "abcd" : word;
    line.resize(length, 'x');
    chunk += line + "\r\n";
    if (chunk.size() > (1u << 20)) {
      std::fwrite(chunk.data(), 1, chunk.size(), f);
      chunk.clear();
    }
  }
  std::fwrite(chunk.data(), 1, chunk.size(), f);
  return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "lizhi_text_bench";
  fs::create_directories(folder);
  lizhi::rt::Runtime().programDirectory = folder.string();
  std::string path = (folder / "big.txt").string();
  if (!WriteSample(path)) {
    std::printf("cannot write %s\n", path.c_str());
    return 1;
  }
  size_t fileBytes = fs::file_size(path);

  size_t before = StatusBytes("VmRSS:");
  lizhi::app::TextSource source;
  auto start = std::chrono::steady_clock::now();
  lizhi::app::LoadLines(source, path);
  auto loaded = std::chrono::steady_clock::now();
  size_t peak = StatusBytes("VmHWM:");
  size_t held = StatusBytes("VmRSS:");

  // Later loads of the same file (page cache warm) and a few picks.
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    lizhi::app::LoadLines(source, path);
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }
  size_t reloadPeak = StatusBytes("VmHWM:");
  lizhi::app::WriteSetting("rand", "f");
  auto p0 = std::chrono::steady_clock::now();
  constexpr int kPicks = 1000;
  for (int i = 0; i < kPicks; ++i) lizhi::app::NextLine(source);
  double perPick = std::chrono::duration<double>(std::chrono::steady_clock::now() - p0).count() / kPicks;

  // The per-tick check of an unchanged file: one attribute query.
  constexpr int kChecks = 10000;
  auto c0 = std::chrono::steady_clock::now();
  for (int i = 0; i < kChecks; ++i) lizhi::app::ReloadIfChanged(source);
  double perCheck = std::chrono::duration<double>(std::chrono::steady_clock::now() - c0).count() / kChecks;

  // The same lines saved as UTF-8 (励志 in three-byte form), converted on load.
  std::string utf8Path = (folder / "big-utf8.txt").string();
  if (!WriteSample(utf8Path, "\xE5\x8A\xB1\xE5\xBF\x97")) return 1;
  lizhi::app::TextSource utf8Source;
  size_t utf8Before = StatusBytes("VmHWM:");
  auto u0 = std::chrono::steady_clock::now();
  lizhi::app::LoadLines(utf8Source, utf8Path);
  double utf8Load = std::chrono::duration<double>(std::chrono::steady_clock::now() - u0).count();
  size_t utf8Peak = StatusBytes("VmHWM:");

  std::printf("file                 %zu bytes, %zu lines loaded\n", fileBytes, lizhi::app::LineCount(source));
  std::printf("first load           %.3f s\n", std::chrono::duration<double>(loaded - start).count());
  std::printf("best of 3 reloads    %.3f s\n", best);
  std::printf("memory before load   %.1f MB\n", before / 1e6);
  std::printf("peak during load     %.1f MB (%.2f x the file above the baseline)\n", peak / 1e6,
              static_cast<double>(peak - before) / fileBytes);
  std::printf("peak over the reloads %.1f MB (%.2f x the file above the baseline)\n", reloadPeak / 1e6,
              static_cast<double>(reloadPeak - before) / fileBytes);
  std::printf("held after load      %.1f MB (%.2f x the file)\n", held / 1e6,
              static_cast<double>(held - before) / fileBytes);
  std::printf("NextLine             %.1f us per call (reads setup.ini each time)\n", perPick * 1e6);
  std::printf("edit check per tick  %.2f us (file unchanged)\n", perCheck * 1e6);
  std::printf("UTF-8 file           %zu bytes, %zu lines, loaded in %.3f s (native GBK converter), peak %.1f MB\n",
              static_cast<size_t>(fs::file_size(utf8Path)), lizhi::app::LineCount(utf8Source), utf8Load,
              std::max(utf8Peak, utf8Before) / 1e6);
  fs::remove_all(folder);
  return 0;
}
