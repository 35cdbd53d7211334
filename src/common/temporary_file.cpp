#include "common/temporary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <random>
#include <string_view>
#include <system_error>

namespace quarlin {
namespace {

constexpr std::string_view kPrefix = ".quarlin-";
constexpr std::string_view kSuffix = ".tmp";
constexpr size_t kHexDigits = 16;
// ".quarlin-" owner "-" unique ".tmp"
constexpr size_t kNameSize = kPrefix.size() + kHexDigits + 1 + kHexDigits + kSuffix.size();

std::string Hex(std::uint64_t value) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text(kHexDigits, '0');
  for (size_t i = kHexDigits; i-- > 0; value >>= 4) text[i] = kDigits[value & 0xf];
  return text;
}

bool IsHex(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// FNV-1a: the same name gives the same owner in every process and build.
std::uint64_t NameHash(std::string_view name) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (unsigned char c : name) {
    hash ^= c;
    hash *= 1099511628211ULL;
  }
  return hash;
}

}  // namespace

bool IsTemporaryName(const std::string& fileName, std::string* owner) {
  const std::string_view name = fileName;
  if (name.size() != kNameSize || !name.starts_with(kPrefix) || !name.ends_with(kSuffix))
    return false;
  const std::string_view ownerPart = name.substr(kPrefix.size(), kHexDigits);
  const std::string_view uniquePart = name.substr(kPrefix.size() + kHexDigits + 1, kHexDigits);
  if (name[kPrefix.size() + kHexDigits] != '-' || !IsHex(ownerPart) || !IsHex(uniquePart))
    return false;
  if (owner) *owner = ownerPart;
  return true;
}

std::string TemporaryOwner(const std::string& fileName) {
  std::string owner;
  if (IsTemporaryName(fileName, &owner)) return owner;
  return Hex(NameHash(fileName));
}

int OpenTemporaryFile(const std::filesystem::path& folder, const std::string& ownerName,
                      std::filesystem::path& created) {
  const std::string owner = TemporaryOwner(ownerName);
  std::random_device seed;
  std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto candidate =
        folder / (std::string(kPrefix) + owner + "-" + Hex(random()) + std::string(kSuffix));
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      created = candidate;
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

std::filesystem::path CreateTemporaryFile(const std::filesystem::path& folder,
                                          const std::string& ownerName, std::string* reason) {
  std::filesystem::path created;
  const int fd = OpenTemporaryFile(folder, ownerName, created);
  if (fd < 0) {
    if (reason) *reason = std::generic_category().message(errno);
    return {};
  }
  ::close(fd);
  return created;
}

int RemoveTemporariesOf(const std::filesystem::path& folder,
                        const std::vector<std::string>& ownerNames) {
  std::vector<std::string> owners;
  for (const auto& name : ownerNames) owners.push_back(TemporaryOwner(name));
  std::error_code error;
  std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
  int removed = 0;
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const std::filesystem::path& path = entries->path();
    std::string owner;
    if (!IsTemporaryName(path.filename().string(), &owner) ||
        std::find(owners.begin(), owners.end(), owner) == owners.end())
      continue;
    // The program makes its temporaries as regular files; a link or a
    // folder of that name is someone else's.
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::unlink(path.c_str()) == 0)
      ++removed;
  }
  return removed;
}

}  // namespace quarlin
