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
constexpr IID kShellLinkA = {0x000214EE, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kPersistFile = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

IShellLinkA* Link(void* p) { return static_cast<IShellLinkA*>(p); }
IPersistFile* File(void* p) { return static_cast<IPersistFile*>(p); }

std::wstring Utf16(const std::string& text) {
  int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(length > 0 ? length : 1, L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  return wide;
}

}  // namespace

long ComInitialize() { return ::CoInitialize(nullptr); }

long ShellLink::Create() {
  Release();
  void* link = nullptr;
  HRESULT result = ::CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkA, &link);
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

long ShellLink::SetPath(const std::string& target) const { return Link(link_)->SetPath(target.c_str()); }

long ShellLink::GetPath(std::string& target) const {
  char path[MAX_PATH + 1] = {};
  WIN32_FIND_DATAA found = {};
  HRESULT result = Link(link_)->GetPath(path, MAX_PATH, &found, 0);
  target = path;
  return result;
}

long ShellLink::Save(const std::string& linkPath, bool remember) const {
  return File(file_)->Save(Utf16(linkPath).c_str(), remember ? TRUE : FALSE);
}

long ShellLink::Load(const std::string& linkPath) const { return File(file_)->Load(Utf16(linkPath).c_str(), STGM_READ); }

void ShellLink::Release() {
  if (file_ != nullptr) File(file_)->Release();
  if (link_ != nullptr) Link(link_)->Release();
  file_ = nullptr;
  link_ = nullptr;
}

std::string ErrorText(long code) {
  char* buffer = nullptr;
  DWORD length = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text(buffer != nullptr ? buffer : "", length);
  if (buffer != nullptr) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return text;
}

}  // namespace platform
