// Keys and default values under HKEY_CLASSES_ROOT, opened with full access. Results are the
// registry's own error codes (0 is success).
#pragma once
#include <string>

namespace platform {

class ClassesRootKey {
 public:
  ClassesRootKey() = default;
  ClassesRootKey(const ClassesRootKey&) = delete;
  ClassesRootKey& operator=(const ClassesRootKey&) = delete;
  ~ClassesRootKey() { Close(); }

  // RegCreateKeyExA: opens `path`, creating it and every missing parent.
  long Create(const std::string& path);
  // RegOpenKeyExA of an existing key.
  long Open(const std::string& path);
  // RegQueryValueExA of the default value; a value that is no text reads as the empty text.
  long ReadDefault(std::string& text) const;
  // RegSetValueExA of the default value as REG_SZ.
  long WriteDefault(const std::string& text) const;
  // RegCloseKey, once; the result of closing.
  long Close();

 private:
  void* key_ = nullptr;
};

// RegOpenKeyExA succeeds for `path` (the key is closed again at once).
bool ClassesRootKeyExists(const std::string& path);
// RegDeleteTreeA: `path` with all its subkeys and values.
long ClassesRootDeleteTree(const std::string& path);

}  // namespace platform
