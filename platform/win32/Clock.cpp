#include "platform/Clock.h"

#include <windows.h>

namespace platform {

std::uint32_t TickCount() { return ::GetTickCount(); }

void SleepMilliseconds(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace platform
