// Entries of the file system by name: lookup of names and patterns, attributes, folder creation.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

// One entry that a lookup delivered: its name (without folder), attributes and size halves.
struct FoundEntry {
  std::wstring name;
  std::uint32_t attributes = 0;
  std::uint32_t sizeHigh = 0;
  std::uint32_t sizeLow = 0;
};

// A lookup of FindFirstFileW, FindNextFileW and FindClose. The system delivers every kind of entry
// (hidden, system and folders included) in its own order.
class EntrySearch {
 public:
  EntrySearch() = default;
  EntrySearch(const EntrySearch&) = delete;
  EntrySearch& operator=(const EntrySearch&) = delete;
  ~EntrySearch() { Close(); }

  // FindFirstFileW of a name or a pattern; false when nothing matches.
  bool First(const std::wstring& pattern, FoundEntry& entry);
  // FindNextFileW; false when the lookup has no further entry.
  bool Next(FoundEntry& entry);
  // FindClose, once.
  void Close();

 private:
  void* handle_ = nullptr;
};

// GetFileAttributesW; kInvalidAttributes when the entry cannot be found.
std::uint32_t FileAttributes(const std::wstring& name);
// CreateDirectoryW without security attributes: one folder whose parent exists.
bool MakeFolder(const std::wstring& name);
// RemoveDirectoryW: one folder, only while it is empty.
bool RemoveEmptyFolder(const std::wstring& name);

inline constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFF;
inline constexpr std::uint32_t kAttributeHidden = 2;
inline constexpr std::uint32_t kAttributeSystem = 4;
inline constexpr std::uint32_t kAttributeDirectory = 16;

}  // namespace platform
