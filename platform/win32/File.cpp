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

std::uint32_t File::Type() const { return ::GetFileType(handle_); }

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

FILETIME* Zeit(std::uint32_t (&stempel)[2]) { return reinterpret_cast<FILETIME*>(stempel); }

}  // namespace

bool File::Times(FileTimes& times) const {
  return ::GetFileTime(handle_, Zeit(times.creation), Zeit(times.lastAccess), Zeit(times.lastWrite)) != FALSE;
}

bool File::SetTimes(const FileTimes& times) {
  FileTimes t = times;
  return ::SetFileTime(handle_, Zeit(t.creation), Zeit(t.lastAccess), Zeit(t.lastWrite)) != FALSE;
}

bool File::Close() {
  const HANDLE h = handle_;
  handle_ = nullptr;
  return h == nullptr || ::CloseHandle(h) != FALSE;
}

}  // namespace platform
