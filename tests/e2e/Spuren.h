// What the installer leaves on the system, read and made with plain Win32 calls: files and folders,
// the folders of the menu locations, shortcut files and the Explorer verb keys under the class root.
// The end-to-end tests check the installer's effects with these, and prepare earlier installations.
#pragma once
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

inline std::wstring MitBackslash(std::wstring pfad) {
  if (pfad.empty() || pfad.back() != L'\\') pfad += L'\\';
  return pfad;
}

// A folder of the shell, with a trailing backslash; empty when the shell has none.
inline std::wstring ShellOrdner(int csidl) {
  wchar_t pfad[MAX_PATH] = {};
  if (::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, pfad) != S_OK) return L"";
  return MitBackslash(pfad);
}

inline std::wstring DesktopOrdner() { return ShellOrdner(CSIDL_COMMON_DESKTOPDIRECTORY); }
inline std::wstring StartMenueOrdner() { return ShellOrdner(CSIDL_COMMON_STARTMENU); }
inline std::wstring SchnellStartOrdner() {
  return ShellOrdner(CSIDL_APPDATA) + L"Microsoft\\Internet Explorer\\Quick Launch\\";
}
inline std::wstring ProgrammOrdner() { return ShellOrdner(CSIDL_PROGRAM_FILES); }

inline bool DateiDa(const std::wstring& pfad) {
  const DWORD a = ::GetFileAttributesW(pfad.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

inline bool OrdnerDa(const std::wstring& pfad) {
  const DWORD a = ::GetFileAttributesW(pfad.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Creates the folder with all missing parents.
inline bool OrdnerMachen(const std::wstring& pfad) {
  const std::wstring voll = MitBackslash(pfad);
  for (std::size_t i = 3; i < voll.size(); ++i) {
    if (voll[i] != L'\\') continue;
    const std::wstring teil = voll.substr(0, i);
    if (!OrdnerDa(teil) && !::CreateDirectoryW(teil.c_str(), nullptr)) return false;
  }
  return true;
}

inline bool DateiSchreiben(const std::wstring& pfad, const std::string& inhalt) {
  HANDLE h = ::CreateFileW(pfad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD geschrieben = 0;
  const BOOL ok = ::WriteFile(h, inhalt.data(), static_cast<DWORD>(inhalt.size()), &geschrieben, nullptr);
  ::CloseHandle(h);
  return ok && geschrieben == inhalt.size();
}

// The whole file; nullopt when it cannot be read.
inline std::optional<std::string> DateiInhalt(const std::wstring& pfad) {
  HANDLE h = ::CreateFileW(pfad.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string inhalt;
  char puffer[65536];
  DWORD gelesen = 0;
  while (::ReadFile(h, puffer, sizeof puffer, &gelesen, nullptr) && gelesen > 0) {
    inhalt.append(puffer, gelesen);
  }
  ::CloseHandle(h);
  return inhalt;
}

// Removes a file, or a folder with everything in it. A missing path is fine.
inline void Entfernen(const std::wstring& pfad) {
  const DWORD a = ::GetFileAttributesW(pfad.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return;
  if ((a & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    ::SetFileAttributesW(pfad.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(pfad.c_str());
    return;
  }
  const std::wstring ordner = MitBackslash(pfad);
  WIN32_FIND_DATAW fund;
  HANDLE suche = ::FindFirstFileW((ordner + L"*").c_str(), &fund);
  if (suche != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = fund.cFileName;
      if (name != L"." && name != L"..") Entfernen(ordner + name);
    } while (::FindNextFileW(suche, &fund));
    ::FindClose(suche);
  }
  ::RemoveDirectoryW(ordner.substr(0, ordner.size() - 1).c_str());
}

// Writes a shortcut whose only property is its target, as an earlier installation left it.
inline bool LinkAnlegen(const std::wstring& link, const std::wstring& ziel) {
  IShellLinkW* shellLink = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink)))) {
    return false;
  }
  bool ok = false;
  IPersistFile* datei = nullptr;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&datei)))) {
    ok = SUCCEEDED(shellLink->SetPath(ziel.c_str())) && SUCCEEDED(datei->Save(link.c_str(), FALSE));
    datei->Release();
  }
  shellLink->Release();
  return ok;
}

// The target path stored in a shortcut; nullopt when the file is no readable shortcut.
inline std::optional<std::wstring> LinkZiel(const std::wstring& link) {
  IShellLinkW* shellLink = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink)))) {
    return std::nullopt;
  }
  std::optional<std::wstring> ziel;
  IPersistFile* datei = nullptr;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&datei)))) {
    if (SUCCEEDED(datei->Load(link.c_str(), STGM_READ))) {
      // From the item identifier list: Wine's GetPath gives the names through the ANSI code page.
      PIDLIST_ABSOLUTE liste = nullptr;
      wchar_t pfad[MAX_PATH] = {};
      if (SUCCEEDED(shellLink->GetIDList(&liste)) && ::SHGetPathFromIDListW(liste, pfad)) ziel = pfad;
      ::CoTaskMemFree(liste);
    }
    datei->Release();
  }
  shellLink->Release();
  return ziel;
}

// Verb keys under HKEY_CLASSES_ROOT, named as the installer names them: the menu text, a blank and
// three dots.
inline std::wstring DateiVerb(const std::wstring& text) { return L"*\\shell\\" + text + L" ..."; }
inline std::wstring LaufwerkVerb(const std::wstring& text) { return L"Drive\\shell\\" + text + L" ..."; }
inline std::wstring OrdnerVerb(const std::wstring& text) { return L"Folder\\shell\\" + text + L" ..."; }

inline bool SchluesselDa(const std::wstring& schluessel) {
  HKEY h = nullptr;
  if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, schluessel.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) {
    return false;
  }
  ::RegCloseKey(h);
  return true;
}

// The default value of the verb's "command" subkey; nullopt when the key or the value is missing.
inline std::optional<std::wstring> VerbBefehl(const std::wstring& verb) {
  HKEY h = nullptr;
  if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, (verb + L"\\command").c_str(), 0, KEY_READ, &h) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  wchar_t wert[2048] = {};
  DWORD groesse = sizeof wert - sizeof(wchar_t);
  DWORD typ = 0;
  const LONG r = ::RegQueryValueExW(h, nullptr, nullptr, &typ, reinterpret_cast<BYTE*>(wert), &groesse);
  ::RegCloseKey(h);
  if (r != ERROR_SUCCESS || typ != REG_SZ) return std::nullopt;
  return std::wstring(wert);
}

inline bool VerbAnlegen(const std::wstring& verb, const std::wstring& befehl) {
  HKEY h = nullptr;
  if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, (verb + L"\\command").c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &h, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG r = ::RegSetValueExW(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(befehl.c_str()),
                                  static_cast<DWORD>((befehl.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(h);
  return r == ERROR_SUCCESS;
}

inline void SchluesselLoeschen(const std::wstring& schluessel) {
  ::RegDeleteTreeW(HKEY_CLASSES_ROOT, schluessel.c_str());
  ::RegDeleteKeyW(HKEY_CLASSES_ROOT, schluessel.c_str());
}

// The shortcut files of the three shortcut locations for one menu text.
inline std::wstring DesktopLink(const std::wstring& text) { return DesktopOrdner() + text + L".lnk"; }
inline std::wstring StartMenueLink(const std::wstring& text) { return StartMenueOrdner() + text + L".lnk"; }
inline std::wstring SchnellStartLink(const std::wstring& text) {
  return SchnellStartOrdner() + text + L".lnk";
}

// Every entry of all five locations for one menu text, as names for messages: what still exists.
inline std::vector<std::wstring> VorhandeneEintraege(const std::wstring& text) {
  std::vector<std::wstring> da;
  for (const std::wstring& link : {DesktopLink(text), StartMenueLink(text), SchnellStartLink(text)}) {
    if (DateiDa(link)) da.push_back(link);
  }
  for (const std::wstring& verb : {LaufwerkVerb(text), OrdnerVerb(text), DateiVerb(text)}) {
    if (SchluesselDa(verb)) da.push_back(L"HKEY_CLASSES_ROOT\\" + verb);
  }
  return da;
}

inline void EintraegeEntfernen(const std::wstring& text) {
  for (const std::wstring& link : {DesktopLink(text), StartMenueLink(text), SchnellStartLink(text)}) {
    Entfernen(link);
  }
  for (const std::wstring& verb : {LaufwerkVerb(text), OrdnerVerb(text), DateiVerb(text)}) {
    SchluesselLoeschen(verb);
  }
}

}  // namespace e2e
