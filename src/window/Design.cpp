// Lays the window out from its design tables (DesignTable.cpp) and stacks its controls.
#include "window/Frothwick.h"
#include "window/frmMain.h"

#include <filesystem>
#include <string>
#include <variant>

namespace {

// Every picture comes from assets/ beside the program and is drawn for the place the design gives it.
class Pictures {
public:
  explicit Pictures(platform::Host& host) : host_(host), folder_(host.programFolder() / "assets") {}

  platform::PicturePtr load(const std::string& file, platform::PixelSize size) const {
    return host_.loadPicture(folder_ / file, size);
  }
  // A box that sizes itself to its picture was laid out at that picture's size.
  platform::PicturePtr loadFor(const std::string& file, Placement at) const {
    return load(file, {at.width / host_.twipsPerPixelX(), at.height / host_.twipsPerPixelY()});
  }

private:
  platform::Host& host_;
  std::filesystem::path folder_;
};

void place(platform::Control& control, const ControlRow& row) {
  control.setName(row.name);
  control.move(row.at.left, row.at.top, row.at.width, row.at.height);
  control.setToolTipText(row.tip);
  control.setMousePointer(row.pointer);
  control.setVisible(row.visible);
}

void design(platform::PictureBox& box, const ControlRow& row, const Pictures& pictures) {
  place(box, row);
  if (row.pictureSize) {
    box.setPicture(pictures.load(row.picture, *row.pictureSize));
  } else if (!row.picture.empty()) {
    box.setAutoSize(true);
    box.setPicture(pictures.loadFor(row.picture, row.at));
  }
}

void design(platform::Image& image, const ControlRow& row, const Pictures& pictures) {
  place(image, row);
  image.setPicture(pictures.loadFor(row.picture, row.at));
}

void design(const HolderRow& holder, const Pictures& pictures) {
  platform::PictureBox& box = *holder.box;
  box.setName(holder.name);
  box.setVisible(false);
  box.setAutoSize(true);
  box.setPicture(pictures.load(holder.name + ".png", holder.size));
}

} // namespace

frmMain::frmMain(platform::Host& host)
    : timerSite_(host), utimerCTL1(timerSite_), host_(host), form_(host, kFrothwick) {
  const std::vector<ControlRow> controls = ControlTable();
  LoadDesign(controls);
  RegisterControls(controls);
  WireHandlers(controls);
}

void frmMain::LoadDesign(const std::vector<ControlRow>& controls) {
  const Pictures pictures(host_);
  // The background picture is a row taller than the client area; its last row is never seen.
  const platform::PixelSize client = kFrothwick.clientSize;
  form_.setPicture(pictures.load("frmMain.png", {client.width, client.height + 1}));
  for (const ControlRow& row : controls) {
    std::visit([&](auto* control) { design(*control, row, pictures); }, row.control);
  }
  for (const HolderRow& holder : HolderTable()) {
    design(holder, pictures);
  }

  // The timer control as saved with the window: disabled, every other property at its default. Its
  // size is its own and invisible at run time, so the window keeps none.
  utimerctl::PropertyBag timerDesign;
  timerDesign.write("Enabled", false, true);
  utimerCTL1.readProperties(timerDesign);

  // The guide lines are never shown. The board hangs from the left line's x and the top line's y;
  // the right and bottom lines are laid around it once it is placed (PlaceGuideLines).
  lineLeft.X1 = 210;
  lineTop.Y1 = 1290;
}

// Only controls that can ever be shown take part in drawing and hit testing, in the table's order.
void frmMain::RegisterControls(const std::vector<ControlRow>& controls) {
  for (const ControlRow& row : controls) {
    std::visit([this](auto* control) { form_.addControl(*control); }, row.control);
  }
}
