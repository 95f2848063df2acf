// The game as it starts for a player, reporting its first frame (FirstFrameReport.h).
#include "FirstFrameReport.h"
#include "platform/sdl/RunGame.h"
#include "platform/sdl/SdlHost.h"
#include "window/Frothwick.h"
#include "window/frmMain.h"

namespace {

class FirstFrameHost : public platform::SdlHost {
public:
  using SdlHost::SdlHost;
  void present() override {
    SdlHost::present();
    if (!reported_ && presents() > 0) {
      reported_ = true;
      reportFirstFrame();
    }
  }

private:
  bool reported_ = false;
};

} // namespace

int main() {
  return platform::RunGame<FirstFrameHost, frmMain>(kFrothwick);
}
