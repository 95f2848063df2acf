#pragma once
// Everything the game asks of the machine it runs on. Two hosts implement it: the real one on SDL2,
// and the test host with a virtual clock and scripted input.
#include "platform/Form.h"
#include "platform/FormHost.h"
#include "platform/Picture.h"
#include "platform/SettingsStore.h"
#include "platform/TimerService.h"
#include "platform/Twips.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace platform {

// Thrown to end the program from any depth of nested event handling; main() catches it, so SDL,
// audio and files are closed in order on the way out.
struct ProgramEnd {
  int status = 0;
};

// A picture that is missing, cannot be decoded or has the wrong size; the message names the file.
class AssetError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

enum class SoundMode { Async, Sync };

class Host : public FormHost {
public:
  Host() : timers_([this] { return tickCount(); }) {}

  // Milliseconds since some start; wraps after 2^32.
  virtual std::uint32_t tickCount() = 0;
  // Dispatches every pending event to the window, fires due inner timers, shows a tool tip that is
  // due, and presents the window if anything changed.
  virtual void doEvents() = 0;
  // Sleeps until an event may be pending, an inner timer or tool tip is due, or maxMs have passed.
  virtual void waitForEvents(std::uint32_t maxMs) = 0;

  // Every picture is drawn for the place the window's design gives it: one of another size is a
  // broken installation, refused like a missing one (AssetError), before it is decoded.
  virtual PicturePtr loadPicture(const std::filesystem::path& file, PixelSize size) = 0;
  // Async: returns at once, cutting off an async sound still playing. Sync: returns when the sound
  // has ended, handling no events meanwhile. A missing or unplayable file is silent.
  virtual void playSound(const std::filesystem::path& file, SoundMode mode) = 0;
  // Hands a web address to the desktop's default handler without waiting for it.
  virtual void openUrl(const std::string& url) = 0;
  virtual void messageBox(const std::string& text) = 0;
  virtual SettingsStore& settings() = 0;
  // On the way out, saves again what the host keeps for the player (the window's scale) if saving it
  // failed before; false when it still cannot be saved, which the player has then been told.
  virtual bool saveUnsavedSettings() = 0;
  virtual std::filesystem::path programFolder() = 0;
  // Uniform random numbers in [0, 1), never 1.
  virtual float rnd() = 0;
  // Seeds the random numbers from the clock, so that each run differs.
  virtual void randomize() = 0;

  std::int32_t twipsPerPixelX() const { return kTwipsPerPixel; }
  std::int32_t twipsPerPixelY() const { return kTwipsPerPixel; }

  TimerService& timers() { return timers_; }
  // Routes the host's input to `window`, which was made with this host as its own.
  void attach(Form& window) {
    window_ = &window;
    attached(window);
  }
  Form* window() const { return window_; }

protected:
  // A host that sets itself up for the window it serves does it here.
  virtual void attached(Form& window) { static_cast<void>(window); }

private:
  TimerService timers_;
  Form* window_ = nullptr;
};

} // namespace platform
