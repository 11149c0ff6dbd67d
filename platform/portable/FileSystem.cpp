// The portable build's stand-in for the file system. The native build exists to run the pure path
// routines; Windows paths (drive letters, backslashes) mean nothing here, so every lookup reports
// "not found" and every change fails. The file operations are tested on the Windows build.
#include "platform/FileSystem.h"

namespace platform {

bool EntrySearch::First(const std::wstring&, FoundEntry&) { return false; }

bool EntrySearch::Next(FoundEntry&) { return false; }

void EntrySearch::Close() { handle_ = nullptr; }

std::wstring FullPathName(const std::wstring&) { return {}; }

std::uint32_t FileAttributes(const std::wstring&) { return kInvalidAttributes; }

bool MakeFolder(const std::wstring&) { return false; }

bool RemoveEmptyFolder(const std::wstring&) { return false; }

bool SetAttributes(const std::wstring&, std::uint32_t) { return false; }

bool RemoveFile(const std::wstring&) { return false; }

bool RenameReplacing(const std::wstring&, const std::wstring&) { return false; }

bool Rename(const std::wstring&, const std::wstring&) { return false; }

bool RemoveAtRestart(const std::wstring&) { return false; }

}  // namespace platform
