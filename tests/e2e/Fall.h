// The fixture of every end-to-end case: a fresh folder C:\zq_e2e\<suite>_<case>\ with Setup.exe and
// a configuration block appended to it, the program files beside it, and cleaning up afterwards:
// the folder, the target folders the case names, and every shortcut and verb key of the menu texts
// the case uses.
#pragma once
#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/Fernsteuerung.h"
#include "tests/e2e/Spuren.h"

namespace e2e {

// The Setup.exe under test, as a Windows path (given on the command line).
const std::wstring& SetupExe();

// A path of the host system as Wine sees it; a Windows path stays as it is.
std::wstring WindowsPfad(const std::string& pfad);


// A name in the block's code page, 1252 ("?" for what it lacks): the content of a program file.
inline std::string Cp1252(const std::wstring& text) {
  std::string schmal(text.size() * 2 + 1, '\0');
  const int n = ::WideCharToMultiByte(1252, 0, text.c_str(), static_cast<int>(text.size()), schmal.data(),
                                      static_cast<int>(schmal.size()), nullptr, nullptr);
  schmal.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return schmal;
}

// A configuration block as a maker appends it, in 1252: the leader line, the markers, the setting
// lines (each given without its line end), CR LF after every line.
inline std::string Block(const std::vector<std::wstring>& zeilen) {
  std::string block = "Codierung:\r\n#ZQ1#\r\n";
  for (const std::wstring& zeile : zeilen) block += Cp1252(zeile) + "\r\n";
  return block + "#ZQ1#\r\n";
}

// An ASCII text, such as a case's name, in the system's wide text.
inline std::wstring Breit(const char* ascii) { return std::wstring(ascii, ascii + std::strlen(ascii)); }

class Fall : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    ordner_ = L"C:\\zq_e2e\\" + Breit(info->test_suite_name()) + L"_" + Breit(info->name()) + L"\\";
    Entfernen(ordner_);
    ASSERT_TRUE(OrdnerMachen(ordner_)) << ordner_;
    // A fresh prefix may lack the quick-launch folder that every Windows with that area has.
    OrdnerMachen(SchnellStartOrdner());
  }

  void TearDown() override {
    installer_.reset();
    for (const std::wstring& text : menueTexte_) EintraegeEntfernen(text);
    // An ended process may hold its current folder a moment longer.
    for (const std::wstring& pfad : fremdePfade_) WartenBis([&] { Entfernen(pfad); return !DateiDa(pfad) && !OrdnerDa(pfad); });
    WartenBis([&] { Entfernen(ordner_); return !OrdnerDa(ordner_); });
  }

  // The first `laenge` characters of the case's name, to tell its menu texts from other cases'.
  static std::wstring Fallname(std::size_t laenge) {
    return Breit(::testing::UnitTest::GetInstance()->current_test_info()->name()).substr(0, laenge);
  }

  // The case's folder (ExePfad of the installer), with a trailing backslash.
  const std::wstring& Ordner() const { return ordner_; }
  // The case's folder may also lie elsewhere, under a name of the case's choice.
  void OrdnerSetzen(const std::wstring& ordner) {
    WartenBis([&] { Entfernen(ordner_); return !OrdnerDa(ordner_); });
    ordner_ = MitBackslash(ordner);
    Entfernen(ordner_);
    ASSERT_TRUE(OrdnerMachen(ordner_)) << ordner_;
  }

  // A menu text the case uses: its entries are removed before and after the case.
  std::wstring Menue(const std::wstring& text) {
    EintraegeEntfernen(text);
    menueTexte_.push_back(text);
    return text;
  }

  // A folder outside the case's folder that the case may fill; removed before and after.
  std::wstring FremderOrdner(const std::wstring& pfad) {
    Entfernen(pfad);
    fremdePfade_.push_back(pfad);
    return MitBackslash(pfad);
  }

  // A file outside the case's folder that the case may make; removed before and after.
  std::wstring FremdeDatei(const std::wstring& pfad) {
    Entfernen(pfad);
    fremdePfade_.push_back(pfad);
    return pfad;
  }

  // Setup.exe in the case's folder (or at `ziel`) with `anhang` appended (a block, or nothing).
  void SetupAblegen(const std::string& anhang, std::wstring ziel = {}) {
    if (ziel.empty()) ziel = ordner_ + L"Setup.exe";
    ASSERT_TRUE(::CopyFileW(SetupExe().c_str(), ziel.c_str(), FALSE))
        << SetupExe() << " -> " << ziel << ": " << ::GetLastError();
    if (anhang.empty()) return;
    HANDLE h = ::CreateFileW(ziel.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD geschrieben = 0;
    ::WriteFile(h, anhang.data(), static_cast<DWORD>(anhang.size()), &geschrieben, nullptr);
    ::CloseHandle(h);
    ASSERT_EQ(geschrieben, anhang.size());
  }

  // A program file beside the installer; its text is the file's name, so copies can be told apart.
  void Programmdatei(const std::wstring& name) {
    ASSERT_TRUE(DateiSchreiben(ordner_ + name, "Inhalt von " + Cp1252(name) + "\r\n")) << name;
  }

  // Starts the installer of the case's folder (or `exe` in `ordner`); a later start ends the
  // earlier one first.
  Installer& Starten() { return Starten(ordner_ + L"Setup.exe", ordner_); }
  Installer& Starten(const std::wstring& exe, const std::wstring& ordner) {
    installer_.reset();
    installer_ = std::make_unique<Installer>(exe, ordner);
    return *installer_;
  }

 private:
  std::wstring ordner_;
  std::vector<std::wstring> menueTexte_;
  std::vector<std::wstring> fremdePfade_;
  std::unique_ptr<Installer> installer_;
};

// Exactly `seite` shows, and the step and target labels read as they should for it.
inline void ErwarteSeite(const Installer& s, const std::string& seite, int schritt,
                         const std::wstring& zielOrt) {
  SCOPED_TRACE("page " + seite);
  s.WartenAufSeite(seite);
  EXPECT_EQ(s.SichtbareSeiten(), std::vector<std::string>{seite});
  EXPECT_EQ(s.Text("LaSchritt"), L"Schritt " + std::to_wstring(schritt) + L" von 3");
  EXPECT_EQ(s.Text("LaZielOrt"), L"Ziel-Ort = " + zielOrt);
}

// The check states of CheDesktop, CheStart, CheSchnell, CheExplorerV, CheExplorerD.
inline std::vector<int> Boxen(const Installer& s) {
  std::vector<int> zustaende;
  for (const char* box : {"CheDesktop", "CheStart", "CheSchnell", "CheExplorerV", "CheExplorerD"}) {
    zustaende.push_back(s.Zustand(box));
  }
  return zustaende;
}

struct Kopiervorgang {
  bool fertig;            // the copy step ended on the checks page or on the error page
  bool kopiertGesehen;    // the busy label showed meanwhile
  DWORD millisekunden;    // from the click to the end
};

// Presses BuVerzKopie and waits for the copy step to end, watching the busy label meanwhile. The
// installer's thread is busy then; styles are read without sending it messages.
inline Kopiervorgang Kopieren(const Installer& s) {
  HWND kopiert = s.Teil("LaKopiert");
  HWND checks = s.Teil("PaChecks");
  HWND fehler = s.Teil("PaFehler");
  if (kopiert == nullptr || checks == nullptr || fehler == nullptr) return {false, false, 0};
  s.Klicken("BuVerzKopie");
  // Taken once the click is sent: the installer can only start its clock later.
  const DWORD start = ::GetTickCount();
  bool gesehen = false;
  const bool fertig = WartenBis([&] {
    if (automation::OwnVisible(kopiert)) gesehen = true;
    return !automation::OwnVisible(kopiert) &&
           (automation::OwnVisible(checks) || automation::OwnVisible(fehler));
  }, 20000);
  return {fertig, gesehen, ::GetTickCount() - start};
}

// Waits until the copy step that a case started has ended, on the checks page or the error page.
inline bool SchrittVorbei(const Installer& s) {
  return WartenBis([&] { return !s.Sichtbar("LaKopiert") && (s.Sichtbar("PaChecks") || s.Sichtbar("PaFehler")); },
                   60000);
}

}  // namespace e2e
