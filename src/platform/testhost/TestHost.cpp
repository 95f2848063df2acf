#include "platform/testhost/TestHost.h"

#include "platform/Scale.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <stdexcept>

namespace platform {

std::string MemorySettingsStore::update(const std::string& app,
                                        const std::function<void(IniDocument&)>& change) {
  ++updates;
  if (!failUpdatesWith.empty()) {
    return failUpdatesWith;
  }
  if (const std::string why = problem(app); !why.empty()) {
    return why + " (it could not be read, so it is left alone)";
  }
  // Saved over what was saved last, or else over the store the game loaded.
  auto it = saved.find(app);
  IniDocument now = it != saved.end() ? it->second : documents_[app];
  change(now);
  saved[app] = std::move(now);
  return {};
}

// A program folder of the test's own, its assets those of the source tree: linked where the system
// lets any program make a link, copied where it does not (Windows).
static std::filesystem::path makeProgramFolder(const std::string& game) {
  std::random_device random;
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (game + "-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(folder)) {
      std::error_code linkError;
      std::filesystem::create_directory_symlink(FROTHWICK_SOURCE_ASSETS, folder / "assets", linkError);
      if (linkError) {
        std::filesystem::copy(FROTHWICK_SOURCE_ASSETS, folder / "assets",
                              std::filesystem::copy_options::recursive);
      }
      return folder;
    }
  }
  throw std::runtime_error("cannot create a temporary program folder");
}

TestHost::TestHost(const GameIdentity& game, std::uint32_t startTicks, std::uint32_t seed)
    : folder(makeProgramFolder(game.name)), game_(game), now_(startTicks), rng_(seed),
      screen_(game.clientSize.width, game.clientSize.height) {}

void TestHost::attached(Form& /*window*/) {
  scale_ = std::make_unique<WindowScale>(game_, store, display, scaleForRun,
                                         [this](const std::string& text) { messageBox(text); });
  opened = openingPlace(game_.clientSize, display, scale());
  showAtScale();
}

// Tool tips as plain boxes, 7 pixels a character at 1x: enough to see where and when they show.
ToolTipPicture TestHost::renderToolTip(const std::string& text) {
  toolTips.push_back(text);
  PicturePtr tip = makeSolidPicture((static_cast<std::int32_t>(text.size()) * 7 + 8) * scale(), 18 * scale(),
                                    rgb(0xFF, 0xF8, 0xC8));
  const PixelSize cover = clientCover(*tip, scale());
  return {std::move(tip), cover};
}

void TestHost::showAtScale() {
  screen_ = Surface(game_.clientSize.width * scale(), game_.clientSize.height * scale());
  window()->invalidate();
}

void TestHost::schedule(std::uint32_t at, Kind kind, std::int16_t code, std::int16_t shift, std::int32_t x,
                        std::int32_t y, std::function<void()> call) {
  Input input{at, kind, code, shift, x, y, std::move(call)};
  // In order of time from now, across the tick counter's wrap; those for the same moment as scripted.
  const auto pos =
      std::upper_bound(inputs_.begin(), inputs_.end(), input.at, [this](std::uint32_t t, const Input& i) {
        return static_cast<std::int32_t>(t - now_) < static_cast<std::int32_t>(i.at - now_);
      });
  inputs_.insert(pos, std::move(input));
}

void TestHost::deliver(const Input& input) {
  Form& w = *window();
  const std::int32_t x = toClient(input.x, scale());
  const std::int32_t y = toClient(input.y, scale());
  switch (input.kind) {
  case Kind::Key:
    if (scale_->takeKey(input.code, input.shift, display)) {
      showAtScale();
    } else {
      w.keyDown(input.code, input.shift);
    }
    break;
  case Kind::Click:
    w.mouseMove(x, y, now_);
    [[fallthrough]];
  case Kind::MouseDown:
    w.mouseDown(input.code, x, y);
    w.mouseUp(input.code, x, y);
    break;
  case Kind::MouseMove:
    w.mouseMove(x, y, now_);
    break;
  case Kind::Close:
    w.closeRequested();
    break;
  case Kind::Expose:
    w.exposed();
    break;
  case Kind::Minimize:
  case Kind::Restore:
    minimized = input.kind == Kind::Minimize;
    w.resized();
    break;
  case Kind::Pad:
    deliverPad(input);
    break;
  case Kind::Call:
    input.call();
    break;
  }
}

void TestHost::deliverPad(const Input& input) {
  const auto button = static_cast<PadButton>(input.code);
  if (input.x == PadPress) {
    window()->padDown(button, now_);
  } else if (input.x == PadRelease) {
    window()->padUp(button);
  } else {
    window()->padRemoved();
  }
}

void TestHost::doEvents() {
  while (!inputs_.empty() && static_cast<std::int32_t>(now_ - inputs_.front().at) >= 0) {
    const Input input = inputs_.front();
    inputs_.pop_front();
    deliver(input);
  }
  timers().fireDue();
  if (window() != nullptr) {
    window()->tick(now_);
  }
  present();
  if (afterDispatch) {
    afterDispatch();
  }
}

// Like the real host: only what changed since the last presentation is composed again.
void TestHost::present() {
  if (window() != nullptr && window()->needsPresent()) {
    if (composeScreen) {
      presentScaled(*window(), scale(),
                    [this](const Surface& part, std::int32_t x, std::int32_t y, std::int32_t factor) {
                      if (factor == 1) {
                        screen_.drawSurface(part, x, y);
                      } else {
                        screen_.drawSurface(enlarged(part, factor), x, y);
                      }
                    });
    }
    window()->presented();
    ++presents;
    onEffect("present");
  }
}

void TestHost::waitForEvents(std::uint32_t maxMs) {
  std::uint64_t wait = maxMs;
  if (!inputs_.empty()) {
    const auto until = static_cast<std::int32_t>(inputs_.front().at - now_);
    wait = std::min<std::uint64_t>(wait, static_cast<std::uint64_t>(std::max(until, 0)));
  }
  if (const auto timer = timers().msUntilNext()) {
    wait = std::min<std::uint64_t>(wait, *timer);
  }
  if (const auto tip = window() != nullptr ? window()->tick(now_) : std::nullopt) {
    wait = std::min<std::uint64_t>(wait, *tip);
  }
  if (wait == UINT32_MAX) {
    throw ScriptExhausted{now_};
  }
  now_ += static_cast<std::uint32_t>(wait);
}

void TestHost::playSound(const std::filesystem::path& file, SoundMode mode) {
  effect("sound " + file.filename().string() + (mode == SoundMode::Sync ? " to its end" : ""));
  if (mode == SoundMode::Sync) {
    now_ += 2000; // a siren keeps the program busy to its end
  }
}

float TestHost::rnd() {
  if (!scriptedRandom_.empty()) {
    const float value = scriptedRandom_.front();
    scriptedRandom_.pop_front();
    return value;
  }
  return static_cast<float>(rng_() >> 8) * (1.0F / 16777216.0F);
}

} // namespace platform
