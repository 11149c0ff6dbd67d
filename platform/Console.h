// The standard output and error streams of a console program.
#pragma once
#include <string_view>

namespace platform {

enum class StandardStream { Output, Error };

// Writes UTF-8 text to the stream: to a console window through WriteConsoleW, so that it shows
// every character whatever the console's code page; to a file or pipe as the bytes themselves
// (WriteFile). Allocates nothing. False when the stream takes not all of it.
bool WriteStandard(StandardStream stream, std::string_view utf8);

}  // namespace platform
