// A program with Setup.exe's ends whose allocations can be made to fail: `speicher` fails an
// allocation, `bericht` makes the C++ library report (after naming the program), both with every
// allocation failing from then on. The ends must still reach the user and end with code 1.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Application.h"

namespace {
bool versagen = false;
}

// Linked with --wrap=malloc: every malloc of this program's own code comes here.
extern "C" void* __real_malloc(std::size_t groesse);
extern "C" void* __wrap_malloc(std::size_t groesse) { return versagen ? nullptr : __real_malloc(groesse); }

int main(int argc, char** argv) {
  if (argc != 2) return 3;
  if (std::strcmp(argv[1], "speicher") == 0) {
    versagen = true;
    std::wstring text(64, L'x');
    return text.size() == 64 ? 4 : 5;
  }
  if (std::strcmp(argv[1], "bericht") == 0) {
    platform::SetApplicationTitle(L"ZQ Ende");
    std::vector<int> leer;
    versagen = true;
    return leer.at(3);
  }
  return 3;
}
