// Entries of the file system by name: lookup of names and patterns, attributes, folder creation.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

// One entry that a lookup delivered: its name (without folder), attributes and size halves.
struct FoundEntry {
  std::string name;
  std::uint32_t attributes = 0;
  std::uint32_t sizeHigh = 0;
  std::uint32_t sizeLow = 0;
};

// A lookup of FindFirstFileA, FindNextFileA and FindClose. The system delivers every kind of entry
// (hidden, system and folders included) in its own order.
class EntrySearch {
 public:
  EntrySearch() = default;
  EntrySearch(const EntrySearch&) = delete;
  EntrySearch& operator=(const EntrySearch&) = delete;
  ~EntrySearch() { Close(); }

  // FindFirstFileA of a name or a pattern; false when nothing matches.
  bool First(const std::string& pattern, FoundEntry& entry);
  // FindNextFileA; false when the lookup has no further entry.
  bool Next(FoundEntry& entry);
  // FindClose, once.
  void Close();

 private:
  void* handle_ = nullptr;
};

// GetFileAttributesA; kInvalidAttributes when the entry cannot be found.
std::uint32_t FileAttributes(const std::string& name);
// CreateDirectoryA without security attributes: one folder whose parent exists.
bool MakeFolder(const std::string& name);
// RemoveDirectoryA: one folder, only while it is empty.
bool RemoveEmptyFolder(const std::string& name);

inline constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFF;
inline constexpr std::uint32_t kAttributeReadOnly = 1;
inline constexpr std::uint32_t kAttributeHidden = 2;
inline constexpr std::uint32_t kAttributeSystem = 4;
inline constexpr std::uint32_t kAttributeDirectory = 16;
inline constexpr std::uint32_t kAttributeArchive = 32;
inline constexpr std::uint32_t kAttributeNormal = 128;

}  // namespace platform
