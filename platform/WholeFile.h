// Whole files by name, as the maker's tool handles them: read at once, written anew, renamed over
// another, removed, and compared for identity. Names are UTF-8 on every host.
#pragma once
#include <string>

namespace platform {

// Reads the whole file (CreateFileW, ReadFile); false when it cannot be opened or read to its end,
// or is a folder.
bool ReadWholeFile(const std::string& name, std::string& content);
// Creates the file, replacing one of that name, writes `content` and flushes it to the disk
// (CreateFileW with CREATE_ALWAYS, WriteFile, FlushFileBuffers); false on any failure, after which
// the file may hold part of the content.
bool WriteWholeFile(const std::string& name, const std::string& content);
// MoveFileExW with MOVEFILE_REPLACE_EXISTING: `from` takes the name `to`, replacing a file there.
bool RenameReplacing(const std::string& from, const std::string& to);
// DeleteFileW.
bool RemoveFile(const std::string& name);
// Whether both names lead to the same existing file (volume and file index of
// GetFileInformationByHandle); false when either does not exist.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace platform
