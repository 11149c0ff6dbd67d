// Figures for the text routines: splitting and scanning a text of 1 MiB, and removing duplicate
// file names, set against the same removal done by std::stable_sort. Prints the time per call, the
// ratio to that baseline and the growth from 10,000 to 100,000 names, and exits with 1 when a
// target is missed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "lib/_zq_Feld_3.h"
#include "lib/_zq_ZeichenKomplex_1.h"
#include "platform/Locale.h"

namespace {

constexpr std::size_t MiB = 1 << 20;

// Lines of comma-separated fields, CR LF between them, until the text is 1 MiB long.
const std::string& Text() {
  static const std::string text = [] {
    const std::vector<std::string> felder = {"Größe", "Anzahl", "Straße", "Menü", "Datei-Name", "Wert", "", " x "};
    std::mt19937 gen(1);
    std::string t;
    t.reserve(MiB + 64);
    while (t.size() < MiB) {
      const int n = std::uniform_int_distribution<int>(1, 8)(gen);
      for (int i = 0; i < n; ++i) {
        if (i > 0) t += ',';
        t += felder[std::uniform_int_distribution<std::size_t>(0, felder.size() - 1)(gen)];
        t += std::to_string(std::uniform_int_distribution<int>(0, 99999)(gen));
      }
      t += "\r\n";
    }
    t.resize(MiB);
    return t;
  }();
  return text;
}

// File names as a configuration names them: German words with umlauts, "ß" and hyphens, numbers and
// extensions; about a fifth repeat an earlier name, most of those in another letter case.
std::vector<std::string> Dateinamen(std::size_t anzahl) {
  static const std::vector<std::string> woerter = {
      "Übersicht", "Größe", "Straße", "Bücher", "Menü", "Fläche", "daten", "Setup", "Hilfe", "Bild",
      "Konto", "Adresse", "Grüße", "Maßstab", "Ärger", "Öl", "Küche", "bericht", "Liste", "Zähler",
      "Schlüssel", "Preis", "Rechnung", "Fuß", "Karte", "Vorlage", "Sicherung", "Änderung", "readme", "lib"};
  static const std::vector<std::string> trenner = {"-", "_", " ", "", "-"};
  static const std::vector<std::string> endungen = {".txt", ".exe", ".dll", ".ini", ".doc", ".bmp", ".hlp"};
  std::mt19937 gen(static_cast<unsigned>(anzahl));
  auto zahl = [&](std::size_t bis) { return std::uniform_int_distribution<std::size_t>(0, bis)(gen); };
  std::vector<std::string> liste = {""};
  liste.reserve(anzahl + 1);
  while (liste.size() <= anzahl) {
    if (liste.size() > 1 && zahl(4) == 0) {
      std::string name = liste[1 + zahl(liste.size() - 2)];
      switch (zahl(2)) {
        case 0: platform::UpperCaseInPlace(name.data(), static_cast<std::uint32_t>(name.size())); break;
        case 1: platform::LowerCaseInPlace(name.data(), static_cast<std::uint32_t>(name.size())); break;
        default: break;
      }
      liste.push_back(name);
      continue;
    }
    std::string name = woerter[zahl(woerter.size() - 1)] + trenner[zahl(trenner.size() - 1)] +
                       woerter[zahl(woerter.size() - 1)];
    if (zahl(1) == 0) name += std::to_string(zahl(999));
    liste.push_back(name + endungen[zahl(endungen.size() - 1)]);
  }
  return liste;
}

// The baseline: the positions sorted by std::stable_sort with TextVergleich, then one pass over
// neighbours in that order, then the same compaction.
void Grundlinie(std::vector<std::string>& liste) {
  const std::size_t n = liste.size() - 1;
  std::vector<std::int32_t> positionen(n);
  std::iota(positionen.begin(), positionen.end(), 1);
  std::stable_sort(positionen.begin(), positionen.end(),
                   [&](std::int32_t a, std::int32_t b) { return TextVergleich(liste[a], liste[b]) < 0; });
  std::vector<bool> bleibt(n + 1, false);
  bleibt[positionen[0]] = true;
  for (std::size_t k = 1; k < n; ++k)
    bleibt[positionen[k]] = TextVergleich(liste[positionen[k]], liste[positionen[k - 1]]) != 0;
  std::size_t c = 0;
  for (std::size_t i = 1; i <= n; ++i)
    if (bleibt[i]) {
      ++c;
      if (c != i) liste[c] = std::move(liste[i]);
    }
  liste.resize(c + 1);
}

void BM_TextTeilen(benchmark::State& state, const std::string& trenner) {
  std::vector<std::string> teile;
  for (auto _ : state) {
    TextTeilen(Text(), trenner, false, true, teile);
    benchmark::DoNotOptimize(teile.data());
  }
  state.counters["parts"] = static_cast<double>(teile.size() - 1);
}

void BM_Fundstellen(benchmark::State& state) {
  const std::vector<std::string> muster = {"", "\r\n", ",", "größe", KlassenMuster(KlasseZahl)};
  std::vector<std::int32_t> positionen, laengen;
  std::vector<char> treffer;
  std::int32_t gefunden = 0;
  for (auto _ : state) {
    gefunden = Fundstellen(Text(), muster, false, true, true, true, 9, 0, positionen, laengen, treffer);
    benchmark::DoNotOptimize(gefunden);
  }
  state.counters["pieces"] = static_cast<double>(positionen.size() - 1);
  state.counters["selected"] = gefunden;
}

template <void (*Entfernen)(std::vector<std::string>&)>
void BM_Entfernen(benchmark::State& state) {
  const std::vector<std::string> namen = Dateinamen(static_cast<std::size_t>(state.range(0)));
  std::size_t behalten = 0;
  for (auto _ : state) {
    // A fresh copy each time, its texts allocated in list order as a reader builds them.
    state.PauseTiming();
    auto liste = std::make_unique<std::vector<std::string>>(namen);
    state.ResumeTiming();
    Entfernen(*liste);
    state.PauseTiming();
    behalten = liste->size() - 1;
    liste.reset();
    state.ResumeTiming();
  }
  state.counters["kept"] = static_cast<double>(behalten);
}

void Modus0(std::vector<std::string>& liste) { DoppelteEntfernen(0, liste); }

BENCHMARK_CAPTURE(BM_TextTeilen, crlf, std::string("\r\n"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TextTeilen, comma, std::string(","))->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fundstellen)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Entfernen, Modus0)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Entfernen, Grundlinie)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Keeps the CPU seconds per call of every run while the console shows them as usual.
class Sammler : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        sekunden[run.benchmark_name()] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> sekunden;
};

double Wert(const Sammler& s, const std::string& name) {
  const auto it = s.sekunden.find(name);
  return it == s.sekunden.end() ? 0.0 : it->second;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;

  // Both ways must give the same list, or the comparison of their times means nothing.
  bool gleich = true;
  for (std::size_t n : {1000, 10000, 100000}) {
    std::vector<std::string> a = Dateinamen(n), b = a;
    DoppelteEntfernen(0, a);
    Grundlinie(b);
    gleich = gleich && a == b;
    std::printf("%zu names: %zu kept, %s result as the baseline\n", n, a.size() - 1, a == b ? "same" : "DIFFERENT");
  }

  Sammler sammler;
  benchmark::RunSpecifiedBenchmarks(&sammler);
  benchmark::Shutdown();

  const char* entfernen = "BM_Entfernen<Modus0>/";
  const char* grundlinie = "BM_Entfernen<Grundlinie>/";
  std::printf("\nCPU time per call\n");
  std::printf("  TextTeilen, 1 MiB at \"\\r\\n\":          %9.2f ms\n", 1e3 * Wert(sammler, "BM_TextTeilen/crlf"));
  std::printf("  TextTeilen, 1 MiB at \",\":             %9.2f ms\n", 1e3 * Wert(sammler, "BM_TextTeilen/comma"));
  std::printf("  Fundstellen, 1 MiB, 3 literals + code: %9.2f ms\n", 1e3 * Wert(sammler, "BM_Fundstellen"));
  double verhaeltnisMax = 0;
  for (const char* n : {"1000", "10000", "100000"}) {
    const double t = Wert(sammler, std::string(entfernen) + n), g = Wert(sammler, std::string(grundlinie) + n);
    const double verhaeltnis = g > 0 ? t / g : 0;
    verhaeltnisMax = std::max(verhaeltnisMax, verhaeltnis);
    std::printf("  DoppelteEntfernen 0, %6s names:    %9.2f ms  (baseline %9.2f ms, ratio %.2f)\n", n, 1e3 * t, 1e3 * g,
                verhaeltnis);
  }
  const double t100k = Wert(sammler, std::string(entfernen) + "100000");
  const double t10k = Wert(sammler, std::string(entfernen) + "10000");
  const double g10k = Wert(sammler, std::string(grundlinie) + "10000");
  const double wachstum = t10k > 0 ? t100k / t10k : 0;
  const double wachstumGrundlinie = g10k > 0 ? Wert(sammler, std::string(grundlinie) + "100000") / g10k : 0;
  std::printf("  growth 10,000 -> 100,000 names:        %9.1fx (baseline %.1fx)\n", wachstum, wachstumGrundlinie);

  const bool schnell = t100k > 0 && t100k < 0.5, flach = wachstum > 0 && wachstum < 20, nah = verhaeltnisMax > 0 && verhaeltnisMax < 2;
  std::printf("\ntargets\n");
  std::printf("  100,000 names under 0.5 s:   %s\n", schnell ? "met" : "MISSED");
  std::printf("  growth under 20x:            %s\n", flach ? "met" : "MISSED");
  std::printf("  ratio to baseline under 2:   %s\n", nah ? "met" : "MISSED");
  std::printf("  same result as baseline:     %s\n", gleich ? "yes" : "NO");
  return schnell && flach && nah && gleich ? 0 : 1;
}
