#pragma once
// The window's child controls: picture boxes, windowless images and guide lines. Positions and sizes
// are twips; every change tells the owning window that the screen must be presented again.
#include "platform/Surface.h"

#include <functional>
#include <optional>
#include <string>

namespace platform {

class Form;

enum class MousePointer { Default, Hand };

class Control {
public:
  virtual ~Control() = default;

  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }

  std::int32_t left() const { return left_; }
  std::int32_t top() const { return top_; }
  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }
  void setLeft(std::int32_t twips);
  void setTop(std::int32_t twips);
  void setWidth(std::int32_t twips);
  void setHeight(std::int32_t twips);
  void move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

  bool visible() const { return visible_; }
  void setVisible(bool visible);

  const std::string& toolTipText() const { return toolTip_; }
  void setToolTipText(std::string text) { toolTip_ = std::move(text); }
  MousePointer mousePointer() const { return pointer_; }
  void setMousePointer(MousePointer pointer) { pointer_ = pointer; }

  // Pixel rectangle on the window's client area.
  std::int32_t pixelLeft() const;
  std::int32_t pixelTop() const;
  std::int32_t pixelWidth() const;
  std::int32_t pixelHeight() const;
  bool containsPixel(std::int32_t x, std::int32_t y) const;
  Rect pixelBounds() const { return {pixelLeft(), pixelTop(), pixelWidth(), pixelHeight()}; }

  std::function<void()> onClick;

  // Draws the control onto a surface whose top-left corner is at (originX, originY) of the window.
  virtual void draw(Surface& target, std::int32_t originX, std::int32_t originY) const = 0;
  void attachTo(Form& window) { window_ = &window; }

protected:
  void changed() const;
  Form* window() const { return window_; }
  virtual void resized() {}

private:
  Form* window_ = nullptr;
  std::string name_;
  std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  std::string toolTip_;
  MousePointer pointer_ = MousePointer::Default;
};

// A child window that shows a picture from its top-left corner, can be painted on, and can hold the
// keyboard focus. With size-to-picture on it takes its picture's size whenever it gets one.
class PictureBox : public Control {
public:
  const PicturePtr& picture() const { return picture_; }
  void setPicture(PicturePtr picture);
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool on);

  Pixel backColor() const { return backColor_; }
  // A new back colour also wipes whatever was painted on the box.
  void setBackColor(Pixel colour);

  // Paints a picture at its natural size onto the box's own surface, at a position in twips measured
  // from the box's top-left corner. What is painted stays until the back colour is set again.
  void paintPicture(const Picture& picture, std::int32_t xTwips, std::int32_t yTwips);
  const std::optional<Surface>& drawing() const { return drawing_; }

  // Repaints the box on screen at once.
  void refresh() const;
  void draw(Surface& target, std::int32_t originX, std::int32_t originY) const override;

protected:
  void resized() override;

private:
  void applyAutoSize();
  Surface& drawingSurface();

  PicturePtr picture_;
  bool autoSize_ = false;
  Pixel backColor_ = kBlack; // until the box is placed on a window
  std::optional<Surface> drawing_;
};

// A windowless picture drawn on the window's own surface, below every picture box.
class Image : public Control {
public:
  const PicturePtr& picture() const { return picture_; }
  void setPicture(PicturePtr picture);
  void draw(Surface& target, std::int32_t originX, std::int32_t originY) const override;

private:
  PicturePtr picture_;
};

// A guide line: only its coordinates matter; it is never drawn.
struct Line {
  float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

} // namespace platform
