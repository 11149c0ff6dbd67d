// System folders: the shell's special folders and the Windows folder.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

inline constexpr int kFolderCommonStartMenu = 0x16;         // CSIDL_COMMON_STARTMENU
inline constexpr int kFolderCommonDesktopDirectory = 0x19;  // CSIDL_COMMON_DESKTOPDIRECTORY
inline constexpr int kFolderAppData = 0x1A;                 // CSIDL_APPDATA
inline constexpr int kFolderCommonAppData = 0x23;           // CSIDL_COMMON_APPDATA
inline constexpr int kFolderProgramFiles = 0x26;            // CSIDL_PROGRAM_FILES

// A shell item identifier list, as SHGetSpecialFolderLocation or a shell link hands it out; freed
// with the object.
class ShellFolderItem {
 public:
  ShellFolderItem() = default;
  ShellFolderItem(const ShellFolderItem&) = delete;
  ShellFolderItem& operator=(const ShellFolderItem&) = delete;
  ~ShellFolderItem() { Release(); }

  // SHGetSpecialFolderLocation for the folder `folder` with `owner` as the owner window; its
  // result code (0 on success).
  long Locate(void* owner, int folder);
  // SHGetPathFromIDListW into room for 260 characters: the text up to its NUL; empty when the
  // call fails or nothing has been located.
  std::wstring Path() const;

 private:
  friend class ShellLink;
  void Release();
  void* item_ = nullptr;
};

// GetWindowsDirectoryW with room for `room` characters: as many characters as it reports; empty
// when it fails or the room is too small.
std::wstring WindowsFolder(std::uint32_t room);

}  // namespace platform
