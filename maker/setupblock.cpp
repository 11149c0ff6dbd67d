// setupblock, the maker's tool. Its texts are 1252 inside, as all of the build's literals, and
// UTF-8 outside: a console gets them through its wide-character output, a file or pipe as UTF-8.
#include <string>
#include <vector>

#include "maker/Befehle.h"
#include "maker/Zeichensatz.h"
#include "platform/Console.h"

int main(int argc, char** argv) {
  const TZQLauf lauf = Ausfuehren(std::vector<std::string>(argv + 1, argv + argc));
  platform::WriteStandard(platform::StandardStream::Output, Utf8AusCp1252(lauf.Ausgabe));
  platform::WriteStandard(platform::StandardStream::Error, Utf8AusCp1252(lauf.Fehler));
  return lauf.Status;
}
