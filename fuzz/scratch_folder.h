#pragma once
// The readers take files, so a fuzz target puts the bytes it is given into a
// file of its own first: each process gets a folder of its own, removed when
// the process ends normally.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace quarlin::fuzz {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Replaces the file `name` in the folder by `bytes` and returns its path.
  std::filesystem::path Write(const std::string& name, std::string_view bytes) const;
  // Removes the file `name` if there is one, so that an input that leaves a
  // file out is not read with an earlier input's.
  void Remove(const std::string& name) const;
  std::filesystem::path Path(const std::string& name) const { return folder_ / name; }

 private:
  std::filesystem::path folder_;
};

// The process's folder, made on first use.
const ScratchFolder& Scratch();

// The fuzz input as text.
inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A broken promise of a reader: says which, then aborts so that the fuzzer
// keeps the input and a seed run fails.
void Require(bool condition, const char* promise);

}  // namespace quarlin::fuzz
