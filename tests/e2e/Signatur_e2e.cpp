// Signed installers, made on the host by signieren.sh before these cases run: the block attached
// before signing is what the installer reads, whatever side file lies beside it; a block attached
// after signing is read as before.
#include <windows.h>

#include <string>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

std::wstring Signiert(const std::wstring& name) {
  const std::wstring& setup = SetupExe();
  return setup.substr(0, setup.find_last_of(L"\\/") + 1) + L"signiert\\" + name;
}

class Signatur : public Fall {
 protected:
  // The signed installer `datei` as Setup.exe in the case's folder, its program file beside it, and
  // `seitendatei` as Setup.INI where it is not empty.
  Installer& SigniertStarten(const std::wstring& datei, const std::wstring& menue, const std::string& seitendatei = {}) {
    Menue(menue);
    if (!seitendatei.empty()) {
      EXPECT_TRUE(DateiSchreiben(Ordner() + L"Setup.INI", seitendatei));
    }
    EXPECT_TRUE(::CopyFileW(Signiert(datei).c_str(), (Ordner() + L"Setup.exe").c_str(), FALSE))
        << Signiert(datei) << L": " << ::GetLastError();
    Programmdatei(L"Prog.exe");
    return Starten();
  }
};

TEST_F(Signatur, TheBlockBeforeTheSignatureOpensThePathPage) {
  Installer& s = SigniertStarten(L"Signiert.exe", L"ZQe2e Signiert öffnen");
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(automation::Text(s.Hauptfenster()), L"ZQe2e Signiert installieren");
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_EQ(s.Text("EdVerz"), FremderOrdner(ProgrammOrdner() + L"ZQe2e Signiert"));
  EXPECT_TRUE(s.Beenden());
}

// A Setup.INI that someone put beside a signed installer steers nothing: its signature vouches for
// the block before it.
TEST_F(Signatur, APlantedSideFileDoesNotSteerTheSignedBlock) {
  const std::string fremd = Block({L"#n=ZQe2e Fremd", L"#z=W", L"#m=1", L"#d=Prog.exe," + Menue(L"ZQe2e Fremd")});
  Installer& s = SigniertStarten(L"Signiert.exe", L"ZQe2e Signiert öffnen", fremd);
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(automation::Text(s.Hauptfenster()), L"ZQe2e Signiert installieren");
  EXPECT_EQ(s.Text("EdVerz"), FremderOrdner(ProgrammOrdner() + L"ZQe2e Signiert"));
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Signatur, ABlockAttachedAfterSigningIsReadAsBefore) {
  Installer& s = SigniertStarten(L"Danach.exe", L"ZQe2e Danach");
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(automation::Text(s.Hauptfenster()), L"ZQe2e Danach installieren");
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
