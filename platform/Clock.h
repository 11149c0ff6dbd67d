// Time of the running system.
#pragma once
#include <cstdint>

namespace platform {

// GetTickCount: milliseconds since the system started, wrapping after 49.7 days.
std::uint32_t TickCount();
// Sleep: blocks the thread; messages wait meanwhile.
void SleepMilliseconds(std::uint32_t milliseconds);

}  // namespace platform
