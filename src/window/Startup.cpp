// Start-up and shut-down of the window.
#include "window/frmMain.h"

#include <variant>

// The window's own events here, the controls' clicks from their rows, a pad's buttons where pads are
// handled.
void frmMain::WireHandlers(const std::vector<ControlRow>& controls) {
  form_.Paint = [this] { Form_Paint(); };
  form_.Unload = [this] { Form_Unload(); };
  form_.GotFocus = [this] { Form_GotFocus(); };
  form_.Resize = [this] { Form_Resize(); };
  form_.KeyDown = [this](std::int16_t& keyCode, std::int16_t shift) { Form_KeyDown(keyCode, shift); };
  form_.MouseDown = [this](std::int16_t button, std::int16_t shift, float x, float y) {
    Form_MouseDown(button, shift, x, y);
  };
  for (const ControlRow& row : controls) {
    std::visit([&row](platform::Control* control) { control->onClick = row.click; }, row.control);
  }
  WirePadHandlers();
}

void frmMain::Load() {
  host_.attach(form_);
  Form_Load();
  // The window is shown once loaded: it gets its first resize and paint.
  form_.resized();
  form_.refresh();
  AnnounceStoreProblem();
}

void frmMain::Form_Load() {
  AdIndex = 0;
  for (std::size_t i = 1; i < imgAd.size(); ++i) {
    imgAd[i].setVisible(false);
    imgAd[i].setLeft(imgAd[0].left());
    imgAd[i].setTop(imgAd[0].top());
    imgAd[i].setWidth(imgAd[0].width());
    imgAd[i].setHeight(imgAd[0].height());
  }
  StartBannerTimer();
  TraceProcedure("Form_Load");
  form_.setBackColor(platform::kBlack);
  form_.refresh();
  pctFocus.setBackColor(platform::kBlack);
  CellWidth = pctBeer[0].width() / host_.twipsPerPixelX();
  CellHeight = pctBeer[0].height() / host_.twipsPerPixelY();
  Lives = 3;
  FallStep = 5;
  host_.randomize();
  GameOver = true;
  form_.refresh();
  InitializeBoard();
  GetRegistry();
  PlaceGuideLines();
  host_.doEvents();
}

void frmMain::Form_Unload() {
  TraceProcedure("Form_Unload");
  throw platform::ProgramEnd{SaveOnTheWayOut()};
}

void frmMain::TraceProcedure(const std::string& name) {
  static_cast<void>(name);
}
