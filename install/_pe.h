// The headers of a Windows executable (PE), read from its bytes: what kind of file it is, where its
// image ends and attached data begins, and where the certificate table of a digital signature lies.
// Pure, as the block's reader is: the installer reads the head of its own file, the maker's tool a
// whole file, and both take the same answers from here.
#pragma once
#include <cstdint>
#include <string_view>

struct TZQProgramm {
  bool Pe = false;           // "MZ", a PE signature and an optional header of PE32 or PE32+
  bool Plus = false;         // PE32+, the 64-bit kind
  std::uint64_t PeAnfang = 0;  // where the PE signature lies
  bool Gueltig = false;      // a PE executable (not a library) whose section table the bytes hold
  bool Abgeschnitten = false;  // headers or sections reach beyond the end of the file
  // The first byte behind the image and its symbols, cut to the file's size. Read from a head only,
  // it counts what that head holds: symbols whose string table lies beyond it count without it.
  std::uint64_t BildEnde = 0;
  // The security directory (a file offset, not an address): where its entry in the header lies,
  // and the table it names. Signiert when its size is not 0; the values are the header's, not cut
  // to the file.
  bool Signiert = false;
  std::uint64_t SignaturEintrag = 0;
  std::uint64_t SignaturAnfang = 0;
  std::uint64_t SignaturGroesse = 0;

  // Whether the certificate table ends the file: then it is the signature's, and what lies before
  // it is covered by it.
  bool SignaturAmEnde(std::uint64_t dateiGroesse) const {
    return Pe && Signiert && SignaturAnfang + SignaturGroesse == dateiGroesse;
  }
};

// Reads the headers from `bytes`, the first bytes of a file of `dateiGroesse` bytes (the whole file,
// or its head). Fields that lie beyond `bytes` read as 0, which no check accepts.
TZQProgramm ProgrammLesen(std::string_view bytes, std::uint64_t dateiGroesse);
// The same as far as the headers themselves tell: Pe, Plus, PeAnfang and the security directory,
// the rest left at its start. All that the installer needs, and no more code in it.
TZQProgramm ProgrammKopfLesen(std::string_view bytes);
inline TZQProgramm ProgrammLesen(std::string_view datei) { return ProgrammLesen(datei, datei.size()); }
