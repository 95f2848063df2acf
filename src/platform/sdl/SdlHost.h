#pragma once
// The real host: SDL2 for the window, input, clock and sound, the desktop for web addresses and
// message boxes, and a settings file in the user's configuration folder.
#include "platform/FileSettingsStore.h"
#include "platform/GameIdentity.h"
#include "platform/Host.h"
#include "platform/WindowScale.h"
#include "platform/sdl/SdlWindowDrag.h"
#include "platform/sdl/SkipComposeTable.h"

#include <memory>
#include <optional>
#include <random>
#include <string>

namespace platform {

class PicturePrefetch;
class SdlPads;
class SdlSession;
class SoundPlayer;
class ToolTipPainter;
class DesktopWindow;

class SdlHost : public Host {
public:
  // A host for the game described; throws std::runtime_error when there is no display. Sound that
  // cannot be had is left out.
  explicit SdlHost(const GameIdentity& game);
  ~SdlHost() override;
  SdlHost(const SdlHost&) = delete;
  SdlHost& operator=(const SdlHost&) = delete;

  // Shows the game's window, captioned with its name, centred, at the scale the player chose or else
  // the largest that fits the display, and routes its input to `window`, which must outlive the
  // host's use of it. Throws std::runtime_error when the window cannot be made.
  void openWindow(Form& window, const PicturePtr& icon, const PicturePtr& handCursor);
  // openWindow in three steps: on X11 the window is on the screen first, and the game's pictures are
  // read after, its icon and hand pointer first; its input goes to the form attached later, once
  // every picture is. Elsewhere the window opens when the form is attached.
  void showWindow();
  void dressWindow(const PicturePtr& icon, const PicturePtr& handCursor);

  std::uint32_t tickCount() override;
  void present() override;
  void doEvents() override;
  void waitForEvents(std::uint32_t maxMs) override;
  PicturePtr loadPicture(const std::filesystem::path& file, PixelSize size) override;
  void playSound(const std::filesystem::path& file, SoundMode mode) override;
  void openUrl(const std::string& url) override;
  void messageBox(const std::string& text) override;
  SettingsStore& settings() override { return settings_; }
  bool saveUnsavedSettings() override { return scale_ == nullptr || scale_->saveIfUnsaved(); }
  std::filesystem::path programFolder() override;
  float rnd() override;
  void randomize() override;

  ToolTipPicture renderToolTip(const std::string& text) override;
  void applyCaption(const std::string& caption) override;
  void applyBorderless(bool borderless) override;
  void minimize() override;
  bool isMinimized() const override;
  void dragWithMouse() override;
  void applyPointer(MousePointer pointer) override;

  // Opens the sound device if no sound has opened it yet.
  bool soundAvailable();
  // How many times the window has been drawn on the screen.
  int presents() const { return presents_; }
  std::int32_t scale() const { return scale_ ? scale_->factor() : 1; }

protected:
  void attached(Form& window) override;

private:
  // SDL is asked for events at least this often while the game asks (eventsMayHaveCome).
  static constexpr std::uint32_t kAskAtLeastEveryMs = 100;

  // What the window is to be dressed in, until it is opened.
  struct WindowLook {
    PicturePtr icon;
    PicturePtr handCursor;
  };

  void openDesktopWindow();
  void readPicturesAhead();
  void rescale();
  bool eventsMayHaveCome();

  const GameIdentity& game_;
  SkipComposeTable skipCompose_; // in force while SDL starts, before any thread of the game's own
  std::unique_ptr<PicturePrefetch> prefetch_; // from the window's showing until it is attached
  std::unique_ptr<SdlSession> session_;
  std::unique_ptr<SdlPads> pads_; // started once the window is first on screen
  std::unique_ptr<ToolTipPainter> toolTips_;
  std::unique_ptr<SoundPlayer> sound_;
  std::unique_ptr<DesktopWindow> desktop_;
  std::unique_ptr<WindowScale> scale_;
  WindowDrag drag_;
  FileSettingsStore settings_;
  std::mt19937 random_;
  int presents_ = 0;
  std::optional<WindowLook> unopened_;
  bool watchingSessionEnd_ = false;
  bool quietWait_ = false;      // the last wait ran to its deadline with nothing from the server
  std::uint32_t lastAsked_ = 0; // tickCount() when SDL was last asked for events
};

} // namespace platform
