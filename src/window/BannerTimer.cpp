// The banner changes picture every three minutes, driven by the window's timer control.
#include "window/frmMain.h"

void frmMain::StartBannerTimer() {
  utimerCTL1.Timer = [this] { utimerCTL1_Timer(); };
  utimerCTL1.setMinuteInterval(3);
  utimerCTL1.setEnabled(true);
}
