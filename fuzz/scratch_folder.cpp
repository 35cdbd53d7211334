#include "scratch_folder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace quarlin::fuzz {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quarlin-fuzz-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    std::perror("quarlin fuzz: cannot make a scratch folder");
    std::abort();
  }
  folder_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::filesystem::path ScratchFolder::Write(const std::string& name, std::string_view bytes) const {
  const auto path = folder_ / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) {
    std::fprintf(stderr, "quarlin fuzz: cannot write %s\n", path.c_str());
    std::abort();
  }
  return path;
}

void ScratchFolder::Remove(const std::string& name) const {
  std::error_code error;
  std::filesystem::remove(folder_ / name, error);
  if (error) {
    std::fprintf(stderr, "quarlin fuzz: cannot remove %s\n", (folder_ / name).c_str());
    std::abort();
  }
}

const ScratchFolder& Scratch() {
  static const ScratchFolder folder;
  return folder;
}

void Require(bool condition, const char* promise) {
  if (condition) return;
  std::fprintf(stderr, "quarlin fuzz: broken promise: %s\n", promise);
  std::abort();
}

}  // namespace quarlin::fuzz
