// The settings file: what a hand-edited or damaged file reads as, what saving keeps, and what a
// failed save leaves behind.
#include "platform/FileSettingsStore.h"
#include "platform/IniDocument.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

using platform::FileSettingsStore;
using platform::IniDocument;
namespace fs = std::filesystem;

class TempFolder {
public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "frothwick-settings-XXXXXX").string();
    path = ::mkdtemp(pattern.data());
  }
  ~TempFolder() { fs::remove_all(path); }
  fs::path path;
};

void writeFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

TEST(IniDocument, AwkwardValuesReadBackExactly) {
  const std::string awkward[] = {"  spaces at both ends  ",
                                 "quote \" and backslash \\ inside",
                                 "=[;#] all the INI punctuation",
                                 std::string("control\x01\x1f\t\n\r chars", 16),
                                 "bytes \xC3\xA9\xFF above 127",
                                 "a name much longer than ten characters",
                                 "",
                                 "\\x41 looks like an escape"};
  IniDocument doc;
  for (std::size_t i = 0; i < std::size(awkward); ++i) {
    doc.set("Settings", "Key" + std::to_string(i), awkward[i]);
  }
  const IniDocument reread = IniDocument::parse(doc.serialize());
  for (std::size_t i = 0; i < std::size(awkward); ++i) {
    EXPECT_EQ(reread.get("Settings", "Key" + std::to_string(i)), awkward[i]) << i;
  }
}

TEST(IniDocument, ReadsHandEditedAndDamagedFilesAsFarAsTheyGo) {
  const std::string text = "junk before any section\n" + std::string("\x00\x01\x02 binary\n", 11) +
                           "[Other]\nKeep=me\n"
                           "; a comment\n"
                           "[ settings ]\n"
                           "HighScoreName1 =  Plain unquoted  \n"
                           "HighScore1=\"123\"\n"
                           "HighScoreName2=\"no closing quote\n"
                           "HighScore2=5\nHighScore2=6\n" // the later duplicate wins
                           "=no key\n"
                           "Long=" +
                           std::string(100000, 'x') + "\n" + "Sound=\"ON\" trailing junk\r\n" +
                           "Last=no newline";
  const IniDocument doc = IniDocument::parse(std::string_view(text.data(), text.size()));
  EXPECT_EQ(doc.get("Settings", "highscorename1"), "Plain unquoted");
  EXPECT_EQ(doc.get("Settings", "HighScore1"), "123");
  EXPECT_EQ(doc.get("Settings", "HighScoreName2"), "no closing quote");
  EXPECT_EQ(doc.get("Settings", "HighScore2"), "6");
  EXPECT_EQ(doc.get("Settings", "Long")->size(), 100000U);
  EXPECT_EQ(doc.get("Settings", "Sound"), "ON");
  EXPECT_EQ(doc.get("Settings", "Last"), "no newline");
  EXPECT_EQ(doc.get("Other", "Keep"), "me");
  EXPECT_FALSE(doc.get("Settings", "Missing"));
}

TEST(IniDocument, SettingAValueKeepsEveryOtherLineAsItWas) {
  const std::string text = "# my scores\n[Other]\nKeep = me\n\n[Settings]\nHighScore1=10\nUnknown=x\n";
  IniDocument doc = IniDocument::parse(text);
  doc.set("Settings", "HighScore1", "20");
  doc.set("Settings", "Sound", "ON");
  doc.set("Extra", "New", "1");
  EXPECT_EQ(doc.serialize(), "# my scores\n[Other]\nKeep = me\n\n[Settings]\nHighScore1=\"20\"\nUnknown=x\n"
                             "Sound=\"ON\"\n\n[Extra]\nNew=\"1\"\n");
}

TEST(FileSettingsStore, SavesThroughARenameAndKeepsEditsMadeMeanwhile) {
  TempFolder temp;
  const fs::path file = temp.path / "Frothwick" / "settings.ini";
  writeFile(file, "[Settings]\nHighScore1=1\n");
  FileSettingsStore store([&](const std::string&) { return file; });
  EXPECT_EQ(store.get("Frothwick", "Settings", "HighScore1", "0"), "1");
  writeFile(file, "[Settings]\nHighScore1=1\n[Added]\nWhile=running\n");
  store.set("Frothwick", "Settings", "HighScore1", "2");
  EXPECT_EQ(store.flush(), "");
  FileSettingsStore again([&](const std::string&) { return file; });
  EXPECT_EQ(again.get("Frothwick", "Settings", "HighScore1", "0"), "2");
  EXPECT_EQ(again.get("Frothwick", "Added", "While", ""), "running");
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(file.parent_path())) {
    ++files;
  }
  EXPECT_EQ(files, 1U) << "no temporary file is left behind";
}

TEST(FileSettingsStore, ASaveKeepsTheFilesModeAndANewFileIsReadableByAll) {
  TempFolder temp;
  const fs::path kept = temp.path / "kept" / "settings.ini";
  writeFile(kept, "[Settings]\n");
  fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const fs::path fresh = temp.path / "fresh" / "settings.ini";
  for (const fs::path& file : {kept, fresh}) {
    FileSettingsStore store([&](const std::string&) { return file; });
    store.set("Frothwick", "Settings", "Sound", "ON");
    ASSERT_EQ(store.flush(), "");
  }
  EXPECT_EQ(fs::status(kept).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(fs::status(fresh).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST(FileSettingsStore, AFailedSaveSaysWhyAndLeavesTheOldFileWhole) {
  TempFolder temp;
  const fs::path file = temp.path / "Frothwick" / "settings.ini";
  const std::string old = "[Settings]\nHighScoreName1=\"KEEP ME\"\nHighScore1=\"999\"\n";
  writeFile(file, old);
  FileSettingsStore store([&](const std::string&) { return file; });
  store.set("Frothwick", "Settings", "HighScoreName1", std::string(5000, 'N'));
  // The disk "fills up" after a few bytes of the new file.
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = saved;
  tiny.rlim_cur = 64;
  ::setrlimit(RLIMIT_FSIZE, &tiny);
  const std::string error = store.flush();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_NE(error.find(file.string()), std::string::npos) << error;
  EXPECT_EQ(platform::readFileText(file), old);
}

TEST(FileSettingsStore, AFolderThatCannotBeMadeIsReportedNotFatal) {
  TempFolder temp;
  writeFile(temp.path / "afile", "x");
  const fs::path file = temp.path / "afile" / "Frothwick" / "settings.ini";
  FileSettingsStore store([&](const std::string&) { return file; });
  EXPECT_EQ(store.get("Frothwick", "Settings", "Sound", "none"), "none");
  store.set("Frothwick", "Settings", "Sound", "ON");
  EXPECT_FALSE(store.flush().empty());
}

} // namespace
