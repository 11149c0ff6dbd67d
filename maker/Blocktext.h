// A block as a maker writes it: its conversion into what the installer reads, where its lines and
// markers lie, and the window of the installer.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "install/_block.h"

// The installer's window, in the tool's sizes.
inline constexpr std::size_t kFenster = kFensterGroesse;
// The line that the maker's template puts before the opening marker.
inline constexpr char kVorspann[] = "Codierung:\r\n";

// Where the installer's window ends in a source: at its end, or in a signed executable before the
// certificate table and the zeros that align it.
std::size_t FensterSchluss(const std::string& quelle);
// The last 2000 bytes of a source up to FensterSchluss, or all of them: what the installer reads.
std::string Fenster(const std::string& quelle);

struct TZQFremdzeichen {
  std::int32_t Zeile = 0;
  std::int32_t Spalte = 0;  // counted in characters from 1
  std::uint32_t Zeichen = 0;
};

struct TZQUmwandlung {
  std::string Text;                            // 1252, each line end CR LF, the lines as they were
  bool Utf16 = false;                          // saved as UTF-16 (byte order mark): nothing converted
  bool Utf8 = false;                           // read as UTF-8 rather than as 1252
  std::int32_t FremdeZeilenenden = 0;          // line ends of LF or CR alone
  std::int32_t ErsteFremdeZeile = 0;           // the line of the first of them
  std::vector<TZQFremdzeichen> Fremdzeichen;   // characters that 1252 lacks; "?" in Text
};

// Converts a maker's text: as UTF-8 when it is well-formed UTF-8 with at least one character above
// ASCII (a byte order mark dropped), otherwise as 1252; line ends of CR LF, LF or CR alone. With
// `utf8Erkennen` off the bytes count as 1252 throughout, as the installer takes them.
TZQUmwandlung Umwandeln(const std::string& roh, bool utf8Erkennen);

// Where the lines and the markers of a text lie. A line ends at LF; markers are "#ZQ1#" in any
// letter case. The last marker closes the block and the one before opens it, as the installer
// takes them when nothing is wrong with them.
struct TZQAufbau {
  std::vector<std::size_t> Zeilen;  // where line n begins, at index n - 1
  std::vector<std::size_t> Marken;  // where each marker begins
  bool HatBlock = false;            // two markers at least
  std::size_t Eroeffnung = 0;
  std::size_t Schluss = 0;

  // The line that holds the byte at `stelle`.
  std::int32_t ZeileVon(std::size_t stelle) const;
};
TZQAufbau AufbauLesen(const std::string& text);

// Whether the marker at `stelle` is written as the installer wants it.
bool MarkeExakt(const std::string& text, std::size_t stelle);
// Where the leader of the marker at `marke` begins: at the line of the last visible character
// before the marker, or at the marker itself when nothing visible precedes it.
std::size_t VorspannAnfang(const std::string& text, const TZQAufbau& aufbau, std::size_t marke);
// Whether nothing visible precedes the opening marker: the installer of a side file then finds no
// block, since one character at least must come before it.
bool OhneVorspann(const std::string& text, const TZQAufbau& aufbau);
