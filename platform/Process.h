// The running process.
#pragma once
#include <string>

namespace platform {

// GetModuleFileNameA of the executable: its full path.
std::string ModuleFileName();

}  // namespace platform
