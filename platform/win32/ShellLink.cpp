#include "platform/ShellLink.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

namespace platform {

namespace {

// The link's identifiers, here rather than from the uuid library, whose one object would bring
// every identifier of the system along.
constexpr CLSID kShellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kShellLinkW = {0x000214F9, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kPersistFile = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

IShellLinkW* Link(void* p) { return static_cast<IShellLinkW*>(p); }
IPersistFile* File(void* p) { return static_cast<IPersistFile*>(p); }

}  // namespace

long ComInitialize() { return ::CoInitialize(nullptr); }

long ShellLink::Create() {
  Release();
  void* link = nullptr;
  HRESULT result = ::CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkW, &link);
  if (FAILED(result)) return result;
  link_ = link;
  void* file = nullptr;
  result = Link(link_)->QueryInterface(kPersistFile, &file);
  if (FAILED(result)) {
    Release();
    return result;
  }
  file_ = file;
  return result;
}

long ShellLink::SetPath(const std::wstring& target) const { return Link(link_)->SetPath(target.c_str()); }

long ShellLink::GetIDList(ShellFolderItem& target) const {
  target.Release();
  LPITEMIDLIST item = nullptr;
  const HRESULT result = Link(link_)->GetIDList(&item);
  if (SUCCEEDED(result)) target.item_ = item;
  return result;
}

long ShellLink::Save(const std::wstring& linkPath, bool remember) const {
  return File(file_)->Save(linkPath.c_str(), remember ? TRUE : FALSE);
}

long ShellLink::Load(const std::wstring& linkPath) const { return File(file_)->Load(linkPath.c_str(), STGM_READ); }

void ShellLink::Release() {
  if (file_ != nullptr) File(file_)->Release();
  if (link_ != nullptr) Link(link_)->Release();
  file_ = nullptr;
  link_ = nullptr;
}

std::wstring ErrorText(long code) {
  wchar_t* buffer = nullptr;
  DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer != nullptr ? buffer : L"", length);
  if (buffer != nullptr) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  return text;
}

}  // namespace platform
