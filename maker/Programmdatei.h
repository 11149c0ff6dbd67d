// A Windows executable as bytes: whether it is one, where its image ends and data attached to it
// begins, and where the certificate table of a digital signature lies.
#pragma once
#include <cstddef>
#include <string>

struct TZQProgramm {
  bool Gueltig = false;            // a PE executable (32 or 64 bit), not a library
  bool Abgeschnitten = false;      // its headers or sections reach beyond the end of the file
  std::size_t BildEnde = 0;        // the first byte behind the image and its symbols, cut to the file
  bool Signiert = false;           // the header names a certificate table
  std::size_t SignaturAnfang = 0;  // where that table begins and ends, both cut to the file
  std::size_t SignaturEnde = 0;
  std::size_t SignaturEintrag = 0;  // where the header's entry naming the table lies
};

TZQProgramm ProgrammLesen(const std::string& bytes);
