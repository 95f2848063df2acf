#pragma once
// The form the game's window is built on (the runtime's part of it; the game's own part is frmMain
// under window/, and the desktop's window is the SDL host's DesktopWindow): a fixed client area whose
// canvas the game copies sprites onto, the child controls composed over it, and the handlers the
// game installs. Input arrives from a host; the screen is presented only when something changed.
#include "platform/Controls.h"
#include "platform/FormHost.h"
#include "platform/GameIdentity.h"
#include "platform/Pad.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class WindowState { Normal, Minimized };

struct ToolTip {
  const Control* control = nullptr;
  std::uint32_t restingSince = 0;
  std::int32_t x = 0, y = 0;
  bool shown = false;
};

class Form {
public:
  static constexpr std::uint32_t kToolTipDelayMs = 500;

  // The host puts the window on screen and draws its tool tips and frame; it must outlive the window.
  // The game gives the client area's size and the back colour its window was laid out with.
  Form(FormHost& host, const GameIdentity& game);

  // Registration in z-order: images are drawn below picture boxes, each kind in the order added. A
  // picture box takes the window's back colour, as one placed on it at design time does.
  void addControl(PictureBox& box);
  void addControl(Image& image);
  // Puts the window on screen at once, for repaints that must not wait for the next event dispatch.
  void presentNow();

  Surface& canvas() { return canvas_; }
  const Surface& canvas() const { return canvas_; }

  void setPicture(PicturePtr background) { background_ = std::move(background); }
  void setBackColor(Pixel colour) { backColor_ = colour; }
  void setCaption(const std::string& caption);
  const std::string& caption() const { return caption_; }
  void setBorderless(bool borderless);
  WindowState windowState() const;
  void setWindowState(WindowState state);
  void setMousePointer(MousePointer pointer);
  void dragWithMouse();

  // Immediate repaint: back colour, background picture, then the Paint handler.
  void refresh();
  void setFocus(const Control* control) { focus_ = control; }
  const Control* focus() const { return focus_; }

  std::function<void()> Paint, Resize, GotFocus, Unload;
  std::function<void(std::int16_t button, std::int16_t shift, float x, float y)> MouseDown;
  std::function<void(std::int16_t& keyCode, std::int16_t shift)> KeyDown;
  // A game pad's button pressed, or its held direction repeating; a pad unplugged.
  std::function<void(PadButton button)> PadDown;
  std::function<void()> PadRemoved;

  // Input, delivered by a host's event dispatch.
  void keyDown(std::int16_t keyCode, std::int16_t shift);
  void mouseDown(std::int16_t button, std::int32_t x, std::int32_t y);
  void mouseUp(std::int16_t button, std::int32_t x, std::int32_t y);
  void mouseMove(std::int32_t x, std::int32_t y, std::uint32_t now);
  void mouseLeave();
  void closeRequested();
  void exposed();
  void resized();
  void focusGained();
  void padDown(PadButton button, std::uint32_t now);
  void padUp(PadButton button);
  void padRemoved();
  // Shows a tool tip once the pointer has rested long enough and repeats a held pad direction;
  // returns ms until the next of them is due, if any.
  std::optional<std::uint32_t> tick(std::uint32_t now);

  Control* controlAt(std::int32_t x, std::int32_t y) const;
  // The controls in the order they are drawn, images first.
  const std::vector<Image*>& images() const { return images_; }
  const std::vector<PictureBox*>& boxes() const { return boxes_; }
  const ToolTip& toolTip() const { return toolTip_; }
  // The tip on screen, which the presentation lays over the window, and the client area it covers;
  // null when there is none.
  const Picture* shownToolTip() const { return toolTip_.shown ? toolTipPicture_.get() : nullptr; }
  const Rect& toolTipArea() const { return toolTipArea_; }

  // Marks the whole client area, or a part of it, as changed since the last presentation.
  void invalidate() { invalidate(clientArea()); }
  void invalidate(const Rect& area) { dirty_ = dirty_.united(area.intersected(clientArea())); }
  bool needsPresent() const { return !dirty_.empty(); }
  const Rect& changedArea() const { return dirty_; }
  // Canvas, then visible images, then visible picture boxes (the tool tip is the presentation's); only
  // within the area given, so that a step of the game recomposes a few cells rather than the whole window.
  void compose(Surface& screen) const { compose(screen, clientArea()); }
  void compose(Surface& screen, const Rect& area) const;
  // The same composition of a part of the client area on its own, its top-left corner at the part's.
  Surface composed(const Rect& part) const;
  void presented() { dirty_ = {}; }
  Rect clientArea() const { return {0, 0, canvas_.width(), canvas_.height()}; }

private:
  void hideToolTip();
  void forgetToolTip();
  std::optional<std::uint32_t> tickToolTip(std::uint32_t now);

  Surface canvas_;
  PicturePtr background_;
  Pixel backColor_;
  std::string caption_;
  std::vector<Image*> images_;
  std::vector<PictureBox*> boxes_;
  FormHost& host_;
  const Control* focus_ = nullptr;
  Control* pressed_ = nullptr;
  ToolTip toolTip_;
  PadRepeat padRepeat_;
  PicturePtr toolTipPicture_;
  Rect toolTipArea_;
  MousePointer pointer_ = MousePointer::Default;
  Rect dirty_ = clientArea();
};

} // namespace platform
