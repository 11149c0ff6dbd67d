#include "platform/WholeFile.h"

#include <windows.h>

#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace platform {

namespace {

// The tool's names are UTF-8 on every host; the system takes them as UTF-16, decoded as the
// tool's own checks decode them.
std::wstring Breit(const std::string& utf8) { return BreitAusUtf8(utf8); }

bool FileIdentity(const std::string& name, BY_HANDLE_FILE_INFORMATION& info) {
  // No access rights are needed to read the identity, and folders open only with backup semantics.
  File datei;
  return datei.Open(Breit(name), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS) &&
         ::GetFileInformationByHandle(datei.Handle(), &info) != 0;
}

}  // namespace

bool ReadWholeFile(const std::string& name, std::string& content) {
  content.clear();
  File datei;
  if (!datei.OpenRead(Breit(name))) return false;
  char puffer[65536];
  for (;;) {
    DWORD gelesen = 0;
    if (!::ReadFile(datei.Handle(), puffer, sizeof puffer, &gelesen, nullptr)) return false;
    if (gelesen == 0) return true;
    content.append(puffer, gelesen);
  }
}

NewFile WriteNewFile(const std::string& name, const std::string& content) {
  File datei;
  if (!datei.CreateNew(Breit(name))) {
    const DWORD fehler = ::GetLastError();
    return fehler == ERROR_FILE_EXISTS || fehler == ERROR_ALREADY_EXISTS ? NewFile::NameTaken : NewFile::NotCreated;
  }
  for (std::size_t geschrieben = 0; geschrieben < content.size();) {
    const std::size_t rest = content.size() - geschrieben;
    const std::uint32_t stueck = rest > 0x10000000 ? 0x10000000 : static_cast<std::uint32_t>(rest);
    if (!datei.Write(content.data() + geschrieben, stueck)) return NewFile::NotWritten;
    geschrieben += stueck;
  }
  return datei.Flush() && datei.Close() ? NewFile::Written : NewFile::NotWritten;
}

bool RenameReplacing(const std::string& from, const std::string& to) { return RenameReplacing(Breit(from), Breit(to)); }

bool RemoveFile(const std::string& name) { return RemoveFile(Breit(name)); }

bool SameFile(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION x{};
  BY_HANDLE_FILE_INFORMATION y{};
  if (!FileIdentity(a, x) || !FileIdentity(b, y)) return false;
  return x.dwVolumeSerialNumber == y.dwVolumeSerialNumber && x.nFileIndexHigh == y.nFileIndexHigh &&
         x.nFileIndexLow == y.nFileIndexLow;
}

}  // namespace platform
