// Paths (Adresse) and the few file operations of the installer. A path is Unicode text (UTF-16 on
// Windows), as the system hands it out and takes it back, with the backslash as the only
// separator; a folder in folder form ends in exactly one backslash. No routine shows a window or lets an error through: failures are false, or size 0.
#pragma once
#include <cstdint>
#include <string>

// Splits a path into folder part (through the last backslash), name, dot ("." or empty) and
// extension (after the last dot behind the last backslash). The four parts give the path back.
void AdresseZerlegen(const std::wstring& adresse, std::wstring& verzeichnis, std::wstring& name,
                     std::wstring& punkt, std::wstring& endung);
// The folder part, with its trailing backslash; empty when the path has no backslash.
std::wstring AdresseVerzeichnis(const std::wstring& adresse);
// Everything after the last backslash.
std::wstring AdresseDateiName(const std::wstring& adresse);
// The folder part and everything after it.
void AdresseTeilen(const std::wstring& adresse, std::wstring& verzeichnis, std::wstring& dateiName);
// The drive ("C:") or network share ("\\srv\share") with a backslash; empty for any other path.
std::wstring AdresseLaufwerk(const std::wstring& adresse);
// The path without any trailing backslashes.
std::wstring OhneEndBackslash(const std::wstring& adresse);
// The path with exactly one trailing backslash; the empty text becomes "\".
std::wstring MitEndBackslash(const std::wstring& adresse);

// Whether an entry of the kind `art` exists: "d" (or "D") a file, "v" (or "V") a folder, anything
// else either. A path ending in "*" asks whether its folder holds such an entry. Folders count only
// for paths that start with a drive and ":\" or with "\\", and hold neither "\.\" nor "\..\".
bool ExistiertAls(char art, const std::wstring& adresse);
// A file or a folder (kind "o").
bool AdresseExistiert(const std::wstring& adresse);
// A file (kind "d"); hidden and system files count.
bool DateiExistiert(const std::wstring& adresse);

// Makes the folder with every missing parent; true when it exists or was made. A failed creation
// removes the levels that it made (each only while empty); with `dauerhaft` off the call only
// probes and does the same. Nothing is created when not even the drive or the first level exists.
bool VerzeichnisMachen(const std::wstring& adresse, bool dauerhaft);
// Deletes a file or a folder with its contents through the shell, to the recycle bin when
// `papierkorb` is on. Never by pattern: a path holding "*" or "?" gives false and deletes nothing.
bool AdresseLoeschen(const std::wstring& adresse, bool papierkorb);
// Copies a file or folder to the target path, replacing an existing target; the target's folder
// is made first and stays even when the copy fails. A file replaces its target in one step: the old
// file stays whole when the copy fails or is ended half-way (see kUnfertigeKopie), and nothing of
// the failed copy is left. The new file has the source's bytes and time stamps; see
// KopieBereitlegen for its attributes.
bool DateiKopieren(const std::wstring& quelle, const std::wstring& ziel);
// What DateiKopieren appends to the target's name for the file that takes the new bytes until they
// replace the target: it says what it is and which file it is for, and holds a character that code
// page 1252 lacks, so that no block can name it. A process ended half-way may leave it behind; the
// next copy of that file into that folder removes it.
inline constexpr wchar_t kUnfertigeKopie[] = L" \u2192 unfertige Kopie";
// The new file for `ziel`, whole and on the disk, under the name `ziel` + kUnfertigeKopie (what an
// ended copy left there goes first); the target itself is not touched. Only a file on a disk is
// read. The copy has the source's bytes and time stamps, its hidden, system and archive attributes
// and the target's hidden and system ones, and never the read-only attribute. False, and nothing
// left, when any of that fails; the target's folder must exist.
bool KopieBereitlegen(const std::wstring& quelle, const std::wstring& ziel);
// The path in the form that the system takes past its limit of MAX_PATH (260 characters with the
// closing zero): made whole (GetFullPathNameW) and given the long form "\\?\" (or "\\?\UNC\" for
// a share), which names every step literally. A shorter path, or one already in that form, stays.
std::wstring LangeForm(const std::wstring& pfad);
// Copies (`art` exactly "k") or moves (any other character) quellVerzeichnis + quellName to
// zielVerzeichnis + zielName. A folder whose target name equals its own (A to Z without regard to
// case) goes into zielVerzeichnis under its own name.
bool KopierenVerschieben(char art, const std::wstring& quellVerzeichnis, const std::wstring& quellName,
                         const std::wstring& zielVerzeichnis, const std::wstring& zielName);
// The size in bytes of the first entry that the lookup delivers; 0 when none is found.
std::int64_t DateiGroesse(const std::wstring& adresse);
