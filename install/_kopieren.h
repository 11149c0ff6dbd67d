// The copy step: the installation's files from the installer's folder into the target folder, as
// one: afterwards every file is new, or every file is as it was. It runs on a thread of its own while
// the window waits, so it works on its own copy of what it needs and touches no window and no state
// that a handler could change meanwhile.
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

// What the step appends to an installed file's name while the old file waits aside for the new one:
// from the moment the new file takes the name until every file of the step has done so.
inline constexpr wchar_t kAlteFassung[] = L" \u2192 alte Fassung";
// The step's journal in the target folder: each file of the step as "+" (the folder did not have
// it) or "=" (it had) and its name, closed by a zero character, in UTF-16. Under the first name
// while old files may still be needed, under the second once every new file is in place. A step
// that finds it there first finishes what the ended one began: back to the old files, or on to the
// new ones.
inline constexpr wchar_t kUmstellungLaeuft[] = L"Umstellung \u2192 l\u00e4uft";
inline constexpr wchar_t kUmstellungFertig[] = L"Umstellung \u2192 fertig";

// The step into `ziel` (with a trailing backslash) for the files of the installer state.
TZQKopierschritt Kopierschritt(const std::wstring& ziel);
// Makes the target folder with its parents and puts every file in place, or none: first every new
// file beside its target, then the switch by renames only, each old file aside before the new one
// takes its name; a failure undoes every rename made. The routine of the step's thread: `schritt` is
// a TZQKopierschritt.
void Kopieren(void* schritt);
// The error page's text of a step that ended; empty when every file was copied.
std::wstring KopierFehler(const TZQKopierschritt& schritt);
