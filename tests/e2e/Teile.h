// The installer's controls as an automation tool tells them apart, from outside and without any
// help from the program: by kind (window class), caption, parent and position. The names are the
// tests' own words for them, the same as the program's members.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/Automation.h"

namespace e2e {

inline std::string Klasse(HWND w) {
  char klasse[64] = {};
  ::GetClassNameA(w, klasse, sizeof klasse);
  return klasse;
}

inline BOOL CALLBACK NachfahrSammeln(HWND w, LPARAM p) {
  reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
  return TRUE;
}

// Every window below `oben`, at any depth.
inline std::vector<HWND> Nachfahren(HWND oben) {
  std::vector<HWND> alle;
  ::EnumChildWindows(oben, &NachfahrSammeln, reinterpret_cast<LPARAM>(&alle));
  return alle;
}

// The windows of class `klasse` below `oben` whose caption begins with `anfang` (all of them,
// captions of any kind, for null).
inline std::vector<HWND> MitText(HWND oben, const char* klasse, const wchar_t* anfang) {
  std::vector<HWND> treffer;
  for (HWND w : Nachfahren(oben)) {
    if (Klasse(w) == klasse && (anfang == nullptr || automation::Text(w).rfind(anfang, 0) == 0)) treffer.push_back(w);
  }
  return treffer;
}

inline HWND Eltern(HWND w) { return w != nullptr ? ::GetAncestor(w, GA_PARENT) : nullptr; }

inline int LinkerRand(HWND w) {
  RECT r = {};
  ::GetWindowRect(w, &r);
  return r.left;
}

struct Beschriftet {
  const char* name;
  const char* klasse;
  const wchar_t* anfang;
};

// Controls that their caption names, in the main window and the diagnostics window.
inline constexpr Beschriftet kBeschriftet[] = {
    {"BuClose", "Button", L"Beenden"},
    {"BuFehler", "Button", L"zurück zur vorherigen Anzeige"},
    {"BuNichtKopieren", "Button", L"sie sollen für immer dort bleiben"},
    {"BuVerzKopie", "Button", L"sie sollen in dieses Verzeichnis kopiert werden"},
    {"BuBehalten", "Button", L"die vorhandene Installation soll geändert werden"},
    {"BuEntfUndNeu", "Button", L"die Installation soll ganz neu gemacht werden"},
    {"BuEntfernen", "Button", L"die vorhandene Installation soll nur entfernt werden"},
    {"CheSchnell", "Button", L"XP-Schnell-Start-Bereich"},
    {"CheStart", "Button", L"Start-Menü"},
    {"SpeVerzSuche", "ZQSpeedButton", L"suchen ..."},
    {"LaDesktop", "ZQLabel", L"  Hintergrund-"},
    {"LaSchnell", "ZQLabel", L"(wenn der Bereich sichtbar ist)"},
    {"LaKopiert", "ZQLabel", L"kopiert ..."},
    {"LaPfad", "ZQLabel", L"Das Programm ist noch nicht neu installiert worden."},
    {"LaIstSchonDa", "ZQLabel", L"Eine alte Installation ist schon vorhanden."},
    {"LaLeer", "ZQLabel", L"Fertig."},
    {"LaSchritt", "ZQLabel", L"Schritt "},
    {"LaZielOrt", "ZQLabel", L"Ziel-Ort = "},
    {"PaFuss2", "ZQPanel", L"Installations-Programm, Version "},
    {"EdVerz", "Edit", nullptr},
    {"ChePanelPfad", "Button", L"Pfad-Seite anzeigen"},
    {"ChePanelFehler", "Button", L"Fehler-Seite anzeigen"},
    {"ChePanelIstSchonDa", "Button", L"IstSchonDa-Seite anzeigen"},
    {"ChePanelChecks", "Button", L"Checks-Seite anzeigen"},
    {"ChePanelLeer", "Button", L"Leer-Seite anzeigen"},
    {"LaInfo", "ZQLabel", nullptr},
};

struct Umfasst {
  const char* name;
  const char* kind;
};

// Panels that the control they hold names.
inline constexpr Umfasst kUmfassend[] = {
    {"PaPfad", "EdVerz"},        {"PaIstSchonDa", "BuEntfernen"}, {"PaFehler", "BuFehler"},
    {"PaChecks", "CheDesktop"},  {"PaLeer", "LaLeer"},            {"PaStart", "CheStart"},
    {"PaMausL", "CheExplorerV"}, {"PaMausR", "CheExplorerD"},     {"PaExplorer", "PaMausL"},
};

// The control `name` below `oben`, or null when there is none or more than one.
inline HWND Finden(HWND oben, const std::string& name) {
  auto einer = [](const std::vector<HWND>& treffer) { return treffer.size() == 1 ? treffer[0] : nullptr; };
  for (const Beschriftet& b : kBeschriftet) {
    if (name == b.name) return einer(MitText(oben, b.klasse, b.anfang));
  }
  for (const Umfasst& u : kUmfassend) {
    if (name == u.name) return Eltern(Finden(oben, u.kind));
  }
  // The one check box without a caption.
  if (name == "CheDesktop") {
    std::vector<HWND> leer;
    for (HWND w : MitText(oben, "Button", L"")) {
      if (automation::Text(w).empty()) leer.push_back(w);
    }
    return einer(leer);
  }
  // The two boxes of the Explorer picture share their caption: folders on the left, files on the
  // right.
  if (name == "CheExplorerV" || name == "CheExplorerD") {
    std::vector<HWND> boxen = MitText(oben, "Button", L"Mauszeiger-Menü");
    if (boxen.size() != 2) return nullptr;
    if (LinkerRand(boxen[0]) > LinkerRand(boxen[1])) std::swap(boxen[0], boxen[1]);
    return boxen[name == "CheExplorerV" ? 0 : 1];
  }
  // The error page's only label.
  if (name == "LaFehler") return einer(MitText(Finden(oben, "PaFehler"), "ZQLabel", nullptr));
  // The foot's upper part: the panel of the main window whose lower edge is the lower part's top.
  if (name == "PaFuss1") {
    HWND fuss2 = Finden(oben, "PaFuss2");
    if (fuss2 == nullptr) return nullptr;
    RECT unten = {};
    ::GetWindowRect(fuss2, &unten);
    std::vector<HWND> treffer;
    for (HWND w : MitText(oben, "ZQPanel", nullptr)) {
      RECT r = {};
      ::GetWindowRect(w, &r);
      if (Eltern(w) == oben && r.bottom == unten.top && automation::Text(w).empty()) treffer.push_back(w);
    }
    return einer(treffer);
  }
  ADD_FAILURE() << "the tests know no control named " << name;
  return nullptr;
}

}  // namespace e2e
