// Fuzzing of the executable headers: random changes to crafted executables (and to the seeds in
// tests/fuzz/seeds, hex text), each input read as the installer reads its own file and as the
// maker's tool reads it. For every input both must agree on where the window ends, what it holds
// and whether a block is there; the whole-file reader must agree with the head reader on the
// signature the head names; nothing may read outside the bytes (the sanitizer build sees to that).
//   zq_fuzz_fenster SECONDS [SEED-FOLDER] [RANDOM-SEED]
// Exit 0: no disagreement; 1: one found, the input written as hex to zq_fuzz_fund.hex.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "install/_pe.h"
#include "maker/Blocktext.h"
#include "tests/maker/Hilfen.h"
#include "tests/maker/Kopf.h"

namespace {

std::string AusHex(const std::string& text) {
  std::string bytes;
  int halb = -1;
  for (char c : text) {
    const int z = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (z < 0) continue;
    if (halb < 0) {
      halb = z;
    } else {
      bytes += static_cast<char>(halb * 16 + z);
      halb = -1;
    }
  }
  return bytes;
}

std::string AlsHex(const std::string& bytes) {
  static const char ziffern[] = "0123456789abcdef";
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    text += ziffern[static_cast<unsigned char>(bytes[i]) >> 4];
    text += ziffern[static_cast<unsigned char>(bytes[i]) & 15];
    if (i % 32 == 31) text += '\n';
  }
  return text + '\n';
}

// The first disagreement found in `bytes`, or an empty text.
std::string Widerspruch(const std::string& bytes) {
  const kopf::Sicht installer = kopf::Installer(bytes);
  if (installer.Schluss > bytes.size()) return "the window ends beyond the file";
  if (installer.Fenster.size() > kFenster) return "the window is larger than 2000 bytes";
  if (FensterSchluss(bytes) != installer.Schluss) return "installer and tool end the window in different places";
  const std::string fenster = Fenster(bytes);
  if (fenster != installer.Fenster) return "installer and tool read different windows";
  if (BlockGefunden(fenster) != installer.Block) return "installer and tool disagree on the block";
  const TZQProgramm ganz = ProgrammLesen(bytes);
  const TZQProgramm kopf = ProgrammKopfLesen(std::string_view(bytes).substr(0, kKopfGroesse));
  if (ganz.BildEnde > bytes.size()) return "the image ends beyond the file";
  if (ganz.SignaturEintrag + 8 <= kKopfGroesse &&
      (ganz.Signiert != kopf.Signiert || ganz.SignaturAnfang != kopf.SignaturAnfang ||
       ganz.SignaturGroesse != kopf.SignaturGroesse)) {
    return "the whole file and its head name different signatures";
  }
  if (installer.Signiert != (kopf.SignaturAmEnde(bytes.size()) && kopf.SignaturAnfang > 0)) {
    return "the installer's signature is not the one its head names";
  }
  return {};
}

// The seeds: crafted executables, signed and not, with and without a block, and the folder's own.
std::vector<std::string> Saaten(const char* ordner) {
  using kopf::Bild;
  using kopf::Eintrag;
  using kopf::Signiert;
  const std::string block = macher::Block(macher::kBeispiel);
  std::vector<std::string> saaten = {
      Bild() + block,
      Signiert(Bild() + block, Eintrag(0x80, false)),
      Signiert(Bild(0x80, true) + block, Eintrag(0x80, true)),
      Signiert(Bild(0x360) + std::string(3000, 'x') + block, Eintrag(0x360, false)),
      Signiert(Bild(), Eintrag(0x80, false)) + block,
      block,
  };
  if (ordner != nullptr) {
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
      std::ifstream f(eintrag.path());
      saaten.push_back(AusHex(std::string(std::istreambuf_iterator<char>(f), {})));
    }
  }
  return saaten;
}

// One change: a byte, a header field (the security entry most of all), the length, or a splice.
void Aendern(std::string& b, std::mt19937_64& zufall, const std::vector<std::string>& saaten) {
  const auto wahl = [&](std::uint64_t n) { return n == 0 ? 0 : zufall() % n; };
  const std::uint64_t auswahl[] = {0, 1, 0xFF, 0x7F, 0x80, 0xFFFF, 0xFFFFFFFF, 0xFFFFFFF8, 0x7FFFFFFF, kKopfGroesse,
                                   kKopfGroesse - 1, b.size(), b.size() - wahl(16), b.size() + wahl(16)};
  switch (wahl(7)) {
    case 0:
      if (!b.empty()) b[wahl(b.size())] = static_cast<char>(zufall());
      break;
    case 1:
      if (b.size() > 0x40) {
        const std::size_t pe = b.size() >= 0x40 ? static_cast<unsigned char>(b[0x3C]) | static_cast<unsigned char>(b[0x3D]) << 8 : 0;
        const std::size_t feld = wahl(2) ? kopf::Eintrag(pe, wahl(2)) + 4 * wahl(2) : wahl(std::min<std::size_t>(b.size(), 0x200));
        if (feld + 4 <= b.size()) kopf::Setzen(b, feld, auswahl[wahl(std::size(auswahl))]);
      }
      break;
    case 2:
      b.resize(wahl(b.size() + 64), '\0');
      break;
    case 3:
      if (b.size() >= 0x40) kopf::Setzen(b, 0x3C, wahl(b.size() + 16), 4);
      break;
    case 4:
      b += macher::Block({"#n=" + std::string(wahl(9), 'x')});
      break;
    case 5:
      b.resize((b.size() + 7) / 8 * 8, '\0');
      break;
    default: {
      const std::string& andere = saaten[wahl(saaten.size())];
      const std::size_t ab = wahl(andere.size() + 1);
      b = b.substr(0, wahl(b.size() + 1)) + andere.substr(ab);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: zq_fuzz_fenster SECONDS [SEED-FOLDER] [RANDOM-SEED]\n");
    return 2;
  }
  const double sekunden = std::atof(argv[1]);
  const std::vector<std::string> saaten = Saaten(argc > 2 ? argv[2] : nullptr);
  const std::uint64_t start = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : std::random_device{}();
  std::mt19937_64 zufall(start);
  const auto ende = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekunden);
  std::uint64_t eingaben = 0;
  for (const std::string& s : saaten) {
    if (const std::string w = Widerspruch(s); !w.empty()) {
      std::fprintf(stderr, "zq_fuzz_fenster: a seed: %s\n", w.c_str());
      std::ofstream("zq_fuzz_fund.hex") << AlsHex(s);
      return 1;
    }
  }
  while (std::chrono::steady_clock::now() < ende) {
    std::string b = saaten[zufall() % saaten.size()];
    for (int n = 1 + static_cast<int>(zufall() % 4); n > 0; --n) Aendern(b, zufall, saaten);
    ++eingaben;
    if (const std::string w = Widerspruch(b); !w.empty()) {
      std::fprintf(stderr, "zq_fuzz_fenster: %s (random seed %llu, input %llu, written to zq_fuzz_fund.hex)\n",
                   w.c_str(), static_cast<unsigned long long>(start), static_cast<unsigned long long>(eingaben));
      std::ofstream("zq_fuzz_fund.hex") << AlsHex(b);
      return 1;
    }
  }
  std::printf("zq_fuzz_fenster: %llu inputs in %.0f s from %zu seeds (random seed %llu): installer and tool agree\n",
              static_cast<unsigned long long>(eingaben), sekunden, saaten.size(), static_cast<unsigned long long>(start));
  return 0;
}
