// The banner changes picture every three minutes, driven by the window's timer control.
#include "window/frmMain.h"

void frmMain::StartBannerTimer() {}
