#include "platform/Controls.h"

#include <algorithm>

#include "platform/Form.h"
#include "platform/Twips.h"

namespace platform {

void Control::changed() const {
  if (window_ != nullptr) {
    window_->invalidate(pixelBounds());
  }
}

// Each side set alone is a move that keeps the others: the old place and the new are repainted, and a
// picture box's drawing follows a new size.
void Control::setLeft(std::int32_t twips) {
  move(twips, top_, width_, height_);
}

void Control::setTop(std::int32_t twips) {
  move(left_, twips, width_, height_);
}

void Control::setWidth(std::int32_t twips) {
  move(left_, top_, twips, height_);
}

void Control::setHeight(std::int32_t twips) {
  move(left_, top_, width_, twips);
}

void Control::move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  changed();
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

void PictureBox::draw(Surface& target, std::int32_t originX, std::int32_t originY) const {
  const std::int32_t x = pixelLeft() - originX, y = pixelTop() - originY;
  if (drawing_) {
    target.drawSurface(*drawing_, x, y);
    return;
  }
  target.fillRect(x, y, pixelWidth(), pixelHeight(), backColor_);
  if (picture_) {
    // The box shows its picture from its top-left corner, cut at its own edges.
    Surface box(std::min(pixelWidth(), picture_->width), std::min(pixelHeight(), picture_->height),
                backColor_);
    box.drawPicture(*picture_, 0, 0, backColor_);
    target.drawSurface(box, x, y);
  }
}

void Image::setPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  changed();
}

void Image::draw(Surface& target, std::int32_t originX, std::int32_t originY) const {
  if (picture_) {
    target.drawPicture(*picture_, pixelLeft() - originX, pixelTop() - originY, std::nullopt);
  }
}

} // namespace platform
