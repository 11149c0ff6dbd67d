// A Windows executable as bytes: whether it is one, where its image ends and data appended to it
// begins, and whether it carries a digital signature.
#pragma once
#include <cstddef>
#include <string>

struct TZQProgramm {
  bool Gueltig = false;          // a PE executable (32 or 64 bit), not a library
  std::size_t AnhangAnfang = 0;  // the first byte behind the image, its signature and its symbols
  bool Signiert = false;         // the header names a certificate table
};

TZQProgramm ProgrammLesen(const std::string& bytes);
