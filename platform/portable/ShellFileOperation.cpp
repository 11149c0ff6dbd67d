// The portable build's stand-in for the shell: there is none, so every operation fails with the
// shell's "no such file" code (2). See FileSystem.cpp beside this file for why the stand-in exists.
#include "platform/ShellFileOperation.h"

namespace platform {

int ShellFileOperation(std::uint32_t, const std::wstring&, const std::wstring&, std::uint16_t) { return 2; }

}  // namespace platform
