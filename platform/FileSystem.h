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

// GetFullPathNameW: the path made whole against the current folder, "." and ".." steps resolved and
// "/" read as a backslash; empty when the system gives none.
std::wstring FullPathName(const std::wstring& name);
// GetFileAttributesW; kInvalidAttributes when the entry cannot be found.
std::uint32_t FileAttributes(const std::wstring& name);
// CreateDirectoryW without security attributes: one folder whose parent exists.
bool MakeFolder(const std::wstring& name);
// RemoveDirectoryW: one folder, only while it is empty.
bool RemoveEmptyFolder(const std::wstring& name);
// SetFileAttributesW.
bool SetAttributes(const std::wstring& name, std::uint32_t attributes);
// DeleteFileW: one file; of a link, the link itself.
bool RemoveFile(const std::wstring& name);
// MoveFileExW with MOVEFILE_REPLACE_EXISTING and MOVEFILE_WRITE_THROUGH: `from` takes the name `to`
// in one step, replacing a file there, and the change is on the disk when it returns.
bool RenameReplacing(const std::wstring& from, const std::wstring& to);
// MoveFileExW with MOVEFILE_WRITE_THROUGH: `from` takes the name `to`, which must be free; the
// change is on the disk when it returns.
bool Rename(const std::wstring& from, const std::wstring& to);
// MoveFileExW with MOVEFILE_DELAY_UNTIL_REBOOT and no target: the system removes the file when it
// next starts (administrators only).
bool RemoveAtRestart(const std::wstring& name);

inline constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFF;
inline constexpr std::uint32_t kAttributeReadOnly = 1;
inline constexpr std::uint32_t kAttributeHidden = 2;
inline constexpr std::uint32_t kAttributeSystem = 4;
inline constexpr std::uint32_t kAttributeDirectory = 16;
inline constexpr std::uint32_t kAttributeArchive = 32;
inline constexpr std::uint32_t kAttributeNormal = 128;

}  // namespace platform
