// The check of a block: what the installer makes of it, the entries it would make, the files it
// looks for, and the traps a maker falls into, each with its line.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "install/_block.h"
#include "maker/Blocktext.h"

enum class TZQQuellart {
  Programm,     // an executable with the block appended
  Seitendatei,  // a side file, read byte for byte
  Blocktext,    // a maker's text, read as `anhaengen` converts it
};

// What a check reads.
struct TZQQuelle {
  TZQQuellart Art = TZQQuellart::Blocktext;
  std::string Bytes;              // the source as the installer reads it
  std::size_t TextAnfang = 0;     // where the maker's line 1 begins in Bytes
  TZQUmwandlung Umwandlung;       // of a block text its conversion; of the others their own bytes
  bool VorspannErgaenzt = false;  // the leader line was put before a block text that lacked one
};

// A block text as `anhaengen` converts it: 1252 with CR LF, the leader line added where missing.
TZQQuelle QuelleAusBlocktext(const std::string& roh);
// An executable or a side file as the installer reads it; the maker's text begins at `textAnfang`.
TZQQuelle QuelleAusBytes(TZQQuellart art, std::string bytes, std::size_t textAnfang);

struct TZQWarnung {
  std::int32_t Zeile = 0;  // 0: the block as a whole
  std::string Art;         // a short, fixed name for build pipelines
  std::string Text;
};

// One file as the installer takes it, with the entries it would make for it.
struct TZQDateiSicht {
  std::int32_t Zeile = 0;                   // 0 where the installer's reading has no line to match
  TZQDateienInfo Datei;
  std::vector<std::string> Verknuepfungen;  // shortcut files, their folders in words
  std::vector<std::string> Verben;          // Explorer verb keys
  std::string Befehlszeile;                 // of the verbs, for the proposed target folder
};

struct TZQBefund {
  TZQBlock Block;                 // the installer's reading of its window
  bool Gefunden = false;          // the installer finds a block in its window
  std::size_t BlockGroesse = 0;   // bytes from the leader's line to the end of the source
  std::string Zielvorschlag;      // the proposed target folder, system folders in words
  std::string Menues;             // the digits of the offered locations, 1 to 5
  std::vector<TZQDateiSicht> Dateien;
  TZQUrteil Urteil;
  std::vector<TZQWarnung> Warnungen;  // by line
};

// Checks a source. With `ordner` (as PfadOrdner gives it) the files beside the installer are
// looked for there, the installer's own file `eigeneDatei` counting as present; without it, every
// file counts as present.
TZQBefund Pruefen(const TZQQuelle& quelle, const std::string* ordner, const std::string& eigeneDatei);

// The name of the menu location of a digit from 1 to 5.
std::string OrtName(char ziffer);
