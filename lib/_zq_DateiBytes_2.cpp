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

  // One request per byte, as the reader always did; the only caller asks for 2000.
  std::int64_t gelesen = 0;
  for (std::int64_t i = 1; i <= anzahl; ++i) {
    if (datei.Read(&daten[static_cast<std::size_t>(i)], 1) != 1) break;
    gelesen = i;
  }
  daten.resize(static_cast<std::size_t>(gelesen) + 1);
  return gelesen;
}
