// Fits a window to its content: the client area becomes as large as the area that its visible
// direct children cover, plus a margin on the right and at the bottom.
#pragma once

namespace platform {
class Control;
}

// Sets the outer size so that the client area is MaxRechts + randH by MaxUnten + randV; left and
// top stay. `fenster` may be any control with children.
void FormAnpassen(platform::Control& fenster, int randH, int randV);
// The largest left + width of the direct children whose own visibility flag is set; at least 0.
int MaxRechts(const platform::Control& fenster);
// The largest top + height of those children; at least 0.
int MaxUnten(const platform::Control& fenster);
