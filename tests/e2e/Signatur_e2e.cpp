// Signed installers, made on the host by signieren.sh before these cases run: the block attached
// before signing is what the installer reads; a block attached after signing is read as before.
#include <windows.h>

#include <string>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

std::string Signiert(const std::string& name) {
  const std::string& setup = SetupExe();
  return setup.substr(0, setup.find_last_of("\\/") + 1) + "signiert\\" + name;
}

class Signatur : public Fall {
 protected:
  // The signed installer `datei` as Setup.exe in the case's folder, its program file beside it.
  Installer& SigniertStarten(const std::string& datei, const std::string& menue) {
    Menue(menue);
    EXPECT_TRUE(::CopyFileA(Signiert(datei).c_str(), (Ordner() + "Setup.exe").c_str(), FALSE))
        << Signiert(datei) << ": " << ::GetLastError();
    Programmdatei("Prog.exe");
    return Starten();
  }
};

TEST_F(Signatur, TheBlockBeforeTheSignatureOpensThePathPage) {
  Installer& s = SigniertStarten("Signiert.exe", "ZQe2e Signiert öffnen");
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(automation::Text(s.Hauptfenster()), "ZQe2e Signiert installieren");
  ErwarteSeite(s, "PaPfad", 2, "");
  EXPECT_EQ(s.Text("EdVerz"), FremderOrdner(ProgrammOrdner() + "ZQe2e Signiert"));
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Signatur, ABlockAttachedAfterSigningIsReadAsBefore) {
  Installer& s = SigniertStarten("Danach.exe", "ZQe2e Danach");
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(automation::Text(s.Hauptfenster()), "ZQe2e Danach installieren");
  ErwarteSeite(s, "PaPfad", 2, "");
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
