// The installer's state for the whole run, and the routines of the installer logic.
#pragma once
#include <string>
#include <vector>

#include "install/_block.h"

// Unicode text: names and paths as the system and the decoded block give them.
extern std::wstring ProgName;  // "?" until the configuration names the program
extern std::wstring ZielOrt;   // target folder with trailing backslash, empty while undetermined
extern std::wstring ExePfad;   // the installer's own folder, with trailing backslash
extern std::wstring Version;   // as the file VERSION holds it
// 1-based; element 0 stays empty. Once the configuration is valid the installer itself is last.
extern std::vector<TZQDateienInfo> Dateien;

// The system folder of a one-character code, with a trailing backslash: "1" all users' desktop,
// "2" all users' start menu, "3" the user's quick launch, "a" all users' application data, "p"
// program files, "w" Windows. Any other text (upper-case letters included) gives the empty text.
std::wstring SpezialOrdner(const std::string& code);

namespace platform {
class CheckBox;
}

// A shell link object that cannot be made ends the action it happens in: the routines below then
// stop at once and hand the system's error code up to the handler that started the action, which
// shows AktionsFehlerText in a message box. 0 means done.

// Writes the shortcut `linkPfad` whose only property is the target `zielPfad`; a target that cannot
// be set or a file that cannot be saved ends the action as a link object that cannot be made does.
long LinkErstellen(const std::wstring& linkPfad, const std::wstring& zielPfad);
// Sets ZielOrt to the folder of the shortcut's target when that lies on a drive letter.
long LinkZielLesen(const std::wstring& linkPfad);
// Sets ZielOrt to the folder of an Explorer verb's command line when that lies on a drive letter.
void BefehlZielLesen(const std::wstring& befehl);

// Applies the menu location of `box` (the main window visible) or probes it (hidden). Without a
// box, all five in turn: desktop, start menu, quick launch, folder menu, file menu.
long MacheCheck(platform::CheckBox* box = nullptr);
// Removes the entries of all five locations for every file with a menu text, whatever the boxes
// show, and leaves the boxes cleared.
long AlleEintraegeEntfernen();

// The system's text for an error that ended an action, or "Fehler " and its number.
std::wstring AktionsFehlerText(long fehler);

// Reads the configuration, checks the files, probes for an earlier installation. The result, also
// the caption of LaFehler, is empty when the installation can go ahead, else the German error text.
// A probe that had to stop leaves its error in `aktionsFehler` (where given) and the rest undone.
std::wstring InstallDatenLesen(long* aktionsFehler = nullptr);
