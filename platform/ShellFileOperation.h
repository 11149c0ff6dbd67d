// Copy, move and delete through the shell (SHFileOperationW).
#pragma once
#include <cstdint>
#include <string>

namespace platform {

inline constexpr std::uint32_t kShellMove = 1;    // FO_MOVE
inline constexpr std::uint32_t kShellCopy = 2;    // FO_COPY
inline constexpr std::uint32_t kShellDelete = 3;  // FO_DELETE

inline constexpr std::uint16_t kShellSilent = 4;             // FOF_SILENT
inline constexpr std::uint16_t kShellNoConfirmation = 16;    // FOF_NOCONFIRMATION
inline constexpr std::uint16_t kShellAllowUndo = 64;         // FOF_ALLOWUNDO
inline constexpr std::uint16_t kShellNoConfirmMkdir = 512;   // FOF_NOCONFIRMMKDIR
inline constexpr std::uint16_t kShellNoErrorUi = 1024;       // FOF_NOERRORUI

// SHFileOperationW, synchronous. The record holds no owner window, `operation`, `source` as a list
// of this one path ended by two NULs, `target` the same way (no target at all when it is empty),
// `flags`, and 0 in every other field. The shell's return value: 0 on success.
int ShellFileOperation(std::uint32_t operation, const std::wstring& source, const std::wstring& target,
                       std::uint16_t flags);

}  // namespace platform
