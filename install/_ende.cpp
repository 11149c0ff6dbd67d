// How Setup.exe ends when it cannot go on: a word to the user, then exit code 1.
#include "lib/_zq_Ende_1.h"
#include "platform/Application.h"

void Beenden(TZQEnde grund) {
  platform::EndWithMessage(grund == TZQEnde::SpeicherFehlt
                               ? L"Für das Installations-Programm ist nicht genug Speicher frei."
                               : L"Das Installations-Programm ist auf einen inneren Fehler gestoßen.",
                           0);
}
