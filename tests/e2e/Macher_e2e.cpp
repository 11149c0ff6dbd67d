// The maker's path: setupblock, the Windows build beside the Setup.exe under test, makes an
// installer from a block saved as UTF-8 with LF line ends and umlauts, as an editor on Linux
// leaves it; the real Setup.exe then opens at the path page with the caption and proposal it names.
#include <windows.h>

#include <string>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

std::wstring Werkzeug() {
  const std::wstring& setup = SetupExe();
  return setup.substr(0, setup.find_last_of(L"\\/") + 1) + L"setupblock.exe";
}

std::string Utf8(const std::wstring& breit) {
  std::string utf8(breit.size() * 3, '\0');
  utf8.resize(::WideCharToMultiByte(CP_UTF8, 0, breit.data(), static_cast<int>(breit.size()), utf8.data(),
                                    static_cast<int>(utf8.size()), nullptr, nullptr));
  return utf8;
}

// Runs the command line with standard output and error into the file `protokoll`; the exit status,
// or -1 when the program did not start or end.
DWORD Ausfuehren(std::wstring befehl, const std::wstring& protokoll) {
  SECURITY_ATTRIBUTES erben = {sizeof erben, nullptr, TRUE};
  HANDLE aus = ::CreateFileW(protokoll.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &erben, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOW start = {};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdOutput = aus;
  start.hStdError = aus;
  PROCESS_INFORMATION prozess = {};
  DWORD status = static_cast<DWORD>(-1);
  if (::CreateProcessW(nullptr, befehl.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &start,
                       &prozess)) {
    if (::WaitForSingleObject(prozess.hProcess, 30000) == WAIT_OBJECT_0) ::GetExitCodeProcess(prozess.hProcess, &status);
    ::CloseHandle(prozess.hThread);
    ::CloseHandle(prozess.hProcess);
  }
  ::CloseHandle(aus);
  return status;
}

class Macher : public Fall {};

TEST_F(Macher, AnhaengenMachtAusEinemUtf8BlockEinInstallationsprogramm) {
  const std::wstring name = L"ZQe2e Zählwerk Größe";
  const std::wstring menue = Menue(L"ZQe2e Zählwerk öffnen");
  const std::wstring ziel = FremderOrdner(ProgrammOrdner() + name);
  const std::wstring block = Ordner() + L"block.txt";
  ASSERT_TRUE(DateiSchreiben(block, Utf8(L"Codierung:\n#ZQ1#\nWie soll das Programm heißen?\n#n=" + name +
                                         L"\n#z=P\n#m=1\n#d=Prog.exe," + menue + L"\n#ZQ1#\n")));
  Programmdatei(L"Prog.exe");
  const std::wstring protokoll = Ordner() + L"setupblock.txt";
  const DWORD status = Ausfuehren(L"\"" + Werkzeug() + L"\" anhaengen \"" + SetupExe() + L"\" \"" + block + L"\" -o \"" +
                                      Ordner() + L"Setup.exe\"",
                                  protokoll);
  ASSERT_EQ(status, 0u) << DateiInhalt(protokoll).value_or("(no output)");
  EXPECT_EQ(DateiInhalt(SetupExe()).value_or("").size() + 129, DateiInhalt(Ordner() + L"Setup.exe").value_or("").size())
      << L"Setup.exe and the block in code page 1252 with CR LF";

  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(automation::Text(s.Hauptfenster()), name + L" installieren");
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_EQ(s.Text("EdVerz"), ziel);
  EXPECT_TRUE(s.Sichtbar("CheDesktop"));
  EXPECT_FALSE(s.Sichtbar("CheStart"));
  EXPECT_TRUE(s.Beenden());
}

// A name that Windows allows but no UTF-8 holds is refused with its reason, not turned into another.
TEST_F(Macher, EinHalbesZeichenpaarImNamenWirdVerweigert) {
  const std::wstring protokoll = Ordner() + L"setupblock.txt";
  const std::wstring halb = Ordner() + L"block" + std::wstring(1, static_cast<wchar_t>(0xD800)) + L".txt";
  EXPECT_EQ(Ausfuehren(L"\"" + Werkzeug() + L"\" pruefen \"" + halb + L"\"", protokoll), 2u);
  EXPECT_NE(DateiInhalt(protokoll).value_or("").find("2. Argument enth\xC3\xA4lt ein halbes UTF-16-Zeichenpaar"),
            std::string::npos)
      << DateiInhalt(protokoll).value_or("(no output)");
}

}  // namespace
}  // namespace e2e
