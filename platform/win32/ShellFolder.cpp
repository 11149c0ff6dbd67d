#include "platform/ShellFolder.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

namespace platform {

long ShellFolderItem::Locate(void* owner, int folder) {
  Release();
  LPITEMIDLIST item = nullptr;
  const HRESULT ergebnis = ::SHGetSpecialFolderLocation(static_cast<HWND>(owner), folder, &item);
  if (SUCCEEDED(ergebnis)) item_ = item;
  return ergebnis;
}

std::wstring ShellFolderItem::Path() const {
  if (item_ == nullptr) return {};
  wchar_t pfad[MAX_PATH + 1] = {};
  if (!::SHGetPathFromIDListW(static_cast<LPCITEMIDLIST>(item_), pfad)) return {};
  return pfad;
}

void ShellFolderItem::Release() {
  if (item_ != nullptr) ::CoTaskMemFree(item_);
  item_ = nullptr;
}

std::wstring WindowsFolder(std::uint32_t room) {
  std::wstring pfad(room + 1, L'\0');
  const UINT laenge = ::GetWindowsDirectoryW(pfad.data(), room);
  // A count not below the room is the size that would have been needed, not a path.
  if (laenge == 0 || laenge >= room) return {};
  pfad.resize(laenge);
  return pfad;
}

}  // namespace platform
