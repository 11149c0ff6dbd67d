// Whole files by name, as the maker's tool handles them: read at once, created anew, renamed over
// another, removed, and compared for identity. Names are UTF-8 on every host.
#pragma once
#include <string>

namespace platform {

// Reads the whole file (CreateFileW, ReadFile); false when it cannot be opened or read to its end,
// or is a folder.
bool ReadWholeFile(const std::string& name, std::string& content);
// What WriteNewFile did.
enum class NewFile {
  Written,     // created, and the content flushed to the disk
  NameTaken,   // an entry of that name exists, a link included; nothing was touched
  NotCreated,  // the system refused to create it for another reason
  NotWritten,  // created, but writing or flushing failed: it may hold part of the content
};
// Creates the file only where no entry of that name exists, and never through a link (CreateFileW
// with CREATE_NEW and FILE_FLAG_OPEN_REPARSE_POINT; open with O_CREAT | O_EXCL | O_NOFOLLOW), writes
// `content` and flushes it to the disk (WriteFile, FlushFileBuffers; write, fsync).
NewFile WriteNewFile(const std::string& name, const std::string& content);
// FileSystem.h's RenameReplacing and RemoveFile for UTF-8 names (rename, unlink).
bool RenameReplacing(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& name);
// Whether both names lead to the same existing file (volume and file index of
// GetFileInformationByHandle); false when either does not exist.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace platform
