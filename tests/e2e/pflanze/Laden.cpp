// Loads the DLL named on its command line by name, as the system's own DLLs do, without limiting
// where the system looks for it: the control that a planted DLL is found at all.
#include <windows.h>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  return ::LoadLibraryA(argv[1]) != nullptr ? 0 : 1;
}
