// setupblock, the maker's tool. Its texts are 1252 inside, as all of the build's literals, and
// UTF-8 outside: a console gets them through its wide-character output, a file or pipe as UTF-8.
// Its paths are UTF-8; on Windows they come from the wide command line, so that any name arrives.
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#ifndef _WIN32
#include <csignal>
#endif

#include "maker/Befehle.h"
#include "lib/_zq_Ende_1.h"
#include "lib/_zq_ZeichenEinfach_1.h"
#include "maker/Zeichensatz.h"
#include "platform/Console.h"

namespace {

// A report that does not arrive whole (a full disk, a pipe whose reader is gone) is no success,
// whatever the command did.
int Laufen(const std::vector<std::string>& argumente) {
  const TZQLauf lauf = Ausfuehren(argumente);
  const bool ausgabe = platform::WriteStandard(platform::StandardStream::Output, Utf8AusCp1252(lauf.Ausgabe));
  const bool fehler = platform::WriteStandard(platform::StandardStream::Error, Utf8AusCp1252(lauf.Fehler));
  if (ausgabe && fehler) return lauf.Status;
  platform::WriteStandard(platform::StandardStream::Error,
                          Utf8AusCp1252("setupblock: Die Ausgabe lässt sich nicht vollständig schreiben.\n"));
  return kVerweigert;
}

}  // namespace

// A failed allocation (a huge input) or a report of the C++ library: one line, ASCII so that it
// reads the same in 1252 and UTF-8, and the status of a refusal.
void Beenden(TZQEnde grund) {
  platform::WriteStandard(platform::StandardStream::Error,
                          grund == TZQEnde::SpeicherFehlt ? std::string_view("setupblock: Es ist nicht genug Speicher frei.\n")
                                                          : std::string_view("setupblock: innerer Fehler.\n"));
  std::_Exit(kVerweigert);
}

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> argumente;
  for (int i = 1; i < argc; ++i) {
    // Such a name has no UTF-8: no file of the tool could be opened by it.
    if (!PaareGanz(argv[i])) {
      platform::WriteStandard(platform::StandardStream::Error,
                              Utf8AusCp1252("setupblock: Das " + ZahlAlsText(i) +
                                            ". Argument enthält ein halbes UTF-16-Zeichenpaar; einen solchen Namen "
                                            "kann setupblock nicht weitergeben. Benennen Sie die Datei um.\n"));
      return kVerweigert;
    }
    argumente.push_back(Utf8AusBreit(argv[i]));
  }
  return Laufen(argumente);
}
#else
int main(int argc, char** argv) {
  // A write to a closed pipe then fails with EPIPE, which the tool reports, instead of ending it.
  std::signal(SIGPIPE, SIG_IGN);
  return Laufen(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
