#include "lib/_zq_Control_1.h"

#include "platform/Control.h"

namespace {

// The largest `anfang` + `ausdehnung` of the visible direct children, at least 0: their right edge
// (left and width) or their bottom edge (top and height).
int MaxKante(const platform::Control& fenster, int (platform::Control::*anfang)() const,
             int (platform::Control::*ausdehnung)() const) {
  int kante = 0;
  for (const platform::Control* kind : fenster.Children()) {
    if (!kind->Visible()) continue;
    const int k = (kind->*anfang)() + (kind->*ausdehnung)();
    if (k > kante) kante = k;
  }
  return kante;
}

}  // namespace

int MaxRechts(const platform::Control& fenster) {
  return MaxKante(fenster, &platform::Control::Left, &platform::Control::Width);
}

int MaxUnten(const platform::Control& fenster) {
  return MaxKante(fenster, &platform::Control::Top, &platform::Control::Height);
}

void FormAnpassen(platform::Control& fenster, int randH, int randV) {
  const int randBreite = fenster.Width() - fenster.ClientWidth();
  const int breite = randBreite + MaxRechts(fenster) + randH;
  const int randHoehe = fenster.Height() - fenster.ClientHeight();
  const int hoehe = randHoehe + MaxUnten(fenster) + randV;
  fenster.SetBounds(fenster.Left(), fenster.Top(), breite, hoehe);
}
