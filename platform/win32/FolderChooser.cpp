#include "platform/FolderChooser.h"

#include <shlobj.h>

#include "platform/Window.h"
#include "platform/win32/Internal.h"

namespace platform {

namespace {

int CALLBACK SelectStart(HWND dialog, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED) ::SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, start);
  return 0;
}

}  // namespace

bool ChooseFolder(const Window* owner, const std::string& title, const std::string& startFolder,
                  std::string& folder) {
  BROWSEINFOA info = {};
  info.hwndOwner = owner != nullptr ? ControlAccess::Hwnd(*owner) : nullptr;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = &SelectStart;
  info.lParam = reinterpret_cast<LPARAM>(startFolder.c_str());
  LPITEMIDLIST chosen = ::SHBrowseForFolderA(&info);
  if (chosen == nullptr) return false;
  char path[MAX_PATH + 1] = {};
  const bool ok = ::SHGetPathFromIDListA(chosen, path) != FALSE;
  ::CoTaskMemFree(chosen);
  if (ok) folder = path;
  return ok;
}

}  // namespace platform
