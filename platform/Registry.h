// Keys and default values under HKEY_CLASSES_ROOT, opened with the access the caller asks for.
// Results are the registry's own error codes (0 is success).
#pragma once
#include <cstdint>
#include <string>

namespace platform {

inline constexpr std::uint32_t kKeyRead = 0x20019;   // KEY_READ
inline constexpr std::uint32_t kKeyWrite = 0x20006;  // KEY_WRITE

class ClassesRootKey {
 public:
  ClassesRootKey() = default;
  ClassesRootKey(const ClassesRootKey&) = delete;
  ClassesRootKey& operator=(const ClassesRootKey&) = delete;
  ~ClassesRootKey() { Close(); }

  // RegCreateKeyExW: opens `path` with `access`, creating it and every missing parent.
  long Create(const std::wstring& path, std::uint32_t access);
  // RegOpenKeyExW of an existing key with `access`.
  long Open(const std::wstring& path, std::uint32_t access);
  // RegQueryValueExW of the default value; a value that is no text reads as the empty text.
  long ReadDefault(std::wstring& text) const;
  // RegSetValueExW of the default value as REG_SZ.
  long WriteDefault(const std::wstring& text) const;
  // RegCloseKey, once; the result of closing.
  long Close();

 private:
  void* key_ = nullptr;
};

// RegOpenKeyExW succeeds for `path` (the key is closed again at once).
bool ClassesRootKeyExists(const std::wstring& path);
// `path` with all its subkeys and values, deepest first (RegDeleteKeyW, which every Windows has);
// a symbolic link goes as a key, not followed. The first error stops it and is the result; the
// keys not yet reached stay as they were, and a later call can finish the work.
long ClassesRootDeleteTree(const std::wstring& path);

}  // namespace platform
