// The entry of Setup.exe in place of the C runtime's start-up code, which the installer does not
// need: it reads no arguments and no environment, and uses no locale, floating point, signals or
// thread-local storage of the runtime. msvcrt.dll sets itself up as it is loaded; main makes the
// static objects itself, through the call to __main that GCC puts at its start on Windows.
//
// WinMainCRTStartup is the name the linker takes as the entry of a program for the Windows
// subsystem; Setup.exe is linked without the start-up files (-nostartfiles) that define it too.
#include <windows.h>

int main();

extern "C" void WinMainCRTStartup() { ::ExitProcess(static_cast<UINT>(main())); }

// What the static objects ask to be done at the end is left undone: they hold memory only, which
// goes with the process. (The start-up code had an atexit of its own; msvcrt.dll exports its own
// as data only.)
extern "C" int atexit(void (*)()) { return 0; }
