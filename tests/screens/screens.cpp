// Shows each page of the main window in turn and saves a picture of the window as it is on the
// screen, frame included, into the current folder: <page>.bmp. Run inside Wine's virtual desktop,
// which draws the frame; scripts/test converts the pictures to PNG for a person to look at.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "forms/_Form_Anfang.h"
#include "platform/Application.h"
#include "tests/support/Fenster.h"

namespace {

// The window's rectangle on the screen as a 24-bit bottom-up BMP file.
bool SaveScreenRect(const RECT& r, const std::string& file) {
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  ::SelectObject(memory, old);

  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
  ::GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER head = {};
  head.bfType = 0x4D42;
  head.bfOffBits = sizeof head + sizeof info;
  head.bfSize = head.bfOffBits + static_cast<DWORD>(pixels.size());
  std::FILE* f = std::fopen(file.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(&head, sizeof head, 1, f) == 1 &&
                  std::fwrite(&info, sizeof info, 1, f) == 1 &&
                  std::fwrite(pixels.data(), 1, pixels.size(), f) == pixels.size();
  return std::fclose(f) == 0 && ok;
}

void Settle(Taa& fenster) {
  for (int i = 0; i < 20; ++i) {
    testfenster::Verarbeiten();
    ::Sleep(25);
  }
  fenster.Repaint();
  testfenster::Verarbeiten();
}

}  // namespace

int main() {
  Taa fenster;
  // The error page's label is empty after creation; a sample text shows its font and colour.
  fenster.LaFehler.SetCaption(
      L"Die Installation ist nicht möglich.\r\n\r\nDas Installations-Programm enthält falsche "
      L"Daten für:\r\n- Programm-Name");
  fenster.Show();
  struct Seite {
    const char* name;
    platform::Panel* panel;
  };
  const Seite seiten[] = {{"PaChecks", &fenster.PaChecks},
                          {"PaPfad", &fenster.PaPfad},
                          {"PaIstSchonDa", &fenster.PaIstSchonDa},
                          {"PaLeer", &fenster.PaLeer},
                          {"PaFehler", &fenster.PaFehler}};
  int fehler = 0;
  for (const Seite& seite : seiten) {
    for (const Seite& andere : seiten) andere.panel->SetVisible(andere.panel == seite.panel);
    Settle(fenster);
    RECT r;
    ::GetWindowRect(static_cast<HWND>(fenster.Handle()), &r);
    const std::string datei = std::string(seite.name) + ".bmp";
    if (!SaveScreenRect(r, datei)) {
      std::fprintf(stderr, "screens: %s could not be written\n", datei.c_str());
      ++fehler;
    }
  }
  return fehler == 0 ? 0 : 1;
}
