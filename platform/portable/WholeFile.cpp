#include "platform/WholeFile.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// A file descriptor closed at the end of its scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace

bool ReadWholeFile(const std::string& name, std::string& content) {
  content.clear();
  Descriptor datei(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
  if (datei.get() < 0) return false;
  struct stat info {};
  if (::fstat(datei.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  char puffer[65536];
  for (;;) {
    const ssize_t n = ::read(datei.get(), puffer, sizeof puffer);
    if (n == 0) return true;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    content.append(puffer, static_cast<std::size_t>(n));
  }
}

NewFile WriteNewFile(const std::string& name, const std::string& content) {
  Descriptor datei(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (datei.get() < 0) return errno == EEXIST ? NewFile::NameTaken : NewFile::NotCreated;
  std::size_t geschrieben = 0;
  while (geschrieben < content.size()) {
    const ssize_t n = ::write(datei.get(), content.data() + geschrieben, content.size() - geschrieben);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return NewFile::NotWritten;
    geschrieben += static_cast<std::size_t>(n);
  }
  return ::fsync(datei.get()) == 0 && datei.Close() ? NewFile::Written : NewFile::NotWritten;
}

bool RenameReplacing(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& name) { return ::unlink(name.c_str()) == 0; }

bool SameFile(const std::string& a, const std::string& b) {
  struct stat x {};
  struct stat y {};
  if (::stat(a.c_str(), &x) != 0 || ::stat(b.c_str(), &y) != 0) return false;
  return x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

}  // namespace platform
