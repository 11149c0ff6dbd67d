#include "platform/FileSystem.h"

#include <windows.h>

namespace platform {

namespace {

void Take(const WIN32_FIND_DATAW& daten, FoundEntry& entry) {
  entry.name = daten.cFileName;
  entry.attributes = daten.dwFileAttributes;
  entry.sizeHigh = daten.nFileSizeHigh;
  entry.sizeLow = daten.nFileSizeLow;
}

}  // namespace

bool EntrySearch::First(const std::wstring& pattern, FoundEntry& entry) {
  Close();
  WIN32_FIND_DATAW daten{};
  HANDLE h = ::FindFirstFileW(pattern.c_str(), &daten);
  if (h == INVALID_HANDLE_VALUE) return false;
  handle_ = h;
  Take(daten, entry);
  return true;
}

bool EntrySearch::Next(FoundEntry& entry) {
  if (handle_ == nullptr) return false;
  WIN32_FIND_DATAW daten{};
  if (!::FindNextFileW(handle_, &daten)) return false;
  Take(daten, entry);
  return true;
}

void EntrySearch::Close() {
  if (handle_ != nullptr) ::FindClose(handle_);
  handle_ = nullptr;
}

std::wstring FullPathName(const std::wstring& name) {
  // The longest path the system takes; on the stack, which the copy step's thread has room for.
  wchar_t voll[32768];
  const DWORD laenge = ::GetFullPathNameW(name.c_str(), 32768, voll, nullptr);
  return laenge == 0 || laenge >= 32768 ? std::wstring() : std::wstring(voll, laenge);
}

std::uint32_t FileAttributes(const std::wstring& name) { return ::GetFileAttributesW(name.c_str()); }

bool MakeFolder(const std::wstring& name) { return ::CreateDirectoryW(name.c_str(), nullptr) != 0; }

bool RemoveEmptyFolder(const std::wstring& name) { return ::RemoveDirectoryW(name.c_str()) != 0; }

bool SetAttributes(const std::wstring& name, std::uint32_t attributes) {
  return ::SetFileAttributesW(name.c_str(), attributes) != 0;
}

bool RemoveFile(const std::wstring& name) { return ::DeleteFileW(name.c_str()) != 0; }

bool RenameReplacing(const std::wstring& from, const std::wstring& to) {
  return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Rename(const std::wstring& from, const std::wstring& to) {
  return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveAtRestart(const std::wstring& name) {
  return ::MoveFileExW(name.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
}

}  // namespace platform
