// The end-to-end test program: its first argument is the Setup.exe under test, as a Windows path or
// as a path of the host system (which maps through Wine's drive of the host root).
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/Fall.h"

namespace {

std::wstring setupExe;

}  // namespace

// winepath's mapping where Wine offers it, else the drive Z: that a prefix maps to the host root.
std::wstring e2e::WindowsPfad(const std::string& pfad) {
  if (pfad.empty() || pfad[0] != '/') return Breit(pfad.c_str());
  using Umwandlung = WCHAR* (*)(const char*);
  auto umwandeln = reinterpret_cast<Umwandlung>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
  if (umwandeln != nullptr) {
    if (WCHAR* breit = umwandeln(pfad.c_str())) {
      const std::wstring windows = breit;
      ::HeapFree(::GetProcessHeap(), 0, breit);
      return windows;
    }
  }
  std::wstring ergebnis = L"Z:" + Breit(pfad.c_str());
  for (wchar_t& c : ergebnis) {
    if (c == L'/') c = L'\\';
  }
  return ergebnis;
}

const std::wstring& e2e::SetupExe() { return setupExe; }

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (argc < 2) {
    std::fprintf(stderr, "usage: tests_e2e SETUP_EXE [gtest options]\n");
    return 2;
  }
  setupExe = e2e::WindowsPfad(argv[1]);
  if (::GetFileAttributesW(setupExe.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "tests_e2e: %ls does not exist\n", setupExe.c_str());
    return 2;
  }
  ::CoInitialize(nullptr);
  const int ergebnis = RUN_ALL_TESTS();
  // Each case removes its own folder; their common parent goes when it is empty.
  ::RemoveDirectoryA("C:\\zq_e2e");
  ::CoUninitialize();
  return ergebnis;
}
