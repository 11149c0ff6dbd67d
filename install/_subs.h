// The installer's state for the whole run, and the routines of the installer logic.
#pragma once
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
