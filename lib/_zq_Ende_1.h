// How a program of this build ends when it cannot go on. The build has no exceptions: a failed
// allocation and every report of the C++ library (which would throw) end the program at once,
// before anything could go on half done. lib/_zq_Ende_1.cpp routes them all here; each program
// defines Beenden in its own way (a message box, a line on standard error).
#pragma once

enum class TZQEnde { SpeicherFehlt, InnererFehler };

// Allocates nothing: it is also the end of a failed allocation.
[[noreturn]] void Beenden(TZQEnde grund);
