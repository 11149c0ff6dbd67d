// The host system: paths are UTF-8, "/" separates folders and letter case counts.
#include "maker/Pfade.h"

#include <vector>

#include "install/_block.h"
#include "lib/_zq_ZeichenEinfach_1.h"
#include "maker/Zeichensatz.h"
#include "platform/FolderListing.h"

namespace {

// The entry of `ordner` that Windows would take for `name` (1252): the one spelt alike, or else
// one that differs only in letter case. Its name on disk, or empty.
std::string EintragFinden(const std::string& ordner, const std::string& name, bool alsOrdner) {
  std::vector<platform::FolderItem> eintraege;
  if (!platform::ListFolder(ordner.empty() ? "." : ordner, eintraege)) return {};
  const std::string genau = Utf8AusCp1252(name);
  const std::string klein = TextKlein(name);
  std::string gefunden;
  for (const platform::FolderItem& e : eintraege) {
    if (e.folder != alsOrdner) continue;
    if (e.name == genau) return e.name;
    if (gefunden.empty() && TextKlein(Cp1252AusUtf8(e.name)) == klein) gefunden = e.name;
  }
  return gefunden;
}

}  // namespace

std::string PfadOrdner(const std::string& pfad) {
  const std::size_t ende = pfad.rfind('/');
  return ende == std::string::npos ? std::string() : pfad.substr(0, ende + 1);
}

std::string AlsOrdner(const std::string& pfad) {
  return pfad.empty() || pfad.back() == '/' ? pfad : pfad + '/';
}

bool OrdnerDa(const std::string& ordner) {
  std::vector<platform::FolderItem> eintraege;
  return platform::ListFolder(ordner.empty() ? "." : ordner, eintraege);
}

bool DateiDaneben(const std::string& ordner, const std::string& name) {
  std::vector<std::string> teile(1);
  for (char c : name) {
    if (c == '\\' || c == '/') teile.emplace_back();
    else teile.back() += c;
  }
  std::string pfad = ordner;
  for (std::size_t i = 0; i < teile.size(); ++i) {
    const bool letztes = i + 1 == teile.size();
    const std::string& teil = teile[i];
    if (!letztes && (teil.empty() || teil == ".")) continue;
    if (!letztes && teil == "..") {
      pfad += "../";
      continue;
    }
    const std::string eintrag = EintragFinden(pfad, teil, !letztes);
    if (eintrag.empty()) return false;
    pfad += eintrag + (letztes ? "" : "/");
  }
  return true;
}

std::string SeitendateiVon(const std::string& exe) {
  const std::string name = PfadName(exe);
  if (name.size() < 3) return {};
  const std::string eintrag = EintragFinden(PfadOrdner(exe), PfadText(SeitendateiName(name)), false);
  return eintrag.empty() ? std::string() : PfadOrdner(exe) + eintrag;
}
