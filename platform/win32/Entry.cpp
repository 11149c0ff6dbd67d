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

// The linker's list of static constructors: -1, the constructors, 0. They run from the last to the
// first, as libgcc's __main runs them; this one stands in for it because libgcc's brings unwind
// tables of its own, and because the call to it appears only as the optimiser at link time
// compiles main, after the linker has chosen its objects: it must be here from the start.
extern "C" void (*__CTOR_LIST__[])();
extern "C" __attribute__((used)) void __main() {
  auto ctor = __CTOR_LIST__ + 1;
  while (*ctor) ++ctor;
  while (--ctor != __CTOR_LIST__) (*ctor)();
}

// What the static objects ask to be done at the end is left undone: they hold memory only, which
// goes with the process. (The start-up code had an atexit of its own; msvcrt.dll exports its own
// as data only.)
extern "C" int atexit(void (*)()) { return 0; }
