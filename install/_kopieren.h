// The copy step: the installation's files from the installer's folder into the target folder. It
// runs on a thread of its own while the window waits, so it works on its own copy of what it needs
// and touches no window and no state that a handler could change meanwhile.
#pragma once
#include <string>
#include <vector>

#include "install/_block.h"

struct TZQKopierschritt {
  std::wstring Quelle;                // the installer's folder, with a trailing backslash
  std::wstring Ziel;                  // the target folder, with a trailing backslash
  std::vector<TZQDateienInfo> Dateien;  // 1-based, the installer itself last: the installer state's
  bool ZielDa = false;                // the target folder exists, or was made
  std::wstring Misslungen;            // CR LF and the name of each file that could not be copied
};

// The step into `ziel` (with a trailing backslash) for the files of the installer state.
TZQKopierschritt Kopierschritt(const std::wstring& ziel);
// Makes the target folder with its parents and copies every file into it; files copied before a
// failure stay copied. The routine of the step's thread: `schritt` is a TZQKopierschritt.
void Kopieren(void* schritt);
// The error page's text of a step that ended; empty when every file was copied.
std::wstring KopierFehler(const TZQKopierschritt& schritt);
