#include "platform/Registry.h"

#include <windows.h>

namespace platform {

long ClassesRootKey::Create(const std::wstring& path, std::uint32_t access) {
  Close();
  HKEY key = nullptr;
  LONG result = ::RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  access, nullptr, &key, nullptr);
  if (result == ERROR_SUCCESS) key_ = key;
  return result;
}

long ClassesRootKey::Open(const std::wstring& path, std::uint32_t access) {
  Close();
  HKEY key = nullptr;
  LONG result = ::RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, access, &key);
  if (result == ERROR_SUCCESS) key_ = key;
  return result;
}

long ClassesRootKey::ReadDefault(std::wstring& text) const {
  text.clear();
  DWORD type = 0;
  DWORD size = 0;
  LONG result = ::RegQueryValueExW(static_cast<HKEY>(key_), nullptr, nullptr, &type, nullptr, &size);
  if (result != ERROR_SUCCESS) return result;
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return ERROR_SUCCESS;
  // One character more than the value: the stored text may or may not carry its terminating NUL.
  std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
  result = ::RegQueryValueExW(static_cast<HKEY>(key_), nullptr, nullptr, &type,
                              reinterpret_cast<BYTE*>(buffer.data()), &size);
  if (result == ERROR_SUCCESS) text = buffer.c_str();
  return result;
}

long ClassesRootKey::WriteDefault(const std::wstring& text) const {
  return ::RegSetValueExW(static_cast<HKEY>(key_), nullptr, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

long ClassesRootKey::Close() {
  if (key_ == nullptr) return ERROR_SUCCESS;
  LONG result = ::RegCloseKey(static_cast<HKEY>(key_));
  key_ = nullptr;
  return result;
}

bool ClassesRootKeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  ::RegCloseKey(key);
  return true;
}

namespace {

// A symbolic link is opened and deleted as the key it is (REG_OPTION_OPEN_LINK, and the deletion
// through its own handle): what it points to lies outside the tree.
LONG DeleteTree(HKEY parent, const wchar_t* path) {
  HKEY key = nullptr;
  LONG result = ::RegOpenKeyExW(parent, path, REG_OPTION_OPEN_LINK, KEY_ENUMERATE_SUB_KEYS, &key);
  if (result != ERROR_SUCCESS) return result;
  // Each deletion moves the next subkey to index 0.
  for (;;) {
    wchar_t name[256];
    DWORD size = 256;
    result = ::RegEnumKeyExW(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result == ERROR_SUCCESS) result = DeleteTree(key, name);
    if (result != ERROR_SUCCESS) {
      ::RegCloseKey(key);
      return result;
    }
  }
  result = ::RegDeleteKeyW(key, L"");
  ::RegCloseKey(key);
  return result;
}

}  // namespace

long ClassesRootDeleteTree(const std::wstring& path) { return DeleteTree(HKEY_CLASSES_ROOT, path.c_str()); }

}  // namespace platform
