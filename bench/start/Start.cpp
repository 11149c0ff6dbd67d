// Start-up benchmark: the time from process start to the visible main window, for Setup.exe (with
// the block appended that the caller prepared) and for a bare Win32 program that shows one window,
// started in turn, the median of each and their ratio. Usage: zq_start SETUP.EXE LEER.EXE [STARTS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Suche {
  DWORD pid;
  HWND fund;
};

BOOL CALLBACK Sichtbar(HWND fenster, LPARAM p) {
  auto* suche = reinterpret_cast<Suche*>(p);
  DWORD von = 0;
  ::GetWindowThreadProcessId(fenster, &von);
  if (von != suche->pid || !::IsWindowVisible(fenster) || ::GetWindow(fenster, GW_OWNER) != nullptr) return TRUE;
  suche->fund = fenster;
  return FALSE;
}

// Milliseconds from CreateProcess to a visible top-level window of the new process; the process
// is ended afterwards. A negative value when no window showed within 20 s.
double Start(const std::string& exe) {
  const std::string ordner = exe.substr(0, exe.find_last_of("\\/") + 1);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION prozess = {};
  std::string befehl = "\"" + exe + "\"";
  LARGE_INTEGER frequenz, beginn, jetzt;
  ::QueryPerformanceFrequency(&frequenz);
  ::QueryPerformanceCounter(&beginn);
  if (!::CreateProcessA(exe.c_str(), befehl.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        ordner.empty() ? nullptr : ordner.c_str(), &si, &prozess)) {
    return -1;
  }
  double ms = -1;
  for (;;) {
    Suche suche{prozess.dwProcessId, nullptr};
    ::EnumWindows(&Sichtbar, reinterpret_cast<LPARAM>(&suche));
    ::QueryPerformanceCounter(&jetzt);
    const double vergangen = 1000.0 * static_cast<double>(jetzt.QuadPart - beginn.QuadPart) / static_cast<double>(frequenz.QuadPart);
    if (suche.fund != nullptr) {
      ms = vergangen;
      break;
    }
    if (vergangen > 20000) break;
    ::Sleep(1);
  }
  ::TerminateProcess(prozess.hProcess, 0);
  ::WaitForSingleObject(prozess.hProcess, 5000);
  ::CloseHandle(prozess.hThread);
  ::CloseHandle(prozess.hProcess);
  return ms;
}

double Median(std::vector<double> werte) {
  std::sort(werte.begin(), werte.end());
  const std::size_t n = werte.size();
  return n % 2 == 1 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: zq_start SETUP.EXE LEER.EXE [STARTS]\n");
    return 2;
  }
  const int starts = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;
  // Starts of each before counting: the first ones in a fresh prefix pay for loading DLLs and
  // building the font cache.
  for (int i = 0; i < 3; ++i) {
    Start(argv[1]);
    Start(argv[2]);
  }
  std::vector<double> setup, leer;
  for (int i = 0; i < starts; ++i) {
    const double s = Start(argv[1]);
    const double l = Start(argv[2]);
    if (s < 0 || l < 0) {
      std::fprintf(stderr, "zq_start: a window did not show\n");
      return 1;
    }
    setup.push_back(s);
    leer.push_back(l);
  }
  const double ms = Median(setup), basis = Median(leer);
  std::printf("start to visible window, median of %d starts each, interleaved:\n", starts);
  std::printf("  Setup.exe with the demo block  %7.1f ms\n", ms);
  std::printf("  bare Win32 window              %7.1f ms\n", basis);
  std::printf("  ratio                          %7.2f (aim: at most 1.30)\n", ms / basis);
  return 0;
}
