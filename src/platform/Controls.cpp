#include "platform/Controls.h"

#include "platform/Twips.h"
#include "platform/Window.h"

namespace platform {

void Control::changed() const {
  if (window_ != nullptr) {
    window_->invalidate();
  }
}

void Control::setLeft(std::int32_t twips) {
  left_ = twips;
  changed();
}

void Control::setTop(std::int32_t twips) {
  top_ = twips;
  changed();
}

void Control::setWidth(std::int32_t twips) {
  width_ = twips;
  resized();
  changed();
}

void Control::setHeight(std::int32_t twips) {
  height_ = twips;
  resized();
  changed();
}

void Control::move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  resized();
  changed();
}

void Control::setVisible(bool visible) {
  if (visible_ != visible) {
    visible_ = visible;
    changed();
  }
}

std::int32_t Control::pixelLeft() const {
  return twipsToPixels(left_);
}
std::int32_t Control::pixelTop() const {
  return twipsToPixels(top_);
}
std::int32_t Control::pixelWidth() const {
  return twipsToPixels(width_);
}
std::int32_t Control::pixelHeight() const {
  return twipsToPixels(height_);
}

bool Control::containsPixel(std::int32_t x, std::int32_t y) const {
  return x >= pixelLeft() && y >= pixelTop() && x < pixelLeft() + pixelWidth() &&
         y < pixelTop() + pixelHeight();
}

void PictureBox::setPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  applyAutoSize();
  changed();
}

void PictureBox::setAutoSize(bool on) {
  autoSize_ = on;
  applyAutoSize();
}

void PictureBox::applyAutoSize() {
  if (autoSize_ && picture_) {
    setWidth(pixelsToTwips(picture_->width));
    setHeight(pixelsToTwips(picture_->height));
  }
}

void PictureBox::setBackColor(Pixel colour) {
  backColor_ = colour;
  drawing_.reset();
  changed();
}

Surface& PictureBox::drawingSurface() {
  if (!drawing_) {
    drawing_.emplace(pixelWidth(), pixelHeight(), backColor_);
    if (picture_) {
      drawing_->drawPicture(*picture_, 0, 0, backColor_);
    }
  }
  return *drawing_;
}

void PictureBox::paintPicture(const Picture& picture, std::int32_t xTwips, std::int32_t yTwips) {
  drawingSurface().drawPicture(picture, twipsToPixels(xTwips), twipsToPixels(yTwips), backColor_);
  changed();
}

void PictureBox::refresh() const {
  changed();
  if (window() != nullptr) {
    window()->presentNow();
  }
}

void PictureBox::resized() {
  if (drawing_ && (drawing_->width() != pixelWidth() || drawing_->height() != pixelHeight())) {
    drawing_.reset();
  }
}

void PictureBox::draw(Surface& screen) const {
  if (drawing_) {
    screen.drawSurface(*drawing_, pixelLeft(), pixelTop());
    return;
  }
  Surface box(pixelWidth(), pixelHeight(), backColor_);
  if (picture_) {
    box.drawPicture(*picture_, 0, 0, backColor_);
  }
  screen.drawSurface(box, pixelLeft(), pixelTop());
}

void Image::setPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  changed();
}

void Image::draw(Surface& screen) const {
  if (picture_) {
    screen.drawPicture(*picture_, pixelLeft(), pixelTop(), std::nullopt);
  }
}

} // namespace platform
