#include "forms/_Form_Anfang.h"

#include <gtest/gtest.h>

#include "tests/support/Automation.h"

TEST(Taa, Probe) {
  Taa fenster;
  HWND h = static_cast<HWND>(fenster.Handle());
  SIZE s = automation::ClientSize(h);
  printf("client %ld x %ld\n", s.cx, s.cy);
  for (auto& n : automation::ChildrenTopFirst(h)) printf("%s ", n.c_str());
  printf("\n");
  for (const char* n : {"PaFehler", "PaChecks", "PaRahmen", "BuClose", "LaZielOrt", "BuFehler", "LaKopiert", "BuVerzKopie", "EdVerz", "SpeVerzSuche", "LaMacheChecks", "LaNameL2"}) {
    HWND c = automation::FindComponent(h, n);
    auto b = automation::BoundsInParent(c);
    auto f = automation::Font(c);
    printf("%s %d,%d %dx%d vis=%d font=%s/%d/%d text=[%s]\n", n, b.left, b.top, b.width, b.height, automation::OwnVisible(c), f.face.c_str(), f.characterHeight, f.bold, automation::Text(c).c_str());
  }
}
