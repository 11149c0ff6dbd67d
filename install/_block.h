// The configuration block: the settings text that a maker appends to Setup.exe (or puts into the
// side file). Reading it is pure: no file, folder or window is touched, so a maker's tool can use
// the same reader. The block is code page 1252 and is read as such; its values are decoded once,
// here, into the Unicode text that paths, keys and windows take.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One file to install. `Datei` is relative to ExePfad and to ZielOrt; an empty `Text` means the
// file gets no menu entries; `Parameter` is 1-based, element 0 is not used.
struct TZQDateienInfo {
  std::wstring Datei;
  std::wstring Text;
  std::vector<std::wstring> Parameter = {L""};
};

// What a block holds. Each flag tells whether its key was given; a file line counts for
// `HatDateien` only with a menu text.
struct TZQBlock {
  bool HatName = false;
  bool HatZiel = false;
  bool HatMenue = false;
  bool HatDateien = false;
  bool DateiAusserhalb = false;  // a file line names a file outside the installer's folder
  std::wstring Name = L"?";
  std::wstring Ziel;   // the last `z` value as written; folder codes are resolved by the installer
  std::wstring Menue;  // the last `m` value; its digits 1 to 5 offer the menu locations
  std::vector<std::wstring> Menues;  // every `m` value in line order
  std::vector<TZQDateienInfo> Dateien = std::vector<TZQDateienInfo>(1);  // 1-based
};

// A question about a file named in the block, such as whether it lies beside the installer: the
// caller's function object and one plain function that calls it, as the window's event slots are.
// It refers to the function object, which lives through the call it is given to.
class TZQDateiFrage {
 public:
  template <class F>
  TZQDateiFrage(const F& f)  // NOLINT: made from any callable, as std::function would be
      : objekt_(&f), aufruf_([](const void* o, const std::wstring& datei) { return (*static_cast<const F*>(o))(datei); }) {}
  bool operator()(const std::wstring& datei) const { return aufruf_(objekt_, datei); }

 private:
  const void* objekt_;
  bool (*aufruf_)(const void* objekt, const std::wstring& datei);
};

// The marker that opens the block and is the last thing in the window.
inline constexpr char kBlockMarke[] = "#ZQ1#";

// The window: the installer looks at the last 2000 bytes of its source only. In an executable
// whose signature's certificate table ends the file, the window ends where the table begins, less
// the zero bytes (fewer than 8) that align the table; so a block attached before signing is read
// and covered by the signature.
inline constexpr std::int64_t kFensterGroesse = 2000;
// How much of the source's start FensterLage needs: the DOS and PE headers.
inline constexpr std::int64_t kKopfGroesse = 1024;

// The side file of the installer `exe` (a path or a name, narrow or wide): "INI" in place of its last
// three characters.
template <class Text>
Text SeitendateiName(const Text& exe) {
  constexpr typename Text::value_type kIni[] = {'I', 'N', 'I'};
  return exe.substr(0, exe.size() > 3 ? exe.size() - 3 : 0).append(kIni, 3);
}

// What to read of a source: `Anzahl` bytes from the 1-based `Position`.
struct TZQFensterLage {
  std::int64_t Position = 1;
  std::int64_t Anzahl = 0;
  bool Signiert = false;  // the bytes end where a certificate table begins
};

// Where the window lies in a source of `groesse` bytes that begins with `kopf` (its first
// kKopfGroesse bytes, or all of it when shorter).
TZQFensterLage FensterLage(std::string_view kopf, std::int64_t groesse);

// How many of the bytes `gelesen` at `lage` come before the window's end: all of them, or in a
// signed file all but the zero bytes that align its certificate table.
std::size_t FensterEnde(const TZQFensterLage& lage, std::string_view gelesen);

// The window itself: the last 2000 of the bytes `gelesen` at `lage`, up to the window's end.
std::string FensterAus(const TZQFensterLage& lage, std::string_view gelesen);

// Whether a line of the block is a setting: "#", its key and "=" (any key; the reader takes n, z,
// m, d and ?). Every other line is commentary.
inline bool IstEinstellung(const std::string& zeile) {
  return zeile.size() >= 3 && zeile[0] == '#' && zeile[2] == '=';
}

// Whether a file name of the block leads out of the folder it is taken from and copied to, or to no
// file in it: a drive or any colon, a leading backslash or slash, a step of dots (and blanks) other
// than ".", a pattern ("*", "?"), or a device name as any step ("NUL.txt", "com1"). The installer
// refuses a block that names such a file: it would read and write where the user did not choose, or
// wait for a device that may never answer.
bool VerlaesstOrdner(const std::string& datei);

// Finds the block at the end of `fenster` (the last 2000 bytes of the source) and reads its
// settings. `optionalVorhanden` answers for a `?` line whether its file lies beside the installer.
TZQBlock BlockLesen(const std::string& fenster, TZQDateiFrage optionalVorhanden);

// Whether the window holds a block that the reader finds; its settings may still be missing.
bool BlockGefunden(const std::string& fenster);

// Where the installer takes its settings from.
enum class TZQBlockQuelle : unsigned char {
  SignierterBlock,  // the block before the signature that ends its file: what the signature vouches
                    // for is not to be steered by a file that anyone may put beside it
  Seitendatei,      // the side file, which wins over a block at the end of an unsigned installer
  Programm,         // the end of its own file
};
// The choice, from the window of the installer's own file (whether it ends before a signature, and
// the window read there) and whether the side file exists. Signed is what the file says of itself (a certificate table named
// in its header and ending the file, the block before it); verifying it is the system's part when
// it asks for elevation.
TZQBlockQuelle BlockQuelle(bool signiert, const std::string& fenster, bool seitendateiDa);

// "Das Installations-Programm enthält falsche Daten für:" with one line for every setting that is
// missing or wrong (files outside the installer's folder); empty when the block is complete.
std::wstring FalscheDatenText(const TZQBlock& block);
// The four settings the block must have, in the order that text names them: the name (1252) and
// whether the block has it, sound.
struct TZQAngabe {
  const char* Name;
  bool Da;
};
std::array<TZQAngabe, 4> Angaben(const TZQBlock& block);

// The target folder that the `z` value proposes: W, P and D name the system folders that `ordner`
// gives for "w", "p" and "a" (with a backslash at the end), P and D with the program's folder
// `name` below; any other value is the folder itself.
std::wstring ZielVorschlag(const std::wstring& wert, const std::wstring& name,
                           std::wstring (*ordner)(const std::string& code));

// Each name of the 1-based list once, in its first spelling, in list order. Names compare by the
// rules of the block's text (1252, letter case ignored in the user's locale); a name that 1252 cannot
// hold (the installer's own file, renamed by a user) equals no other.
std::vector<std::wstring> EinmalJeName(const std::vector<std::wstring>& namen);
// The list of files to install and the list of those that are missing.
std::wstring FehlendeDateienText(const std::vector<std::wstring>& namen, const std::vector<std::wstring>& fehlend);

// What the installer concludes from a block and the files beside it.
struct TZQUrteil {
  bool Vollstaendig = false;              // every setting given; only then are the files looked at
  std::vector<std::wstring> Namen = {L""};  // 1-based: each file to install once, the installer last
  std::vector<std::wstring> Fehlend;        // the names of `Namen` that `vorhanden` did not find
  std::wstring Fehler;                      // the error page's text; empty when the installation can go on
};

// The verdict on a block: for a complete one, the names of its files and then `eigeneDatei` (the
// installer's own file name), those that differ only in letter case once in their first spelling
// (compared as the block's 1252 text is; a name that 1252 cannot hold equals no other), and the
// names that `vorhanden` does not find; the error page's text for a block that misses a
// setting or a file. Installer and maker's tool both build the text here.
TZQUrteil Urteilen(const TZQBlock& block, const std::wstring& eigeneDatei, TZQDateiFrage vorhanden);

// Whether a menu text can name a shortcut file and a verb key: not empty, not "." or "..", and
// free of control characters and of \ / : * ? " < > |. Any other text would lead a shortcut or a
// key out of its folder, or match other programs' entries as a pattern; it gets no entries.
bool MenueTextBrauchbar(const std::wstring& text);

// The Explorer verb keys under the class root for the menu text `text`: the files' menu, or the
// menus of drives and folders.
std::vector<std::wstring> VerbSchluessel(bool dateiMenue, const std::wstring& text);

// The command line of an Explorer verb: the quoted program in `zielOrt`, its quoted parameters,
// the quoted "%1".
std::wstring Befehlszeile(const std::wstring& zielOrt, const TZQDateienInfo& datei);

// Leading and trailing blanks and control characters removed.
std::string Gestutzt(const std::string& text);
