// Start-up benchmark: the time from process start to the visible main window, for Setup.exe (with
// the block appended that the caller prepared), for a bare Win32 program that shows one window, and
// for the same program doing the shell work of an installer's first window before it shows it,
// started in turn; the fastest, the median and the 90th percentile of each, and the ratios of the
// medians. Usage: zq_start SETUP.EXE LEER.EXE [STARTS]
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
double Start(const std::string& exe, const char* argument = "") {
  const std::string ordner = exe.substr(0, exe.find_last_of("\\/") + 1);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION prozess = {};
  std::string befehl = "\"" + exe + "\" " + argument;
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

// The value below which `anteil` of the starts lie (nearest rank).
double Rang(std::vector<double> werte, double anteil) {
  std::sort(werte.begin(), werte.end());
  std::size_t i = static_cast<std::size_t>(anteil * static_cast<double>(werte.size()) + 0.999999);
  return werte[std::min(werte.size(), std::max<std::size_t>(i, 1)) - 1];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: zq_start SETUP.EXE LEER.EXE [STARTS]\n");
    return 2;
  }
  const int starts = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;
  struct Programm {
    const char* name;
    std::string exe;
    const char* argument;
    std::vector<double> ms;
  };
  Programm programme[] = {{"Setup.exe with the demo block", argv[1], "", {}},
                          {"bare Win32 window", argv[2], "", {}},
                          {"window after the shell work", argv[2], "shell", {}}};
  // Starts of each before counting: the first ones in a fresh prefix pay for loading DLLs and
  // building the font cache.
  for (int i = 0; i < 3; ++i) {
    for (Programm& p : programme) Start(p.exe, p.argument);
  }
  for (int i = 0; i < starts; ++i) {
    for (Programm& p : programme) {
      const double ms = Start(p.exe, p.argument);
      if (ms < 0) {
        std::fprintf(stderr, "zq_start: a window did not show (%s)\n", p.name);
        return 1;
      }
      p.ms.push_back(ms);
    }
  }
  std::printf("start to visible window, %d starts each, interleaved:      fastest    median       90%%\n", starts);
  for (const Programm& p : programme) {
    std::printf("  %-32s %9.1f ms %7.1f ms %7.1f ms\n", p.name, Rang(p.ms, 0), Rang(p.ms, 0.5), Rang(p.ms, 0.9));
  }
  const double setup = Rang(programme[0].ms, 0.5);
  std::printf("  Setup.exe / bare window, medians           %5.2f\n", setup / Rang(programme[1].ms, 0.5));
  std::printf("  Setup.exe / shell-work window, medians     %5.2f (aim: at most 1.30)\n", setup / Rang(programme[2].ms, 0.5));
  std::printf("  Setup.exe: 90%% / fastest                   %5.2f (aim: at most 1.50)\n",
              Rang(programme[0].ms, 0.9) / Rang(programme[0].ms, 0));
  return 0;
}
