// Copy benchmark: a large file copied onto an existing copy of itself through the copy step's
// routine (DateiKopieren), through the system's CopyFileW, and through CopyFileW followed by a flush
// of the copy to the disk (which DateiKopieren does before its copy takes the old file's name), in
// turn, the median of each and the ratios. Every copy's bytes are on the disk before the next copy
// starts, outside the time taken, so that none pays for another's writing. Usage: zq_kopie FOLDER
// [MIB] [ROUNDS]; FOLDER is made and emptied again.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lib/_zq_Adresse_2.h"

namespace {

double Jetzt() {
  LARGE_INTEGER frequenz, zaehler;
  ::QueryPerformanceFrequency(&frequenz);
  ::QueryPerformanceCounter(&zaehler);
  return 1000.0 * static_cast<double>(zaehler.QuadPart) / static_cast<double>(frequenz.QuadPart);
}

// Bytes that no file system compresses or leaves out as a hole.
bool Quelle(const std::wstring& pfad, unsigned mib) {
  HANDLE h = ::CreateFileW(pfad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  std::vector<unsigned> stueck(1 << 18);
  unsigned x = 2463534242u;
  bool ok = true;
  for (unsigned i = 0; ok && i < mib; ++i) {
    for (unsigned& w : stueck) {
      x ^= x << 13, x ^= x >> 17, x ^= x << 5;
      w = x;
    }
    DWORD n = 0;
    ok = ::WriteFile(h, stueck.data(), 1 << 20, &n, nullptr) && n == 1u << 20;
  }
  ::CloseHandle(h);
  return ok;
}

// Whatever of `pfad` is still in the cache goes to the disk.
bool Ausschreiben(const std::wstring& pfad) {
  HANDLE h = ::CreateFileW(pfad.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const bool ok = ::FlushFileBuffers(h) != FALSE;
  ::CloseHandle(h);
  return ok;
}

double Median(std::vector<double> werte) {
  std::sort(werte.begin(), werte.end());
  return werte[werte.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: zq_kopie FOLDER [MIB] [ROUNDS]\n");
    return 2;
  }
  const std::wstring ordner = MitEndBackslash(argv[1]);
  const unsigned mib = argc > 2 ? static_cast<unsigned>(std::wcstoul(argv[2], nullptr, 10)) : 1024;
  const int runden = argc > 3 ? std::max(1, _wtoi(argv[3])) : 5;
  const std::wstring quelle = ordner + L"quelle.bin", ziel = ordner + L"ziel.bin";
  if (!VerzeichnisMachen(ordner, true) || !Quelle(quelle, mib) || !::CopyFileW(quelle.c_str(), ziel.c_str(), FALSE)) {
    std::fprintf(stderr, "zq_kopie: cannot make %u MiB in %ls\n", mib, ordner.c_str());
    return 1;
  }
  std::vector<double> routine, system, systemAusgeschrieben;
  for (int i = 0; i < runden; ++i) {
    double t = Jetzt();
    const bool a = DateiKopieren(quelle, ziel);
    routine.push_back(Jetzt() - t);
    t = Jetzt();
    const bool b = ::CopyFileW(quelle.c_str(), ziel.c_str(), FALSE);
    system.push_back(Jetzt() - t);
    const bool c = Ausschreiben(ziel);
    t = Jetzt();
    const bool d = ::CopyFileW(quelle.c_str(), ziel.c_str(), FALSE) && Ausschreiben(ziel);
    systemAusgeschrieben.push_back(Jetzt() - t);
    if (!a || !b || !c || !d) {
      std::fprintf(stderr, "zq_kopie: a copy failed (DateiKopieren %d, CopyFileW %d, flushed %d %d)\n", a, b, c, d);
      return 1;
    }
  }
  AdresseLoeschen(ordner, false);
  const double r = Median(routine), s = Median(system), f = Median(systemAusgeschrieben);
  std::printf("copy of %u MiB onto an existing file, median of %d rounds:\n", mib, runden);
  std::printf("  DateiKopieren            %8.1f ms  %7.1f MiB/s\n", r, mib * 1000.0 / r);
  std::printf("  CopyFileW                %8.1f ms  %7.1f MiB/s\n", s, mib * 1000.0 / s);
  std::printf("  CopyFileW, then flushed  %8.1f ms  %7.1f MiB/s\n", f, mib * 1000.0 / f);
  std::printf("  ratio to CopyFileW              %5.2f\n", r / s);
  std::printf("  ratio to CopyFileW, flushed     %5.2f (the same bytes on the disk; aim: at most 1.1)\n", r / f);
  return 0;
}
