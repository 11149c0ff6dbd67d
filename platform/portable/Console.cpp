#include "platform/Console.h"

#include <cerrno>

#include <unistd.h>

namespace platform {

// The host's terminals take UTF-8 as it is.
bool WriteStandard(StandardStream stream, const std::string& utf8) {
  const int fd = stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO;
  std::size_t geschrieben = 0;
  while (geschrieben < utf8.size()) {
    const ssize_t n = ::write(fd, utf8.data() + geschrieben, utf8.size() - geschrieben);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    geschrieben += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace platform
