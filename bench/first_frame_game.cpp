// The game as it starts for a player, reporting its first frame (FirstFrameReport.h).
#include "FirstFrameReport.h"
#include "RunGame.h"
#include "platform/sdl/SdlHost.h"

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
  return RunGame<FirstFrameHost>();
}
