#include "platform/FolderChooser.h"

#include <shlobj.h>

#include "platform/Window.h"
#include "platform/win32/Internal.h"

namespace platform {

namespace {

int CALLBACK SelectStart(HWND dialog, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED) ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

}  // namespace

bool ChooseFolder(const Window* owner, const std::wstring& title, const std::wstring& startFolder,
                  std::wstring& folder) {
  BROWSEINFOW info = {};
  info.hwndOwner = owner != nullptr ? ControlAccess::Hwnd(*owner) : nullptr;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = &SelectStart;
  info.lParam = reinterpret_cast<LPARAM>(startFolder.c_str());
  LPITEMIDLIST chosen = ::SHBrowseForFolderW(&info);
  if (chosen == nullptr) return false;
  wchar_t path[MAX_PATH + 1] = {};
  const bool ok = ::SHGetPathFromIDListW(chosen, path) != FALSE;
  ::CoTaskMemFree(chosen);
  if (ok) folder = path;
  return ok;
}

}  // namespace platform
