#include "lib/_zq_DateiBytes_2.h"

#include "platform/File.h"
#include "platform/FileSystem.h"

std::int64_t DateiBytesLesen(const std::wstring& dateiName, std::vector<std::uint8_t>& daten,
                             std::int64_t position, std::int64_t anzahl) {
  daten.resize(1);
  const std::uint32_t attribute = platform::FileAttributes(dateiName);
  if (attribute == platform::kInvalidAttributes || (attribute & platform::kAttributeDirectory)) return 0;

  platform::File datei;
  if (!datei.OpenRead(dateiName)) return 0;
  if (position < 1) position = 1;
  if (anzahl < 1) anzahl = 1;
  if (!datei.Seek(position - 1)) return 0;

  // On a 32-bit build a count beyond the address space would wrap; it cannot be held either way.
  if (static_cast<std::uint64_t>(anzahl) >= daten.max_size()) return 0;
  // No more room than the file can deliver from the position on.
  const std::int64_t rest = datei.Size() - (position - 1);
  if (rest <= 0) return 0;
  if (anzahl > rest) anzahl = rest;
  daten.resize(static_cast<std::size_t>(anzahl) + 1);

  // As few requests as the system needs: under Wine each one is a round trip to its server.
  std::int64_t gelesen = 0;
  while (gelesen < anzahl) {
    const std::int64_t offen = anzahl - gelesen;
    const std::uint32_t n = datei.Read(&daten[static_cast<std::size_t>(gelesen) + 1],
                                       static_cast<std::uint32_t>(offen < (1 << 30) ? offen : (1 << 30)));
    if (n == 0) break;
    gelesen += n;
  }
  daten.resize(static_cast<std::size_t>(gelesen) + 1);
  return gelesen;
}
