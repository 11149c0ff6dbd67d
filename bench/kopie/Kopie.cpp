// Copy benchmark: files copied onto earlier copies of themselves by the copy step (Kopieren: every
// new file ready and flushed, then the switch by renames, then the old files removed), by the
// system's CopyFileW, and by CopyFileW followed by a flush of each copy to the disk (which the step
// does before a copy takes the old file's name), in turn; the median of each and the ratios. Two
// cases in one run: the most files a block names, small ones (80 of 8 KiB), and one large file.
// Every copy's bytes are on the disk before the next round starts, outside the time taken, so that
// none pays for another's writing. Usage: zq_kopie FOLDER [MIB] [ROUNDS]; FOLDER is made and
// emptied again.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "install/_kopieren.h"
#include "lib/_zq_Adresse_2.h"

namespace {

double Jetzt() {
  LARGE_INTEGER frequenz, zaehler;
  ::QueryPerformanceFrequency(&frequenz);
  ::QueryPerformanceCounter(&zaehler);
  return 1000.0 * static_cast<double>(zaehler.QuadPart) / static_cast<double>(frequenz.QuadPart);
}

// Bytes that no file system compresses or leaves out as a hole.
bool Quelle(const std::wstring& pfad, unsigned kib) {
  HANDLE h = ::CreateFileW(pfad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  std::vector<unsigned> stueck(256);
  static unsigned x = 2463534242u;
  bool ok = true;
  for (unsigned i = 0; ok && i < kib; ++i) {
    for (unsigned& w : stueck) {
      x ^= x << 13, x ^= x >> 17, x ^= x << 5;
      w = x;
    }
    DWORD n = 0;
    ok = ::WriteFile(h, stueck.data(), 1024, &n, nullptr) && n == 1024;
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

struct Paar {
  std::wstring quelle, ziel;
};

// `anzahl` files of `kib` KiB in `ordner`'s folder "quelle", each with an earlier copy in "ziel",
// and the copy step for them.
bool Dateien(const std::wstring& ordner, const wchar_t* name, unsigned anzahl, unsigned kib, std::vector<Paar>& paare,
             TZQKopierschritt& schritt) {
  schritt.Quelle = ordner + L"quelle\\";
  schritt.Ziel = ordner + L"ziel\\";
  schritt.Dateien.resize(1);
  if (!VerzeichnisMachen(schritt.Quelle, true) || !VerzeichnisMachen(schritt.Ziel, true)) return false;
  for (unsigned i = 0; i < anzahl; ++i) {
    const std::wstring n = name + std::to_wstring(i);
    Paar p{schritt.Quelle + n, schritt.Ziel + n};
    if (!Quelle(p.quelle, kib) || !::CopyFileW(p.quelle.c_str(), p.ziel.c_str(), FALSE)) return false;
    paare.push_back(p);
    schritt.Dateien.push_back({n, L""});
  }
  return true;
}

// The three ways to copy every pair once, each timed `runden` times; false when a copy failed.
bool Messen(const char* fall, const std::vector<Paar>& paare, const TZQKopierschritt& schritt, double mib, int runden) {
  std::vector<double> routine, system, systemAusgeschrieben;
  bool ok = true;
  const auto alleAusschreiben = [&] {
    for (const Paar& p : paare) ok = Ausschreiben(p.ziel) && ok;
  };
  for (int i = 0; i < runden; ++i) {
    double t = Jetzt();
    TZQKopierschritt k = schritt;
    Kopieren(&k);
    ok = k.Misslungen.empty() && ok;
    routine.push_back(Jetzt() - t);
    alleAusschreiben();
    t = Jetzt();
    for (const Paar& p : paare) ok = ::CopyFileW(p.quelle.c_str(), p.ziel.c_str(), FALSE) && ok;
    system.push_back(Jetzt() - t);
    alleAusschreiben();
    t = Jetzt();
    for (const Paar& p : paare) ok = ::CopyFileW(p.quelle.c_str(), p.ziel.c_str(), FALSE) && Ausschreiben(p.ziel) && ok;
    systemAusgeschrieben.push_back(Jetzt() - t);
  }
  if (!ok) {
    std::fprintf(stderr, "zq_kopie: a copy failed (%s)\n", fall);
    return false;
  }
  const double r = Median(routine), s = Median(system), f = Median(systemAusgeschrieben);
  std::printf("%s onto existing files, median of %d rounds:\n", fall, runden);
  std::printf("  the copy step            %8.1f ms  %7.1f MiB/s\n", r, mib * 1000.0 / r);
  std::printf("  CopyFileW                %8.1f ms  %7.1f MiB/s\n", s, mib * 1000.0 / s);
  std::printf("  CopyFileW, then flushed  %8.1f ms  %7.1f MiB/s\n", f, mib * 1000.0 / f);
  std::printf("  ratio to CopyFileW              %5.2f\n", r / s);
  std::printf("  ratio to CopyFileW, flushed     %5.2f (the same bytes on the disk)\n", r / f);
  return true;
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
  constexpr unsigned kKlein = 80, kKleinKib = 8;
  std::vector<Paar> klein, gross;
  TZQKopierschritt kleinSchritt, grossSchritt;
  if (!VerzeichnisMachen(ordner, true) || !Dateien(ordner + L"klein\\", L"klein", kKlein, kKleinKib, klein, kleinSchritt) ||
      !Dateien(ordner + L"gross\\", L"gross", 1, mib * 1024, gross, grossSchritt)) {
    std::fprintf(stderr, "zq_kopie: cannot make the files in %ls\n", ordner.c_str());
    return 1;
  }
  char kleinFall[64], grossFall[64];
  std::snprintf(kleinFall, sizeof kleinFall, "%u files of %u KiB", kKlein, kKleinKib);
  std::snprintf(grossFall, sizeof grossFall, "one file of %u MiB", mib);
  const bool ok = Messen(kleinFall, klein, kleinSchritt, kKlein * kKleinKib / 1024.0, runden) &&
                  Messen(grossFall, gross, grossSchritt, mib, runden);
  AdresseLoeschen(ordner, false);
  return ok ? 0 : 1;
}
