// A file handle of CreateFileW, closed with its object.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

// The three time stamps of a file, each a FILETIME as the system hands it over.
struct FileTimes {
  std::uint32_t creation[2] = {};
  std::uint32_t lastAccess[2] = {};
  std::uint32_t lastWrite[2] = {};
};

inline constexpr std::uint32_t kFileTypeDisk = 1;

class File {
 public:
  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File() { Close(); }

  // CreateFileW with the system's `access`, `share`, `disposition` and `flags`; on failure
  // GetLastError tells why.
  bool Open(const std::wstring& name, std::uint32_t access, std::uint32_t share, std::uint32_t disposition,
            std::uint32_t flags);
  // Read access, sharing read and write, for an existing file: reading bytes that others may hold
  // open.
  bool OpenRead(const std::wstring& name);
  // Write access, sharing nothing, only where no entry of that name exists, and never through a
  // link (CREATE_NEW, FILE_FLAG_OPEN_REPARSE_POINT).
  bool CreateNew(const std::wstring& name);
  // SetFilePointerEx from the start of the file.
  bool Seek(std::int64_t offset);
  // GetFileType: kFileTypeDisk for a file on a disk; a device (a console, a serial port) or a pipe
  // answers otherwise.
  std::uint32_t Type() const;
  // GetFileSizeEx: the size in bytes, -1 when the system cannot tell.
  std::int64_t Size() const;
  // ReadFile of up to `count` bytes; the number of bytes delivered, 0 at the end or on failure.
  std::uint32_t Read(void* buffer, std::uint32_t count);
  // WriteFile of `count` bytes; false unless all of them were written.
  bool Write(const void* buffer, std::uint32_t count);
  // FlushFileBuffers: what was written is on the disk.
  bool Flush();
  // GetFileTime and SetFileTime.
  bool Times(FileTimes& times) const;
  bool SetTimes(const FileTimes& times);
  // CloseHandle, once; false when closing failed.
  bool Close();

  // The handle, for the calls of the system that the class does not wrap.
  void* Handle() const { return handle_; }

 private:
  void* handle_ = nullptr;
};

}  // namespace platform
