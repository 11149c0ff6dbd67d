#include "forms/_Form_Geheim.h"

#include "forms/_Form_Anfang.h"
#include "install/_subs.h"
#include "lib/_zq_Zeichensatz_1.h"

namespace {

constexpr unsigned short kEscape = 27;

void Seitenschalter(platform::CheckBox& box, int left, int top, int width, const char* text) {
  box.SetBounds(left, top, width, 15);
  box.SetTabStop(false);
  box.SetCaption(Cp1252Breit(text));
}

}  // namespace

Tgg::Tgg(platform::Window& owner) : platform::Window(platform::BorderIcons{false, false}, &owner) {
  SetCaption(Cp1252Breit("Fenster schließen --->"));
  SetClientSize(565, 247);
  SetCenterOnFirstShow(true);
  OnKeyDown = platform::Bind<&Tgg::FormKeyDown>(this);

  Seitenschalter(ChePanelPfad, 10, 10, 135, "Pfad-Seite anzeigen");
  Seitenschalter(ChePanelFehler, 150, 10, 135, "Fehler-Seite anzeigen");
  Seitenschalter(ChePanelIstSchonDa, 295, 10, 135, "IstSchonDa-Seite anzeigen");
  Seitenschalter(ChePanelChecks, 10, 35, 135, "Checks-Seite anzeigen");
  Seitenschalter(ChePanelLeer, 150, 35, 123, "Leer-Seite anzeigen");
  ChePanelPfad.OnClick = platform::Bind<&Tgg::ChePanelPfadClick>(this);
  ChePanelFehler.OnClick = platform::Bind<&Tgg::ChePanelFehlerClick>(this);
  ChePanelIstSchonDa.OnClick = platform::Bind<&Tgg::ChePanelIstSchonDaClick>(this);
  ChePanelChecks.OnClick = platform::Bind<&Tgg::ChePanelChecksClick>(this);
  ChePanelLeer.OnClick = platform::Bind<&Tgg::ChePanelLeerClick>(this);

  LaInfo.SetBounds(10, 65, 521, 125);
  LaInfo.SetWordWrap(true);
  LaInfo.SetBackColor(platform::Color::Rgb(0xFFFF80));
  platform::FontStyle schrift;
  schrift.color = platform::Color::WindowText();
  LaInfo.SetFont(schrift);

  FormCreate(*this);
}

void Tgg::FormCreate(platform::Control&) {
  std::wstring info = L"LetzterKopierPfad = " + ZielOrt +
                     Cp1252Breit("\r\n\r\nProgramm-Dateien (inklusive der Install-Exe als letzte Datei):");
  for (std::size_t i = 1; i < Dateien.size(); ++i) {
    const TZQDateienInfo& datei = Dateien[i];
    info += L"\r\nDatei = " + datei.Datei + L"\tText = " + datei.Text + L"\tParameter =";
    for (std::size_t k = 1; k < datei.Parameter.size(); ++k) info += L" " + datei.Parameter[k];
  }
  LaInfo.SetCaption(info);
}

void Tgg::FormKeyDown(platform::Control&, unsigned short& Key, platform::ShiftState) {
  if (Key == kEscape) Close();
}

void Tgg::ChePanelPfadClick(platform::Control&) { aa->PaPfad.SetVisible(ChePanelPfad.Checked()); }
void Tgg::ChePanelFehlerClick(platform::Control&) { aa->PaFehler.SetVisible(ChePanelFehler.Checked()); }
void Tgg::ChePanelIstSchonDaClick(platform::Control&) { aa->PaIstSchonDa.SetVisible(ChePanelIstSchonDa.Checked()); }
void Tgg::ChePanelLeerClick(platform::Control&) { aa->PaLeer.SetVisible(ChePanelLeer.Checked()); }
void Tgg::ChePanelChecksClick(platform::Control&) { aa->PaChecks.SetVisible(ChePanelChecks.Checked()); }
