// The hidden diagnostics window: the installer state as text, and five boxes that show or hide the
// main window's pages directly. The main window makes it anew for every opening, so the text is
// the state of that moment. It writes nothing but the pages' visibility.
#pragma once
#include "platform/CheckBox.h"
#include "platform/Label.h"
#include "platform/Window.h"

class Tgg : public platform::Window {
 public:
  // Owned by the main window, which stays disabled while this one runs modally.
  explicit Tgg(platform::Window& owner);

  // Composes the info text.
  void FormCreate(platform::Control& Sender);
  // Escape closes the window; every other key is ignored.
  void FormKeyDown(platform::Control& Sender, unsigned short& Key, platform::ShiftState Shift);

  void ChePanelPfadClick(platform::Control& Sender);
  void ChePanelFehlerClick(platform::Control& Sender);
  void ChePanelIstSchonDaClick(platform::Control& Sender);
  void ChePanelLeerClick(platform::Control& Sender);
  void ChePanelChecksClick(platform::Control& Sender);

  platform::CheckBox ChePanelPfad{this};
  platform::CheckBox ChePanelFehler{this};
  platform::CheckBox ChePanelIstSchonDa{this};
  platform::CheckBox ChePanelChecks{this};
  platform::CheckBox ChePanelLeer{this};
  platform::Label LaInfo{this};
};
