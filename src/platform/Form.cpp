#include "platform/Form.h"
#include "platform/Twips.h"

#include <algorithm>
#include <utility>

namespace platform {

Form::Form(FormHost& host, const GameIdentity& game)
    : canvas_(game.clientSize.width, game.clientSize.height), backColor_(game.background), host_(host) {}

void Form::addControl(PictureBox& box) {
  box.setBackColor(backColor_);
  box.attachTo(*this);
  boxes_.push_back(&box);
}

void Form::addControl(Image& image) {
  image.attachTo(*this);
  images_.push_back(&image);
}

void Form::setCaption(const std::string& caption) {
  caption_ = caption;
  host_.applyCaption(caption);
}

void Form::setBorderless(bool borderless) {
  host_.applyBorderless(borderless);
}

WindowState Form::windowState() const {
  return host_.isMinimized() ? WindowState::Minimized : WindowState::Normal;
}

void Form::setWindowState(WindowState state) {
  if (state == WindowState::Minimized) {
    host_.minimize();
  }
}

void Form::setMousePointer(MousePointer pointer) {
  host_.applyPointer(pointer);
}

void Form::dragWithMouse() {
  hideToolTip();
  host_.dragWithMouse();
}

void Form::refresh() {
  canvas_.fill(backColor_);
  if (background_) {
    canvas_.drawPicture(*background_, 0, 0, backColor_);
  }
  if (Paint) {
    Paint();
  }
  invalidate();
  presentNow();
}

void Form::presentNow() {
  if (needsPresent()) {
    host_.present();
  }
}

void Form::keyDown(std::int16_t keyCode, std::int16_t shift) {
  forgetToolTip();
  if (KeyDown) {
    KeyDown(keyCode, shift);
  }
}

Control* Form::controlAt(std::int32_t x, std::int32_t y) const {
  for (auto it = boxes_.rbegin(); it != boxes_.rend(); ++it) {
    if ((*it)->visible() && (*it)->containsPixel(x, y)) {
      return *it;
    }
  }
  for (auto it = images_.rbegin(); it != images_.rend(); ++it) {
    if ((*it)->visible() && (*it)->containsPixel(x, y)) {
      return *it;
    }
  }
  return nullptr;
}

void Form::mouseDown(std::int16_t button, std::int32_t x, std::int32_t y) {
  forgetToolTip();
  pressed_ = controlAt(x, y);
  if (pressed_ == nullptr && MouseDown) {
    MouseDown(button, 0, static_cast<float>(pixelsToTwips(x)), static_cast<float>(pixelsToTwips(y)));
  }
}

void Form::mouseUp(std::int16_t button, std::int32_t x, std::int32_t y) {
  Control* pressed = std::exchange(pressed_, nullptr);
  if (button == 1 && pressed != nullptr && pressed == controlAt(x, y) && pressed->onClick) {
    pressed->onClick();
  }
}

void Form::mouseMove(std::int32_t x, std::int32_t y, std::uint32_t now) {
  const Control* over = controlAt(x, y);
  const MousePointer pointer = over != nullptr ? over->mousePointer() : MousePointer::Default;
  if (pointer != pointer_) {
    pointer_ = pointer;
    setMousePointer(pointer);
  }
  if (over != toolTip_.control || toolTip_.shown) {
    hideToolTip();
    toolTip_.control = over;
  }
  toolTip_.restingSince = now;
  toolTip_.x = x;
  toolTip_.y = y;
}

void Form::mouseLeave() {
  forgetToolTip();
}

// A press or a key dismisses the tip until the pointer moves again, as desktops do.
void Form::forgetToolTip() {
  hideToolTip();
  toolTip_.control = nullptr;
}

void Form::hideToolTip() {
  if (toolTip_.shown) {
    toolTip_.shown = false;
    invalidate(toolTipArea_);
  }
}

std::optional<std::uint32_t> Form::tick(std::uint32_t now) {
  const std::optional<std::uint32_t> repeat = padRepeat_.tick(now, [this](PadButton button) {
    if (PadDown) {
      PadDown(button);
    }
  });
  const std::optional<std::uint32_t> tip = tickToolTip(now);
  if (repeat && tip) {
    return std::min(*repeat, *tip);
  }
  return repeat ? repeat : tip;
}

std::optional<std::uint32_t> Form::tickToolTip(std::uint32_t now) {
  const Control* over = toolTip_.control;
  if (over == nullptr || toolTip_.shown || over->toolTipText().empty() || !over->visible()) {
    return std::nullopt;
  }
  const std::uint32_t rested = now - toolTip_.restingSince;
  if (rested < kToolTipDelayMs) {
    return kToolTipDelayMs - rested;
  }
  const ToolTipPicture tip = host_.renderToolTip(over->toolTipText());
  toolTipPicture_ = tip.picture;
  if (toolTipPicture_) {
    toolTip_.shown = true;
    // Below and right of the pointer, as desktops place them, kept inside the client area.
    toolTipArea_ = {std::clamp(toolTip_.x + 2, 0, canvas_.width() - tip.cover.width),
                    std::clamp(toolTip_.y + 22, 0, canvas_.height() - tip.cover.height), tip.cover.width,
                    tip.cover.height};
    invalidate(toolTipArea_);
  } else {
    toolTip_.control = nullptr; // no way to show it: do not try again until the pointer moves
  }
  return std::nullopt;
}

void Form::closeRequested() {
  if (Unload) {
    Unload();
  }
}

void Form::exposed() {
  refresh();
}

void Form::resized() {
  if (Resize) {
    Resize();
  }
  invalidate();
}

void Form::padDown(PadButton button, std::uint32_t now) {
  forgetToolTip();
  padRepeat_.pressed(button, now);
  if (PadDown) {
    PadDown(button);
  }
}

void Form::padUp(PadButton button) {
  padRepeat_.released(button);
}

// A pad that goes away cannot release what it held.
void Form::padRemoved() {
  padRepeat_.stop();
  if (PadRemoved) {
    PadRemoved();
  }
}

void Form::focusGained() {
  if (GotFocus) {
    GotFocus();
  }
}

void Form::compose(Surface& screen, const Rect& area) const {
  const Rect part = area.intersected(clientArea());
  if (!part.empty()) {
    screen.drawSurface(composed(part), part.x, part.y);
  }
}

Surface Form::composed(const Rect& part) const {
  Surface layer(part.w, part.h);
  layer.drawSurface(canvas_, -part.x, -part.y);
  for (const Image* image : images_) {
    if (image->visible() && image->pixelBounds().intersects(part)) {
      image->draw(layer, part.x, part.y);
    }
  }
  for (const PictureBox* box : boxes_) {
    if (box->visible() && box->pixelBounds().intersects(part)) {
      box->draw(layer, part.x, part.y);
    }
  }
  return layer;
}

} // namespace platform
