#pragma once
// The test host: a virtual clock that jumps to the next deadline whenever nothing is pending,
// scripted input at given virtual times, an in-memory settings store, and records of everything the
// game asks of the machine. The same window composition runs, so tests can assert on pixels.
#include "platform/Host.h"
#include "platform/IniDocument.h"
#include "platform/WindowScale.h"
#include "platform/sdl/PictureFile.h"

#include <deque>
#include <map>
#include <random>
#include <vector>

namespace platform {

// The script ran out while the game waited for input that can never come.
struct ScriptExhausted {
  std::uint32_t at = 0;
};

class MemorySettingsStore : public SettingsStore {
public:
  std::string problem(const std::string& app) override {
    const auto it = unreadable.find(app);
    return it == unreadable.end() ? std::string{} : it->second;
  }
  std::string get(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& fallback) override {
    return problem(app).empty() ? documents_[app].get(section, key).value_or(fallback) : fallback;
  }
  std::string update(const std::string& app, const std::function<void(IniDocument&)>& change) override;

  // The store as the game finds it when it starts.
  IniDocument& document(const std::string& app) { return documents_[app]; }
  std::map<std::string, std::string> unreadable; // why an application's store cannot be read
  std::string failUpdatesWith; // a non-empty reason makes saves fail and keep the last saved state
  int updates = 0;
  std::map<std::string, IniDocument> saved; // the store as the last successful save left it

private:
  std::map<std::string, IniDocument> documents_;
};

class TestHost : public Host {
public:
  enum class Kind { Key, Click, MouseDown, MouseMove, Close, Expose, Minimize, Restore, Pad, Call };
  struct Input {
    std::uint32_t at = 0;
    Kind kind = Kind::Key;
    std::int16_t code = 0, shift = 0; // a key code or a mouse button, and the shift state of a key
    std::int32_t x = 0, y = 0;        // Kind::Pad: x is PadPress, PadRelease or PadGone
    std::function<void()> call;       // Kind::Call: runs a test's own probe at that moment
  };

  // A host for the game described. The program folder is a fresh temporary folder whose assets/ leads
  // to the game's own pictures.
  explicit TestHost(const GameIdentity& game, std::uint32_t startTicks = 1000, std::uint32_t seed = 1);
  ~TestHost() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  // Scripting. Times are absolute virtual milliseconds. Minimize and Restore come from the desktop,
  // as a task bar or a window manager's key does them.
  void schedule(std::uint32_t at, Kind kind, std::int16_t code = 0, std::int16_t shift = 0,
                std::int32_t x = 0, std::int32_t y = 0, std::function<void()> call = {});
  void key(std::uint32_t at, std::int16_t code, std::int16_t shift = 0) {
    schedule(at, Kind::Key, code, shift);
  }
  void click(std::uint32_t at, std::int32_t x, std::int32_t y) { schedule(at, Kind::Click, 1, 0, x, y); }
  void click(std::uint32_t at, const Control& control) {
    click(at, (control.pixelLeft() + control.pixelWidth() / 2) * scale(),
          (control.pixelTop() + control.pixelHeight() / 2) * scale());
  }
  void mouseMove(std::uint32_t at, std::int32_t x, std::int32_t y) {
    schedule(at, Kind::MouseMove, 0, 0, x, y);
  }
  void close(std::uint32_t at) { schedule(at, Kind::Close); }
  // A pad's button pressed and released; a pad unplugged.
  static constexpr std::int32_t PadPress = 0, PadRelease = 1, PadGone = 2;
  void padDown(std::uint32_t at, PadButton button) {
    schedule(at, Kind::Pad, static_cast<std::int16_t>(button), 0, PadPress);
  }
  void padUp(std::uint32_t at, PadButton button) {
    schedule(at, Kind::Pad, static_cast<std::int16_t>(button), 0, PadRelease);
  }
  void padGone(std::uint32_t at) { schedule(at, Kind::Pad, 0, 0, PadGone); }
  void at(std::uint32_t at, std::function<void()> call) {
    schedule(at, Kind::Call, 0, 0, 0, 0, std::move(call));
  }
  void randomValues(std::vector<float> values) {
    scriptedRandom_.insert(scriptedRandom_.end(), values.begin(), values.end());
  }
  bool scriptDone() const { return inputs_.empty(); }
  // Told each effect as it reaches the player: "present" after the screen is composed, and a line
  // for every sound, web page and message box.
  std::function<void(const std::string& effect)> onEffect = [](const std::string&) {};
  // Runs after every event dispatch: lets a test watch a running game and stop it where it wants.
  std::function<void()> afterDispatch;

  std::uint32_t tickCount() override { return now_; }
  void doEvents() override;
  void present() override;
  void waitForEvents(std::uint32_t maxMs) override;
  PicturePtr loadPicture(const std::filesystem::path& file, PixelSize size) override {
    return readPictureFile(file, size);
  }
  void playSound(const std::filesystem::path& file, SoundMode mode) override;
  void openUrl(const std::string& url) override { effect("url " + url); }
  void messageBox(const std::string& text) override { effect("message " + text); }
  SettingsStore& settings() override { return store; }
  bool saveUnsavedSettings() override { return scale_ == nullptr || scale_->saveIfUnsaved(); }
  std::filesystem::path programFolder() override { return folder; }
  float rnd() override;
  void randomize() override { ++randomizeCalls; }

  ToolTipPicture renderToolTip(const std::string& text) override;
  void applyCaption(const std::string& caption) override { this->caption = caption; }
  void applyBorderless(bool on) override { borderless = on; }
  void minimize() override { minimized = true; }
  bool isMinimized() const override { return minimized; }
  void dragWithMouse() override { ++drags; }
  void applyPointer(MousePointer pointer) override { this->pointer = pointer; }

  // What the window last presented, at the window's scale.
  const Surface& screen() const { return screen_; }
  std::int32_t scale() const { return scale_ ? scale_->factor() : 1; }
  // Long runs that look at no pixels (the soak) may skip composing the screen.
  bool composeScreen = true;

  MemorySettingsStore store;
  std::filesystem::path folder;
  std::vector<std::string> effects;  // every sound, web page and message box, as onEffect is told them
  std::vector<std::string> toolTips; // every tool tip shown, in order
  std::string caption;
  bool borderless = false;
  bool minimized = false;
  int drags = 0;
  int presents = 0;
  int randomizeCalls = 0;
  MousePointer pointer = MousePointer::Default;
  // The usable area of the display the window opens on, and a scale given for the run (read when the
  // window is attached). Input positions are in screen pixels of the scaled window.
  Rect display{0, 0, 1920, 1080};
  const char* scaleForRun = nullptr;
  Rect opened{}; // where on the display the window opened, as the real host places it

protected:
  void attached(Form& window) override;

private:
  void deliver(const Input& input);
  void deliverPad(const Input& input);
  void showAtScale();
  void effect(const std::string& what) {
    effects.push_back(what);
    onEffect(what);
  }

  const GameIdentity& game_;
  std::uint32_t now_;
  std::deque<Input> inputs_;
  std::mt19937 rng_;
  std::deque<float> scriptedRandom_;
  Surface screen_;
  std::unique_ptr<WindowScale> scale_;
};

} // namespace platform
