// The entry point of a fuzz target built without libFuzzer: every file
// named, and every file under every folder named, goes through the target
// once, so that the seed corpora run as ordinary tests (under whatever
// sanitizers the build has). Arguments that begin with '-' are libFuzzer's
// options and are ignored, so that one test command serves both builds.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool Run(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return false;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  std::fprintf(stderr, "%s\n", path.c_str());
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> files;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path argument = argv[i];
    if (argv[i][0] == '-') continue;
    if (!std::filesystem::is_directory(argument)) {
      files.push_back(argument);
      continue;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argument))
      if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s FILE|FOLDER...  (no input found)\n", argv[0]);
    return 2;
  }
  int unreadable = 0;
  for (const auto& file : files)
    if (!Run(file)) ++unreadable;
  std::fprintf(stderr, "%zu inputs run\n", files.size() - unreadable);
  return unreadable == 0 ? 0 : 1;
}
