// The portable build's stand-in for file handles: no file opens (see FileSystem.cpp beside this
// file for why the stand-in exists), so nothing is ever read or written through one.
#include "platform/File.h"

namespace platform {

bool File::Open(const std::wstring&, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) { return false; }

bool File::OpenRead(const std::wstring&) { return false; }

bool File::CreateNew(const std::wstring&) { return false; }

bool File::Seek(std::int64_t) { return false; }

std::uint32_t File::Type() const { return 0; }

std::int64_t File::Size() const { return -1; }

std::uint32_t File::Read(void*, std::uint32_t) { return 0; }

bool File::Write(const void*, std::uint32_t) { return false; }

bool File::Flush() { return false; }

bool File::Times(FileTimes&) const { return false; }

bool File::SetTimes(const FileTimes&) { return false; }

bool File::Close() { return true; }

}  // namespace platform
