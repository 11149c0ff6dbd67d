// Windows: the tool's paths are UTF-8, as everywhere; the system gets them as UTF-16, whatever its
// ANSI code page, and the names of a block decoded from 1252, as the installer takes them.
#include "maker/Pfade.h"

#include "install/_block.h"
#include "lib/_zq_Adresse_2.h"
#include "lib/_zq_Zeichensatz_1.h"
#include "maker/Zeichensatz.h"
#include "platform/FileSystem.h"

std::string PfadOrdner(const std::string& pfad) {
  const std::size_t ende = pfad.find_last_of("\\/:");
  return ende == std::string::npos ? std::string() : pfad.substr(0, ende + 1);
}

std::string AlsOrdner(const std::string& pfad) {
  return pfad.empty() || PfadOrdner(pfad).size() == pfad.size() ? pfad : pfad + '\\';
}

bool OrdnerDa(const std::string& ordner) {
  const std::uint32_t attribute = platform::FileAttributes(BreitAusUtf8(ordner.empty() ? "." : ordner));
  return attribute != platform::kInvalidAttributes && (attribute & platform::kAttributeDirectory);
}

bool DateiDaneben(const std::string& ordner, const std::string& name) {
  return DateiExistiert(BreitAusUtf8(ordner) + Cp1252Breit(name));
}

std::string SeitendateiVon(const std::string& exe) {
  const std::wstring seitendatei = SeitendateiName(BreitAusUtf8(exe));
  return DateiExistiert(seitendatei) ? Utf8AusBreit(seitendatei) : std::string();
}
