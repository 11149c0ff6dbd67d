// Shell link objects (".lnk" files) through the component-object library: the shell link class
// with IShellLinkA and IPersistFile. Results are HRESULTs (0 is success).
#pragma once
#include <string>

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
  // IShellLinkA::SetPath.
  long SetPath(const std::string& target) const;
  // IShellLinkA::GetPath into room for 260 characters, with a find-data record and no flags.
  long GetPath(std::string& target) const;
  // IPersistFile::Save; the path is handed over as UTF-16 of the ANSI code page.
  long Save(const std::string& linkPath, bool remember) const;
  // IPersistFile::Load with read access.
  long Load(const std::string& linkPath) const;
  // Releases both interfaces.
  void Release();

 private:
  void* link_ = nullptr;
  void* file_ = nullptr;
};

// FormatMessageA of a system or COM error code, without the trailing line break.
std::string ErrorText(long code);

}  // namespace platform
