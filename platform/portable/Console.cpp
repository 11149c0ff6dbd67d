#include "platform/Console.h"

#include <cerrno>

#include <unistd.h>

namespace platform {

// The host's terminals take UTF-8 as it is.
bool WriteStandard(StandardStream stream, std::string_view utf8) {
  const int fd = stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO;
  while (!utf8.empty()) {
    const ssize_t n = ::write(fd, utf8.data(), utf8.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    utf8.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace platform
