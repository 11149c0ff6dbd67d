// A file handle of CreateFileW, for reading bytes of a file that others may hold open.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

class File {
 public:
  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File() { Close(); }

  // CreateFileW with read access, sharing read and write, for an existing file.
  bool OpenRead(const std::wstring& name);
  // SetFilePointerEx from the start of the file.
  bool Seek(std::int64_t offset);
  // GetFileSizeEx: the size in bytes, -1 when the system cannot tell.
  std::int64_t Size() const;
  // ReadFile of up to `count` bytes; the number of bytes delivered, 0 at the end or on failure.
  std::uint32_t Read(void* buffer, std::uint32_t count);
  // CloseHandle, once.
  void Close();

 private:
  void* handle_ = nullptr;
};

}  // namespace platform
