// Time of the running system.
#pragma once
#include <cstdint>

namespace platform {

// GetTickCount: milliseconds since the system started, wrapping after 49.7 days.
std::uint32_t TickCount();

}  // namespace platform
