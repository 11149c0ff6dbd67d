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

inline std::string MitBackslash(std::string pfad) {
  if (pfad.empty() || pfad.back() != '\\') pfad += '\\';
  return pfad;
}

// A folder of the shell, with a trailing backslash; empty when the shell has none.
inline std::string ShellOrdner(int csidl) {
  char pfad[MAX_PATH] = {};
  if (::SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, pfad) != S_OK) return "";
  return MitBackslash(pfad);
}

inline std::string DesktopOrdner() { return ShellOrdner(CSIDL_COMMON_DESKTOPDIRECTORY); }
inline std::string StartMenueOrdner() { return ShellOrdner(CSIDL_COMMON_STARTMENU); }
inline std::string SchnellStartOrdner() {
  return ShellOrdner(CSIDL_APPDATA) + "Microsoft\\Internet Explorer\\Quick Launch\\";
}
inline std::string ProgrammOrdner() { return ShellOrdner(CSIDL_PROGRAM_FILES); }

inline bool DateiDa(const std::string& pfad) {
  const DWORD a = ::GetFileAttributesA(pfad.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

inline bool OrdnerDa(const std::string& pfad) {
  const DWORD a = ::GetFileAttributesA(pfad.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Creates the folder with all missing parents.
inline bool OrdnerMachen(const std::string& pfad) {
  const std::string voll = MitBackslash(pfad);
  for (std::size_t i = 3; i < voll.size(); ++i) {
    if (voll[i] != '\\') continue;
    const std::string teil = voll.substr(0, i);
    if (!OrdnerDa(teil) && !::CreateDirectoryA(teil.c_str(), nullptr)) return false;
  }
  return true;
}

inline bool DateiSchreiben(const std::string& pfad, const std::string& inhalt) {
  HANDLE h = ::CreateFileA(pfad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD geschrieben = 0;
  const BOOL ok = ::WriteFile(h, inhalt.data(), static_cast<DWORD>(inhalt.size()), &geschrieben, nullptr);
  ::CloseHandle(h);
  return ok && geschrieben == inhalt.size();
}

// The whole file; nullopt when it cannot be read.
inline std::optional<std::string> DateiInhalt(const std::string& pfad) {
  HANDLE h = ::CreateFileA(pfad.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
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
inline void Entfernen(const std::string& pfad) {
  const DWORD a = ::GetFileAttributesA(pfad.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return;
  if ((a & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    ::SetFileAttributesA(pfad.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(pfad.c_str());
    return;
  }
  const std::string ordner = MitBackslash(pfad);
  WIN32_FIND_DATAA fund;
  HANDLE suche = ::FindFirstFileA((ordner + "*").c_str(), &fund);
  if (suche != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = fund.cFileName;
      if (name != "." && name != "..") Entfernen(ordner + name);
    } while (::FindNextFileA(suche, &fund));
    ::FindClose(suche);
  }
  ::RemoveDirectoryA(ordner.substr(0, ordner.size() - 1).c_str());
}

// Writes a shortcut whose only property is its target, as an earlier installation left it.
inline bool LinkAnlegen(const std::string& link, const std::string& ziel) {
  IShellLinkA* shellLink = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shellLink)))) {
    return false;
  }
  bool ok = false;
  IPersistFile* datei = nullptr;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&datei)))) {
    wchar_t breit[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, breit, MAX_PATH);
    ok = SUCCEEDED(shellLink->SetPath(ziel.c_str())) && SUCCEEDED(datei->Save(breit, FALSE));
    datei->Release();
  }
  shellLink->Release();
  return ok;
}

// The target path stored in a shortcut; nullopt when the file is no readable shortcut.
inline std::optional<std::string> LinkZiel(const std::string& link) {
  IShellLinkA* shellLink = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shellLink)))) {
    return std::nullopt;
  }
  std::optional<std::string> ziel;
  IPersistFile* datei = nullptr;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&datei)))) {
    wchar_t breit[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, breit, MAX_PATH);
    if (SUCCEEDED(datei->Load(breit, STGM_READ))) {
      char pfad[MAX_PATH] = {};
      WIN32_FIND_DATAA fund;
      if (SUCCEEDED(shellLink->GetPath(pfad, MAX_PATH, &fund, 0))) ziel = pfad;
    }
    datei->Release();
  }
  shellLink->Release();
  return ziel;
}

// Verb keys under HKEY_CLASSES_ROOT, named as the installer names them: the menu text, a blank and
// three dots.
inline std::string DateiVerb(const std::string& text) { return "*\\shell\\" + text + " ..."; }
inline std::string LaufwerkVerb(const std::string& text) { return "Drive\\shell\\" + text + " ..."; }
inline std::string OrdnerVerb(const std::string& text) { return "Folder\\shell\\" + text + " ..."; }

inline bool SchluesselDa(const std::string& schluessel) {
  HKEY h = nullptr;
  if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, schluessel.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) {
    return false;
  }
  ::RegCloseKey(h);
  return true;
}

// The default value of the verb's "command" subkey; nullopt when the key or the value is missing.
inline std::optional<std::string> VerbBefehl(const std::string& verb) {
  HKEY h = nullptr;
  if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, (verb + "\\command").c_str(), 0, KEY_READ, &h) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  char wert[2048] = {};
  DWORD groesse = sizeof wert - 1;
  DWORD typ = 0;
  const LONG r = ::RegQueryValueExA(h, nullptr, nullptr, &typ, reinterpret_cast<BYTE*>(wert), &groesse);
  ::RegCloseKey(h);
  if (r != ERROR_SUCCESS || typ != REG_SZ) return std::nullopt;
  return std::string(wert);
}

inline bool VerbAnlegen(const std::string& verb, const std::string& befehl) {
  HKEY h = nullptr;
  if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, (verb + "\\command").c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &h, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG r = ::RegSetValueExA(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(befehl.c_str()),
                                  static_cast<DWORD>(befehl.size() + 1));
  ::RegCloseKey(h);
  return r == ERROR_SUCCESS;
}

inline void SchluesselLoeschen(const std::string& schluessel) {
  ::RegDeleteTreeA(HKEY_CLASSES_ROOT, schluessel.c_str());
  ::RegDeleteKeyA(HKEY_CLASSES_ROOT, schluessel.c_str());
}

// The shortcut files of the three shortcut locations for one menu text.
inline std::string DesktopLink(const std::string& text) { return DesktopOrdner() + text + ".lnk"; }
inline std::string StartMenueLink(const std::string& text) { return StartMenueOrdner() + text + ".lnk"; }
inline std::string SchnellStartLink(const std::string& text) {
  return SchnellStartOrdner() + text + ".lnk";
}

// Every entry of all five locations for one menu text, as names for messages: what still exists.
inline std::vector<std::string> VorhandeneEintraege(const std::string& text) {
  std::vector<std::string> da;
  for (const std::string& link : {DesktopLink(text), StartMenueLink(text), SchnellStartLink(text)}) {
    if (DateiDa(link)) da.push_back(link);
  }
  for (const std::string& verb : {LaufwerkVerb(text), OrdnerVerb(text), DateiVerb(text)}) {
    if (SchluesselDa(verb)) da.push_back("HKEY_CLASSES_ROOT\\" + verb);
  }
  return da;
}

inline void EintraegeEntfernen(const std::string& text) {
  for (const std::string& link : {DesktopLink(text), StartMenueLink(text), SchnellStartLink(text)}) {
    Entfernen(link);
  }
  for (const std::string& verb : {LaufwerkVerb(text), OrdnerVerb(text), DateiVerb(text)}) {
    SchluesselLoeschen(verb);
  }
}

}  // namespace e2e
