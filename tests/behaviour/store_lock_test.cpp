// A save meeting the store's lock held by another program: it gives up after about two seconds, or at
// once when told to, keeps the window's hook called meanwhile, and the next save once the lock is free
// goes through.
#include "platform/FileSettingsStore.h"
#include "window/Frothwick.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string saveSoundOn(platform::FileSettingsStore& store) {
  return store.update("Frothwick",
                      [](platform::IniDocument& document) { document.set("Settings", "Sound", "ON"); });
}

TEST(StoreLock, ASaveGivesUpOnALockHeldElsewhereAndTheNextOneGoesThrough) {
  std::string pattern = (fs::temp_directory_path() / "frothwick-lock-XXXXXX").string();
  const fs::path folder = ::mkdtemp(pattern.data());
  const fs::path file = folder / "settings.ini";
  platform::FileSettingsStore store([&file](const std::string&) -> const fs::path& { return file; },
                                    kFrothwick.fileTag);
  int waits = 0;
  bool keepWaiting = true;
  store.whileLocked([&] {
    ++waits;
    return keepWaiting;
  });
  // Another open file of the lock is another holder, as another program's is.
  const int other =
      ::open((folder / ".settings.ini.frothwick-lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_EQ(::flock(other, LOCK_EX), 0);

  auto started = Clock::now();
  std::string error = saveSoundOn(store);
  const auto waited = Clock::now() - started;
  EXPECT_NE(error.find("cannot lock it: another program keeps .settings.ini.frothwick-lock locked"),
            std::string::npos)
      << error;
  EXPECT_GE(waited, std::chrono::milliseconds(1900));
  EXPECT_LT(waited, std::chrono::milliseconds(3000));
  EXPECT_GE(waits, 20) << "the window is kept painted all along";
  EXPECT_LE(waits, 60) << "a save rests between its tries instead of spinning";
  EXPECT_FALSE(fs::exists(file));

  keepWaiting = false; // the game is ending: one try, no wait
  waits = 0;
  started = Clock::now();
  EXPECT_FALSE(saveSoundOn(store).empty());
  EXPECT_EQ(waits, 1);
  EXPECT_LT(Clock::now() - started, std::chrono::milliseconds(200));

  ::close(other);
  EXPECT_EQ(saveSoundOn(store), "");
  EXPECT_EQ(platform::readStoreFile(file).text, "[Settings]\nSound=\"ON\"\n");
  fs::remove_all(folder);
}

} // namespace
