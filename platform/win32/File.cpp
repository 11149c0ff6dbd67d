#include "platform/File.h"

#include <windows.h>

namespace platform {

bool File::Open(const std::wstring& name, std::uint32_t access, std::uint32_t share, std::uint32_t disposition,
                std::uint32_t flags) {
  Close();
  HANDLE h = ::CreateFileW(name.c_str(), access, share, nullptr, disposition, flags, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  handle_ = h;
  return true;
}

bool File::OpenRead(const std::wstring& name) {
  return Open(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
}

bool File::CreateNew(const std::wstring& name) {
  return Open(name, GENERIC_WRITE, 0, CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT);
}

bool File::Seek(std::int64_t offset) {
  LARGE_INTEGER stelle;
  stelle.QuadPart = offset;
  return ::SetFilePointerEx(handle_, stelle, nullptr, FILE_BEGIN) != FALSE;
}

std::int64_t File::Size() const {
  LARGE_INTEGER groesse;
  return ::GetFileSizeEx(handle_, &groesse) ? groesse.QuadPart : -1;
}

std::uint32_t File::Read(void* buffer, std::uint32_t count) {
  DWORD gelesen = 0;
  if (!::ReadFile(handle_, buffer, count, &gelesen, nullptr)) return 0;
  return gelesen;
}

bool File::Write(const void* buffer, std::uint32_t count) {
  DWORD geschrieben = 0;
  return ::WriteFile(handle_, buffer, count, &geschrieben, nullptr) && geschrieben == count;
}

bool File::Flush() { return ::FlushFileBuffers(handle_) != FALSE; }

namespace {

std::uint64_t Zahl(const FILETIME& t) { return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

FILETIME Zeit(std::uint64_t n) { return FILETIME{static_cast<DWORD>(n), static_cast<DWORD>(n >> 32)}; }

}  // namespace

bool File::Times(FileTimes& times) const {
  FILETIME erstellt, gelesen, geschrieben;
  if (!::GetFileTime(handle_, &erstellt, &gelesen, &geschrieben)) return false;
  times = {Zahl(erstellt), Zahl(gelesen), Zahl(geschrieben)};
  return true;
}

bool File::SetTimes(const FileTimes& times) {
  const FILETIME erstellt = Zeit(times.creation), gelesen = Zeit(times.lastAccess), geschrieben = Zeit(times.lastWrite);
  return ::SetFileTime(handle_, &erstellt, &gelesen, &geschrieben) != FALSE;
}

bool File::Close() {
  const HANDLE h = handle_;
  handle_ = nullptr;
  return h == nullptr || ::CloseHandle(h) != FALSE;
}

}  // namespace platform
