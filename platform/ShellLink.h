// Shell link objects (".lnk" files) through the component-object library: the shell link class
// with IShellLinkW and IPersistFile. Results are HRESULTs (0 is success).
#pragma once
#include <string>

#include "platform/ShellFolder.h"

namespace platform {

// CoInitialize for the calling thread; once at start-up.
long ComInitialize();

class ShellLink {
 public:
  ShellLink() = default;
  ShellLink(const ShellLink&) = delete;
  ShellLink& operator=(const ShellLink&) = delete;
  ~ShellLink() { Release(); }

  // CoCreateInstance of the shell link class, then its IPersistFile.
  long Create();
  // IShellLinkW::SetPath.
  long SetPath(const std::wstring& target) const;
  // IShellLinkW::GetIDList: the target as an item identifier list. Its path, unlike GetPath's under
  // Wine, holds every character of the names.
  long GetIDList(ShellFolderItem& target) const;
  // IPersistFile::Save.
  long Save(const std::wstring& linkPath, bool remember) const;
  // IPersistFile::Load with read access.
  long Load(const std::wstring& linkPath) const;
  // Releases both interfaces.
  void Release();

 private:
  void* link_ = nullptr;
  void* file_ = nullptr;
};

// FormatMessageW of a system or COM error code, without the trailing line break.
std::wstring ErrorText(long code);

}  // namespace platform
