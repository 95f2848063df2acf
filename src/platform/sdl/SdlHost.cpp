#include "platform/sdl/SdlHost.h"

#include "platform/Scale.h"
#include "platform/sdl/PictureDecode.h"
#include "platform/sdl/PictureFile.h"
#include "platform/sdl/SdlDesktopWindow.h"
#include "platform/sdl/SdlEndings.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlMessageBox.h"
#include "platform/sdl/SdlPads.h"
#include "platform/sdl/SdlScale.h"
#include "platform/sdl/SdlSession.h"
#include "platform/sdl/SdlSound.h"
#include "platform/sdl/SdlToolTips.h"
#include "platform/sdl/SdlX11.h"
#include "platform/sdl/SessionEnd.h"
#include "platform/sdl/SystemFiles.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <climits>
#include <string_view>
#include <thread>

namespace platform {

namespace {} // namespace

SdlHost::SdlHost(const GameIdentity& game)
    : game_(game), session_(std::make_unique<SdlSession>(game.name)),
      toolTips_(
          std::make_unique<ToolTipPainter>(game.name, SdlHost::programFolder() / system_files::kToolTipFont)),
      sound_(std::make_unique<SoundPlayer>(game.name)),
      settings_(&FileSettingsStore::defaultPath, game.fileTag) {
  // A save waiting for another program's lock keeps the window on the screen, and lets a signal end
  // the game.
  settings_.whileLocked([this] {
    if (desktop_ != nullptr && !displayGone()) {
      desktop_->show(toScreen({0, 0, game_.clientSize.width, game_.clientSize.height}, scale()));
    }
    return !quitSignalled();
  });
}

SdlHost::~SdlHost() {
  sayOnLostDisplay(nullptr);
  // The decoding thread is done with SDL, and the decoders are closed, before SDL ends.
  prefetch_.reset();
  endPictureDecoders();
}

void SdlHost::openWindow(Form& window, const PicturePtr& icon, const PicturePtr& handCursor) {
  showWindow();
  dressWindow(icon, handCursor);
  attach(window);
}

void SdlHost::showWindow() {
  unopened_ = WindowLook{};
  // On X11 the window is on the screen before the game's pictures are read, even its icon. Elsewhere
  // (Windows) it opens once they are read, so that a start a picture stops shows its message box alone.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && std::string_view(driver) == "x11") {
    openDesktopWindow();
  }
  readPicturesAhead();
}

// Decoding on a second thread while SDL starts and the window comes up would slow both on a machine
// of two cores, where the X server needs the other one: the window came up 3 ms later for it. So the
// thread starts once the window is on the screen, and the first frame comes as soon as before. SDL
// has read the environment by now, so the player's own setting is back before the thread starts.
void SdlHost::readPicturesAhead() {
  skipCompose_.end();
  prefetch_ = std::make_unique<PicturePrefetch>(programFolder() / "assets");
}

void SdlHost::dressWindow(const PicturePtr& icon, const PicturePtr& handCursor) {
  if (desktop_ != nullptr) {
    desktop_->dress(icon, handCursor);
  } else if (unopened_) {
    unopened_->icon = icon;
    unopened_->handCursor = handCursor;
  }
}

void SdlHost::openDesktopWindow() {
  const Rect usable = usableDisplayArea(nullptr);
  const std::string scaleForRun = std::string(game_.environmentPrefix) + "SCALE";
  scale_ = std::make_unique<WindowScale>(game_, settings_, usable, SDL_getenv(scaleForRun.c_str()),
                                         [this](const std::string& text) { messageBox(text); });
  desktop_ = std::make_unique<DesktopWindow>(game_.name, game_.clientSize, scale_->factor(), usable);
  desktop_->dress(unopened_->icon, unopened_->handCursor);
  unopened_.reset();
  // Without its display the game leaves as it would on SIGTERM: the name being typed is saved.
  sayOnLostDisplay([this] { doEvents(); });
}

void SdlHost::attached(Form& window) {
  // Every picture is loaded by now: the decoding thread is done, and the decoders may go.
  prefetch_.reset();
  endPictureDecoders();
  if (unopened_) {
    openDesktopWindow();
  }
  // Once, whichever attaches the window first: openWindow, or the game's Load after showWindow.
  if (!watchingSessionEnd_ && desktop_ != nullptr) {
    watchingSessionEnd_ = true;
    closeOnSessionEnd(window, desktop_->handle());
  }
}

// Without the font every tip paints as nothing, and nothing is shown.
ToolTipPicture SdlHost::renderToolTip(const std::string& text) {
  PicturePtr tip = toolTips_->paint(text, scale());
  const PixelSize cover = tip ? clientCover(*tip, scale()) : PixelSize{};
  return {std::move(tip), cover};
}

void SdlHost::rescale() {
  desktop_->setScale(scale_->factor());
  window()->invalidate();
}

// Milliseconds of the monotonic clock, wrapping at 2^32 like the tick counter the game was written
// for. SDL's own tick counter rounds differently through each second, so a wait measured in it can
// end up to a millisecond early by the wall clock.
std::uint32_t SdlHost::tickCount() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SdlHost::doEvents() {
  // A signal that ends the game is a request to close the window, wherever the game waits. Without
  // the display the window is asked nothing more.
  if (quitSignalled() || displayGone()) {
    if (window() != nullptr) {
      window()->closeRequested();
    }
    return;
  }
  // Pads are not needed for the first picture, so looking for them does not delay it.
  if (pads_ == nullptr && presents_ > 0) {
    pads_ = std::make_unique<SdlPads>();
  }
  // Each event is taken off the queue before it is handled, so a handler may run an event loop of
  // its own, for as long as it likes.
  SDL_Event event;
  const bool ask = eventsMayHaveCome();
  while (ask && SDL_PollEvent(&event) != 0) {
    if (drag_.follow(event)) {
      continue;
    }
    if (window() == nullptr || (pads_ != nullptr && pads_->take(event, *window(), tickCount()))) {
      continue;
    }
    if (scale_ != nullptr && takeScaleKey(event, *scale_, desktop_->handle())) {
      rescale(); // the game never sees the key
    } else {
      dispatchEvent(inClientPixels(event, scale()), *window(), tickCount());
    }
  }
  timers().fireDue();
  if (window() != nullptr) {
    window()->tick(tickCount());
  }
  present();
}

// Asking SDL for events reads the X server's connection, the pads and the pads' comings and goings:
// most of what a game step costs beyond its wait. A wait that ran to its deadline on a quiet
// connection brought nothing, and the next wait looks at the connection before it sleeps, ending at
// once on anything that came meanwhile: so no round asks until then (a game step has two), unless
// SDL holds events already, a pad is open or SDL was last asked a while ago (a pad plugged in is
// seen within that while).
bool SdlHost::eventsMayHaveCome() {
  const std::uint32_t now = tickCount();
  if (quietWait_ && now - lastAsked_ < kAskAtLeastEveryMs && (pads_ == nullptr || !pads_->any()) &&
      SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_FALSE) {
    return false;
  }
  lastAsked_ = now;
  return true;
}

void SdlHost::present() {
  Form* shown = window();
  if (shown == nullptr || desktop_ == nullptr || !shown->needsPresent()) {
    return;
  }
  // Straight into the window's surface, so no full-size copy of the window is ever made beside the
  // canvas and the window's own surface.
  const Rect changed = presentScaled(*shown, scale(),
                                     [this](const Surface& part, std::int32_t x, std::int32_t y,
                                            std::int32_t factor) { desktop_->draw(part, x, y, factor); });
  desktop_->show(changed);
  shown->presented();
  ++presents_;
}

void SdlHost::waitForEvents(std::uint32_t maxMs) {
  quietWait_ = false;
  std::uint32_t wait = std::min(maxMs, timers().msUntilNext().value_or(UINT32_MAX));
  if (pads_ != nullptr && pads_->any()) {
    wait = std::min(wait, SdlPads::kReadEveryMs);
  }
  if (Form* shown = window()) {
    wait = std::min(wait, shown->tick(tickCount()).value_or(UINT32_MAX));
    if (shown->needsPresent()) {
      return; // a tool tip just came due, or a handler drew outside the event loop
    }
  }
  // The wait ends when the game's millisecond clock reaches its deadline, not a little after.
  using Clock = std::chrono::steady_clock;
  const auto deadline =
      std::chrono::floor<std::chrono::milliseconds>(Clock::now()) + std::chrono::milliseconds(wait);
  if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE || quitSignalled()) {
    return;
  }
  // On X11 that is one sleep on the display's connection, to the nanosecond: only the X server and
  // signals bring the game anything, since no thread of its own posts events. A signal that ends the
  // game ends the sleep, whichever thread it reaches.
  if (x11::waitForServer(desktop_ != nullptr ? desktop_->handle() : nullptr, deadline - Clock::now(),
                         quitDescriptor())) {
    quietWait_ = Clock::now() >= deadline;
    return;
  }
  // Elsewhere SDL sleeps in whole milliseconds by a clock of its own, so it sleeps for whole
  // milliseconds while they remain and the last fraction is slept precisely; a signal is seen within
  // the longest of its sleeps.
  constexpr std::int64_t kLongestSleepMs = 250;
  for (auto left = deadline - Clock::now(); left > Clock::duration::zero() && !quitSignalled();
       left = deadline - Clock::now()) {
    const auto whole = std::chrono::floor<std::chrono::milliseconds>(left).count();
    if (whole == 0) {
      std::this_thread::sleep_until(deadline);
      return;
    }
    if (SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min(whole, kLongestSleepMs))) != 0) {
      return;
    }
  }
}

PicturePtr SdlHost::loadPicture(const std::filesystem::path& file, PixelSize size) {
  return readPictureFile(file, size);
}

void SdlHost::playSound(const std::filesystem::path& file, SoundMode mode) {
  sound_->play(file, mode);
}

bool SdlHost::soundAvailable() {
  return sound_->available();
}

void SdlHost::openUrl(const std::string& url) {
  // SDL hands the address to the desktop's opener in a process of its own and does not wait for it.
  SDL_OpenURL(url.c_str());
}

void SdlHost::messageBox(const std::string& text) {
  showMessageBox(SDL_MESSAGEBOX_INFORMATION, game_.name, text,
                 desktop_ != nullptr ? desktop_->handle() : nullptr);
}

std::filesystem::path SdlHost::programFolder() {
  char* base = SDL_GetBasePath();
  if (base == nullptr) {
    return std::filesystem::current_path();
  }
  // SDL's UTF-8, read as such on every system; parent_path() drops the trailing separator.
  std::filesystem::path folder = std::filesystem::path(reinterpret_cast<const char8_t*>(base)).parent_path();
  SDL_free(base);
  return folder;
}

float SdlHost::rnd() {
  // 24 random bits fill a float's mantissa exactly, so the result can never round up to 1.
  return static_cast<float>(random_() >> 8) * (1.0F / 16777216.0F);
}

void SdlHost::randomize() {
  random_.seed(
      static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void SdlHost::applyCaption(const std::string& caption) {
  if (desktop_ != nullptr) {
    desktop_->setCaption(caption);
  }
}

void SdlHost::applyBorderless(bool borderless) {
  if (desktop_ != nullptr) {
    desktop_->setBorderless(borderless);
  }
}

void SdlHost::minimize() {
  if (desktop_ != nullptr) {
    desktop_->minimize();
  }
}

bool SdlHost::isMinimized() const {
  return desktop_ != nullptr && desktop_->isMinimized();
}

void SdlHost::dragWithMouse() {
  if (desktop_ != nullptr) {
    drag_.start(desktop_->handle());
  }
}

void SdlHost::applyPointer(MousePointer pointer) {
  if (desktop_ != nullptr) {
    desktop_->setPointer(pointer);
  }
}

} // namespace platform
