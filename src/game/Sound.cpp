// Sound is on exactly while the sound button shows the very picture of pctSoundOn.
#include "window/frmMain.h"

bool frmMain::SoundIsOn() const {
  return pctSound.picture() == pctSoundOn.picture();
}

void frmMain::PlaySound(const char* file, platform::SoundMode mode) {
  host_.playSound(host_.programFolder() / file, mode);
}
