// The installer's state for the whole run, and the routines of the installer logic.
#pragma once
#include <stdexcept>
#include <string>
#include <vector>

#include "install/_block.h"

extern std::string ProgName;  // "?" until the configuration names the program
extern std::string ZielOrt;   // target folder with trailing backslash, empty while undetermined
extern std::string ExePfad;   // the installer's own folder, with trailing backslash
extern std::string Version;   // "19"
// 1-based; element 0 stays empty. Once the configuration is valid the installer itself is last.
extern std::vector<TZQDateienInfo> Dateien;

// The system folder of a one-character code, with a trailing backslash: "1" all users' desktop,
// "2" all users' start menu, "3" the user's quick launch, "a" all users' application data, "p"
// program files, "w" Windows. Any other text (upper-case letters included) gives the empty text.
std::string SpezialOrdner(const std::string& code);

// An error that ends the action it happens in; the message loop shows its text in a message box.
struct TZQFehler : std::runtime_error {
  using std::runtime_error::runtime_error;
};

namespace platform {
class CheckBox;
}

// Writes the shortcut `linkPfad` whose only property is the target `zielPfad`. A shell link object
// that cannot be made ends the action with TZQFehler.
void LinkErstellen(const std::string& linkPfad, const std::string& zielPfad);
// Sets ZielOrt to the folder of the shortcut's target when that lies on a drive letter.
void LinkZielLesen(const std::string& linkPfad);
// Sets ZielOrt to the folder of an Explorer verb's command line when that lies on a drive letter.
void BefehlZielLesen(const std::string& befehl);

// Applies the menu location of `box` (the main window visible) or probes it (hidden). Without a
// box, all five in turn: desktop, start menu, quick launch, folder menu, file menu.
void MacheCheck(platform::CheckBox* box = nullptr);
// Removes the entries of all five locations for every file with a menu text, whatever the boxes
// show, and leaves the boxes cleared.
void AlleEintraegeEntfernen();

// Reads the configuration, checks the files, probes for an earlier installation. The result, also
// the caption of LaFehler, is empty when the installation can go ahead, else the German error text.
std::string InstallDatenLesen();
