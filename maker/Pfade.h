// Paths of the host system as the tool gets them on its command line, and the files an installer
// finds beside itself. The Windows build asks the system as the installer does; the portable build
// matches the names of a block against a folder's entries as Windows would: without regard to
// letter case, the backslash as separator, names in 1252 against names on disk in UTF-8.
#pragma once
#include <string>

#include "maker/Zeichensatz.h"

// The folder part of a path, with its separator; empty for a bare name in the current folder.
std::string PfadOrdner(const std::string& pfad);
// The name behind the folder part.
inline std::string PfadName(const std::string& pfad) { return pfad.substr(PfadOrdner(pfad).size()); }
// A path as 1252 text, for messages.
inline std::string PfadText(const std::string& pfad) { return Cp1252AusUtf8(pfad); }
// A folder given on the command line, ending in a separator as PfadOrdner gives it.
std::string AlsOrdner(const std::string& pfad);
// Whether the folder exists.
bool OrdnerDa(const std::string& ordner);

// Whether an installer in `ordner` (as PfadOrdner gives it) finds the file `name` (1252, relative,
// as a block names it) beside it; a folder of that name does not count.
bool DateiDaneben(const std::string& ordner, const std::string& name);
// The side file of the installer `exe`, looked for as the installer looks: the path with "INI" in
// place of its last three characters. Its path as it lies on disk, or empty when there is none.
std::string SeitendateiVon(const std::string& exe);
