// The shell's folder chooser (SHBrowseForFolderW).
#pragma once
#include <string>

namespace platform {

class Window;

// Shows the chooser with `title` above the folder tree, the folder `startFolder` selected when it
// exists. On confirmation returns true with the chosen path (SHGetPathFromIDListW, without a
// trailing backslash except for a drive's root) in `folder`; on cancel returns false and leaves
// `folder` alone.
bool ChooseFolder(const Window* owner, const std::wstring& title, const std::wstring& startFolder,
                  std::wstring& folder);

}  // namespace platform
