// Text search, trim and split. One scan engine cuts a text into consecutive pieces, each a match of
// one of several patterns or a single other character, and marks the selected pieces; trimming at
// one end and splitting at the selected pieces stand on it. Positions count from 1; pattern lists
// and results are 1-based: element 0 of a pattern list is ignored, element 0 of a result is not
// written.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Class codes: a pattern that is exactly this one character tests a class of characters.
inline constexpr std::uint8_t KlasseJedes = 0;      // any character
inline constexpr std::uint8_t KlasseZiffer = 1;     // a digit
inline constexpr std::uint8_t KlasseZahl = 2;       // a run of digits, as one piece
inline constexpr std::uint8_t KlasseKlein = 4;      // a lower-case letter
inline constexpr std::uint8_t KlasseSonder = 5;     // a special character
inline constexpr std::uint8_t KlasseGross = 6;      // an upper-case letter
inline constexpr std::uint8_t KlasseLeer = 7;       // the blank
inline constexpr std::uint8_t KlasseBuchstabe = 8;  // a letter
// Added to a class code from 1 to 8: the engine inverts the match after that class's test.
inline constexpr std::uint8_t KlasseNicht = 20;

// The one-character pattern text of a class code.
inline std::string KlassenMuster(std::uint8_t klassencode) { return std::string(1, static_cast<char>(klassencode)); }

// Selection modes of Fundstellen; every other value leaves the selection as the patterns made it.
inline constexpr std::int32_t NurNter = 1;      // only the N-th selected piece
inline constexpr std::int32_t OhneNten = 2;     // all selected pieces but the N-th
inline constexpr std::int32_t NterJeFolge = 3;  // the N-th of each run of selected pieces
inline constexpr std::int32_t NurErsteN = 4;    // the first N selected pieces

// Whether the character belongs to the class of the code: 1, 2, 21, 22 digit; 4, 24 lower-case;
// 5, 25 special character; 6, 26 upper-case; 7, 27 blank; 8, 28 letter; any other code: false.
// Never negates; the codes above 20 are negated by the engine.
bool ZeichenPasst(char zeichen, std::uint8_t klassencode);
bool IstBuchstabe(char zeichen);
bool IstGrossBuchstabe(char zeichen);
bool IstKleinBuchstabe(char zeichen);
// Neither digit, nor letter, nor blank, nor a code from 0 to 9: so CR and LF are, the tab is not.
bool IstSonderzeichen(char zeichen);

// The scan engine. Cuts `text` into pieces from left to right (`vorwaerts`) or from right to left;
// at each position the longest fitting pattern of `muster` makes the piece, a character that fits
// none is a piece of its own. `grossKlein` false compares text and literal patterns lower-cased. A
// piece is selected when its match equals `auswahlwert`; `modus` and `anzahl` (its absolute value)
// then thin the selection, counting in scan order when `zaehlVorwaerts` is true. Fills one entry
// per piece, from left to right, into `positionen`, `laengen` and `treffer` (elements 1 to the
// number of pieces) and returns the number of selected pieces.
std::int32_t Fundstellen(const std::string& text, const std::vector<std::string>& muster, bool grossKlein,
                         bool auswahlwert, bool vorwaerts, bool zaehlVorwaerts, std::int32_t modus,
                         std::int32_t anzahl, std::vector<std::int32_t>& positionen,
                         std::vector<std::int32_t>& laengen, std::vector<char>& treffer);

// Removes the selected pieces at the start (`vorwaerts`) or at the end of the text.
std::string EndeStutzen(const std::string& text, const std::vector<std::string>& muster, bool grossKlein,
                        bool auswahlwert, bool vorwaerts);
// Removes every match of the one pattern (a literal or a class code) at the right end, exact case.
std::string RechtsStutzen(const std::string& text, const std::string& muster);
// Removes every match of the one pattern at both ends, with exact case.
std::string BeideEndenStutzen(const std::string& text, const std::string& muster);

// Splits the text at the selected pieces (options as for Fundstellen) into the runs between them,
// as `teile` elements 1 to the number of parts; element 0 keeps what it held. With `leereBehalten`
// every separator divides two parts, empty ones included; without it empty parts are left out.
void TextZerlegen(const std::string& text, const std::vector<std::string>& muster, bool grossKlein,
                  bool auswahlwert, bool vorwaerts, bool zaehlVorwaerts, std::int32_t modus,
                  std::int32_t anzahl, bool leereBehalten, std::vector<std::string>& teile);
// Splits the text at every occurrence of `trenner`, from left to right.
void TextTeilen(const std::string& text, const std::string& trenner, bool leereBehalten, bool grossKlein,
                std::vector<std::string>& teile);
