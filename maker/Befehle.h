// The commands of setupblock: the arguments in, the exit status and the texts for the two standard
// streams out.
#pragma once
#include <string>
#include <vector>

inline constexpr int kFertig = 0;       // done; warnings do not change it
inline constexpr int kFehlerseite = 1;  // `pruefen`: the installer would show its error page
inline constexpr int kVerweigert = 2;   // wrong usage, a file that cannot be read or written, no
                                        // executable where one is needed, a block that cannot be
                                        // converted or does not fit the window; also the
                                        // tool's own end when its output cannot be written or
                                        // memory runs out

struct TZQLauf {
  int Status = kFertig;
  std::string Ausgabe;  // for standard output, 1252
  std::string Fehler;   // for standard error, 1252
};

// Runs the command that `argumente` (without the program's own name) give.
TZQLauf Ausfuehren(const std::vector<std::string>& argumente);
