// Messages laid out to fit a small screen: no line longer than the box allows, a path on a line of its
// own, and every character of the text kept.
#include "platform/MessageLines.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(MessageLines, BreakAtSpacesPutAPathOnItsOwnLinesAndKeepEverything) {
  const std::vector<std::tuple<std::string, std::size_t, std::string>> cases = {
      {"short stays", 20, "short stays"},
      {"one two three four five", 9, "one two\nthree\nfour five"},
      {"kept\n\nblank line", 20, "kept\n\nblank line"},
      {"saved to /home/jo/.config/Frothwick/settings.ini: No space", 64,
       "saved to\n/home/jo/.config/Frothwick/settings.ini:\nNo space"},
      {"to /a/very/long/folder/name/settings.ini: x", 16,
       "to\n/a/very/long/\nfolder/name/\nsettings.ini:\nx"},
      {"abcdefghij", 4, "abcd\nefgh\nij"},
      {"ÄÖÜäöü ÄÖÜ", 6, "ÄÖÜäöü\nÄÖÜ"}, // characters, not bytes
  };
  for (const auto& [text, columns, expected] : cases) {
    EXPECT_EQ(platform::fitMessageLines(text, columns), expected) << text << " in " << columns;
  }
}

} // namespace
