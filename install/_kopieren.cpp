#include "install/_kopieren.h"

#include "install/_subs.h"
#include "lib/_zq_Adresse_2.h"
#include "lib/_zq_Zeichensatz_1.h"

TZQKopierschritt Kopierschritt(const std::wstring& ziel) {
  TZQKopierschritt schritt;
  schritt.Quelle = ExePfad;
  schritt.Ziel = ziel;
  schritt.Dateien = Dateien;
  return schritt;
}

void Kopieren(void* schritt) {
  TZQKopierschritt& k = *static_cast<TZQKopierschritt*>(schritt);
  k.ZielDa = AdresseExistiert(k.Ziel) || VerzeichnisMachen(k.Ziel, true);
  if (!k.ZielDa) return;
  for (std::size_t i = 1; i < k.Dateien.size(); ++i) {
    const std::wstring& datei = k.Dateien[i].Datei;
    if (!DateiKopieren(k.Quelle + datei, k.Ziel + datei)) k.Misslungen += L"\r\n" + datei;
  }
}

std::wstring KopierFehler(const TZQKopierschritt& schritt) {
  if (!schritt.ZielDa) {
    return Cp1252Breit(
        "Das Ziel-Verzeichnis kann nicht hergestellt werden.\r\n\r\nMögliche Gründe dafür sind:\r\n"
        "- Das Verzeichnis wird von Windows gesperrt\r\n  (zum Beispiel wegen Nicht-Anmeldung als Administrator).\r\n"
        "- Das Ziel-Verzeichnis hat einen ungültigen Namen.\r\n- Der Datenträger ist schreibgeschützt.\r\n"
        "- Was anderes. Keine Ahnung, was.");
  }
  if (schritt.Misslungen.empty()) return {};
  return Cp1252Breit("Diese Dateien konnten nicht kopiert werden:") + schritt.Misslungen +
         Cp1252Breit("\r\n\r\nDer Grund dafür ist nicht bekannt.");
}
