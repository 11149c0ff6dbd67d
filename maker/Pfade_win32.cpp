// Windows: the tool's paths are the system's own, in the code page the installer uses.
#include "maker/Pfade.h"

#include "lib/_zq_Adresse_2.h"
#include "lib/_zq_ZeichenEinfach_1.h"
#include "platform/FileSystem.h"

std::string PfadOrdner(const std::string& pfad) {
  const std::size_t ende = pfad.find_last_of("\\/:");
  return ende == std::string::npos ? std::string() : pfad.substr(0, ende + 1);
}

std::string PfadName(const std::string& pfad) { return pfad.substr(PfadOrdner(pfad).size()); }

std::string PfadText(const std::string& pfad) { return pfad; }

std::string AlsOrdner(const std::string& pfad) {
  return pfad.empty() || PfadOrdner(pfad).size() == pfad.size() ? pfad : pfad + '\\';
}

bool OrdnerDa(const std::string& ordner) {
  const std::uint32_t attribute = platform::FileAttributes(ordner.empty() ? "." : ordner);
  return attribute != platform::kInvalidAttributes && (attribute & platform::kAttributeDirectory);
}

bool DateiDaneben(const std::string& ordner, const std::string& name) { return DateiExistiert(ordner + name); }

std::string SeitendateiVon(const std::string& exe) {
  const std::string seitendatei = TextMitteVonRechts(exe, 4, -1) + "INI";
  return DateiExistiert(seitendatei) ? seitendatei : std::string();
}
