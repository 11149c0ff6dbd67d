#include "lib/_zq_Control_1.h"

#include "platform/Control.h"

int MaxRechts(const platform::Control& fenster) {
  int rechts = 0;
  for (const platform::Control* kind : fenster.Children()) {
    if (kind->Visible() && kind->Left() + kind->Width() > rechts) {
      rechts = kind->Left() + kind->Width();
    }
  }
  return rechts;
}

int MaxUnten(const platform::Control& fenster) {
  int unten = 0;
  for (const platform::Control* kind : fenster.Children()) {
    if (kind->Visible() && kind->Top() + kind->Height() > unten) {
      unten = kind->Top() + kind->Height();
    }
  }
  return unten;
}

void FormAnpassen(platform::Control& fenster, int randH, int randV) {
  const int randBreite = fenster.Width() - fenster.ClientWidth();
  const int breite = randBreite + MaxRechts(fenster) + randH;
  const int randHoehe = fenster.Height() - fenster.ClientHeight();
  const int hoehe = randHoehe + MaxUnten(fenster) + randV;
  fenster.SetBounds(fenster.Left(), fenster.Top(), breite, hoehe);
}
