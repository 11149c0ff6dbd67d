// One running Setup.exe, driven from outside as a user drives it: its windows are found as
// Teile.h describes, read through window messages and styles (captions, check states, the own
// visibility flag, enabled state, geometry), and operated through real input.
//
// Input: clicks are real mouse input (the cursor set onto the control's centre, then a left press
// and release through SendInput); keys go through SendInput with virtual key and scan code, into
// the foreground window, modifiers held around the keys as a hand holds them. Both are reliable on
// plain Xvfb once a newly activated window has settled (see Vordergrund), so BM_CLICK is not used.
// Only the edit field's text is also set by message (WM_SETTEXT, which makes the edit control
// report EN_CHANGE as typing does).
#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/Teile.h"
#include "tests/support/Automation.h"

namespace e2e {

// Polls `bedingung` every 10 ms until it holds or `millisekunden` have passed; answers whether it
// held.
inline bool WartenBis(const std::function<bool()>& bedingung, DWORD millisekunden = 10000) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (bedingung()) return true;
    if (::GetTickCount() - start >= millisekunden) return bedingung();
    ::Sleep(10);
  }
}

struct ProzessFensterSuche {
  DWORD pid;
  bool besessen;
  HWND fund;
};

// A callback of the system: its calling convention (stdcall on i686) is not a lambda's.
inline BOOL CALLBACK ProzessFensterVergleichen(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<ProzessFensterSuche*>(p);
  DWORD von = 0;
  ::GetWindowThreadProcessId(w, &von);
  if (von != s->pid || Klasse(w) != "ZQWindow" || (::GetWindow(w, GW_OWNER) != nullptr) != s->besessen) return TRUE;
  s->fund = w;
  return FALSE;
}

// A top-level window of process `pid`: the main window, which no window owns, or the diagnostics
// window, which the main window owns; null when there is none.
inline HWND FensterDesProzesses(DWORD pid, bool besessen) {
  ProzessFensterSuche suche{pid, besessen, nullptr};
  ::EnumWindows(&ProzessFensterVergleichen, reinterpret_cast<LPARAM>(&suche));
  return suche.fund;
}

// Modifier keys held around a key.
inline constexpr unsigned kStrg = 1;
inline constexpr unsigned kAlt = 2;
inline constexpr unsigned kUmschalt = 4;
inline constexpr unsigned kStrgAltUmschalt = kStrg | kAlt | kUmschalt;

inline INPUT TastenEingabe(WORD taste, bool los) {
  INPUT e = {};
  e.type = INPUT_KEYBOARD;
  e.ki.wVk = taste;
  e.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(taste, MAPVK_VK_TO_VSC));
  e.ki.dwFlags = los ? KEYEVENTF_KEYUP : 0;
  return e;
}

inline void Eingeben(std::vector<INPUT> folge) {
  ::SendInput(static_cast<UINT>(folge.size()), folge.data(), sizeof(INPUT));
  ::Sleep(30);
}

inline std::vector<WORD> Modifikatoren(unsigned halten) {
  std::vector<WORD> mods;
  if (halten & kStrg) mods.push_back(VK_CONTROL);
  if (halten & kAlt) mods.push_back(VK_MENU);
  if (halten & kUmschalt) mods.push_back(VK_SHIFT);
  return mods;
}

// Presses (or releases, in reverse order) the modifier keys in `halten`.
inline void ModifikatorenDruecken(unsigned halten) {
  std::vector<INPUT> folge;
  for (WORD m : Modifikatoren(halten)) folge.push_back(TastenEingabe(m, false));
  Eingeben(folge);
}
inline void ModifikatorenLoslassen(unsigned halten) {
  const std::vector<WORD> mods = Modifikatoren(halten);
  std::vector<INPUT> folge;
  for (auto m = mods.rbegin(); m != mods.rend(); ++m) folge.push_back(TastenEingabe(*m, true));
  Eingeben(folge);
}

// Whether every modifier in `halten` is down in the system's key state.
inline bool Gehalten(unsigned halten) {
  for (WORD m : Modifikatoren(halten)) {
    if ((::GetAsyncKeyState(m) & 0x8000) == 0) return false;
  }
  return true;
}

// Presses and releases each key of `tasten` (virtual keys) in turn while the modifiers in
// `halten` stay held throughout, as a user's hand does. Wine sets the modifiers to the X
// keyboard's state, where nothing is held, when a window gets the X input focus, which can come
// late on a busy machine (see Vordergrund); a sequence during which a modifier was let go that way
// did not reach the window as sent, and is sent again.
inline void Tasten(std::initializer_list<WORD> tasten, unsigned halten = 0) {
  for (int versuch = 0; versuch < 5; ++versuch) {
    ModifikatorenDruecken(halten);
    for (WORD t : tasten) Eingeben({TastenEingabe(t, false), TastenEingabe(t, true)});
    const bool heil = Gehalten(halten);
    ModifikatorenLoslassen(halten);
    if (heil) return;
  }
  ADD_FAILURE() << "the modifier keys were let go during every attempt";
}

inline void Taste(WORD taste, unsigned halten = 0) { Tasten({taste}, halten); }

inline void Maustaste(bool los) {
  INPUT e = {};
  e.type = INPUT_MOUSE;
  e.mi.dwFlags = los ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
  ::SendInput(1, &e, sizeof(INPUT));
}

// When a window becomes the foreground window, Wine hands it the X input focus a little later, and
// that focus change sets the modifier keys' state from the X keyboard, where nothing is held: a
// Ctrl, Alt or Shift sent in between is lost. So a window counts as ready for keys only after it
// has been the foreground window for a while.
inline HWND vordergrundFenster = nullptr;
inline DWORD vordergrundSeit = 0;
inline constexpr DWORD kFokusRuhe = 500;

// Makes `fenster` the foreground window and waits until keys reach it: the settling time has
// passed and the window's thread has taken its pending messages since (the X focus comes to it as
// such an event, so a busy thread may take it late).
inline bool Vordergrund(HWND fenster) {
  if (::GetForegroundWindow() != fenster) {
    ::SetForegroundWindow(fenster);
    if (!WartenBis([&] { return ::GetForegroundWindow() == fenster; }, 10000)) return false;
  }
  if (vordergrundFenster != fenster) {
    vordergrundFenster = fenster;
    vordergrundSeit = ::GetTickCount();
  }
  const DWORD dauer = ::GetTickCount() - vordergrundSeit;
  if (dauer < kFokusRuhe) ::Sleep(kFokusRuhe - dauer);
  DWORD_PTR antwort = 0;
  ::SendMessageTimeoutA(fenster, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &antwort);
  return ::GetForegroundWindow() == fenster;
}

inline POINT Mitte(HWND control) {
  RECT r = {};
  ::GetWindowRect(control, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A real left click at the control's centre, in the top-level window `oben`.
inline void MausKlick(HWND oben, HWND control) {
  // Two clicks on one spot within the double-click time would arrive as a double click.
  static DWORD letzterKlick = 0;
  const DWORD seit = ::GetTickCount() - letzterKlick;
  const DWORD doppel = ::GetDoubleClickTime() + 50;
  if (seit < doppel) ::Sleep(doppel - seit);
  // A click reaches a window in the background too, and activates it, as it does for a user.
  Vordergrund(oben);
  const POINT p = Mitte(control);
  ::SetCursorPos(p.x, p.y);
  WartenBis([&] {
    POINT jetzt = {};
    ::GetCursorPos(&jetzt);
    return jetzt.x == p.x && jetzt.y == p.y;
  }, 1000);
  Maustaste(false);
  Maustaste(true);
  letzterKlick = ::GetTickCount();
}

// Starts `exe` with `argumente` in `ordner`; a failure fails the test.
inline bool Starten(const std::wstring& exe, const std::wstring& argumente, const std::wstring& ordner,
                    PROCESS_INFORMATION& prozess) {
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  std::wstring befehl = L"\"" + exe + L"\"" + argumente;
  if (!::CreateProcessW(exe.c_str(), befehl.data(), nullptr, nullptr, FALSE, 0, nullptr, ordner.c_str(), &si,
                        &prozess)) {
    ADD_FAILURE() << "CreateProcessW " << exe << " failed: " << ::GetLastError();
    return false;
  }
  return true;
}

class Installer {
 public:
  // Starts `exe` with `ordner` as its current folder and waits for its main window to show.
  Installer(const std::wstring& exe, const std::wstring& ordner) {
    // A window handle of an earlier process may come again.
    vordergrundFenster = nullptr;
    if (!Starten(exe, L"", ordner, prozess_)) return;
    WartenBis([&] {
      aa_ = FensterDesProzesses(prozess_.dwProcessId, false);
      return aa_ != nullptr && automation::OwnVisible(aa_);
    }, 20000);
    if (aa_ == nullptr || !automation::OwnVisible(aa_)) {
      ADD_FAILURE() << "the main window of " << exe << " did not show";
      aa_ = nullptr;
    }
  }

  // A process that is still there (a failed test) is ended, so that none lingers.
  ~Installer() {
    if (prozess_.hProcess == nullptr) return;
    if (Laeuft()) {
      ::TerminateProcess(prozess_.hProcess, 1);
      ::WaitForSingleObject(prozess_.hProcess, 5000);
    }
    ::CloseHandle(prozess_.hThread);
    ::CloseHandle(prozess_.hProcess);
  }

  Installer(const Installer&) = delete;
  Installer& operator=(const Installer&) = delete;

  bool Bereit() const { return aa_ != nullptr; }
  HWND Hauptfenster() const { return aa_; }
  DWORD Pid() const { return prozess_.dwProcessId; }

  bool Laeuft() const {
    return prozess_.hProcess != nullptr && ::WaitForSingleObject(prozess_.hProcess, 0) == WAIT_TIMEOUT;
  }

  // The control `name` of the main window; a missing one fails the test.
  HWND Teil(const std::string& name) const { return TeilVon(aa_, name); }

  static HWND TeilVon(HWND oben, const std::string& name) {
    HWND w = oben != nullptr ? Finden(oben, name) : nullptr;
    if (w == nullptr) ADD_FAILURE() << "no control " << name << " (or more than one)";
    return w;
  }

  std::wstring Text(const std::string& name) const { return TextVon(Teil(name)); }
  static std::wstring TextVon(HWND w) { return w != nullptr ? automation::Text(w) : std::wstring(); }
  bool Sichtbar(const std::string& name) const {
    HWND w = Teil(name);
    return w != nullptr && automation::OwnVisible(w);
  }
  // The window with the keyboard focus in the installer's thread, or null.
  HWND Fokus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(aa_, nullptr), &info) ? info.hwndFocus : nullptr;
  }
  bool Aktiv(const std::string& name) const {
    HWND w = Teil(name);
    return w != nullptr && ::IsWindowEnabled(w);
  }
  // BM_GETCHECK: 0 cleared, 1 ticked, 2 grayed; -1 when the control is missing.
  int Zustand(const std::string& name) const { return ZustandVon(Teil(name)); }
  static int ZustandVon(HWND w) {
    return w != nullptr ? static_cast<int>(::SendMessageA(w, BM_GETCHECK, 0, 0)) : -1;
  }

  // The pages whose own visibility flag is set, in a fixed order.
  std::vector<std::string> SichtbareSeiten() const {
    std::vector<std::string> seiten;
    for (const char* seite : {"PaFehler", "PaIstSchonDa", "PaPfad", "PaChecks", "PaLeer"}) {
      if (Sichtbar(seite)) seiten.push_back(seite);
    }
    return seiten;
  }

  // Waits until exactly `seite` is the visible page.
  bool WartenAufSeite(const std::string& seite, DWORD millisekunden = 10000) const {
    return WartenBis([&] { return SichtbareSeiten() == std::vector<std::string>{seite}; }, millisekunden);
  }

  void Klicken(const std::string& name) const {
    HWND w = Teil(name);
    if (w != nullptr) MausKlick(aa_, w);
  }

  // Sets the edit field's text as a whole.
  void TextSetzen(const std::string& name, const std::wstring& text) const {
    HWND w = Teil(name);
    if (w != nullptr) ::SendMessageW(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  // Presses keys in the main window, the modifiers in `halten` held throughout.
  void Druecken(std::initializer_list<WORD> tasten, unsigned halten = 0) const {
    EXPECT_TRUE(Vordergrund(aa_)) << "the main window does not come to the foreground";
    Tasten(tasten, halten);
  }
  void Druecken(WORD taste, unsigned halten = 0) const { Druecken({taste}, halten); }

  // The diagnostics window of this process once it shows, or null after `millisekunden`.
  HWND Diagnosefenster(DWORD millisekunden) const {
    HWND gg = nullptr;
    WartenBis([&] {
      gg = FensterDesProzesses(prozess_.dwProcessId, true);
      return gg != nullptr && automation::OwnVisible(gg);
    }, millisekunden);
    return gg != nullptr && automation::OwnVisible(gg) ? gg : nullptr;
  }

  bool DiagnosefensterZu(DWORD millisekunden = 10000) const {
    return WartenBis([&] {
      HWND gg = FensterDesProzesses(prozess_.dwProcessId, true);
      return gg == nullptr || !automation::OwnVisible(gg);
    }, millisekunden);
  }

  // Ends the process at once, as the task manager or a power cut would; answers whether it ended.
  bool Abwuergen() const {
    return ::TerminateProcess(prozess_.hProcess, 1) && ::WaitForSingleObject(prozess_.hProcess, 10000) == WAIT_OBJECT_0;
  }

  // Ends the installer with its close button; answers whether the process ended.
  bool Beenden() const {
    if (!Laeuft()) return false;
    Klicken("BuClose");
    return ::WaitForSingleObject(prozess_.hProcess, 10000) == WAIT_OBJECT_0;
  }

 private:
  PROCESS_INFORMATION prozess_ = {};
  HWND aa_ = nullptr;
};

}  // namespace e2e
