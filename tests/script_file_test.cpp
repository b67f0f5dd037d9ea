// Script files as the script window opens and saves them, without windows: the text that a
// file's bytes give or their first bad line, and the "[EOF]" that text follows. The windows'
// own stories are in script_file_window_test.cpp.
#include "script_file.h"

#include <gtest/gtest.h>

#include <string>

#include "end_mark.h"
#include "script_file_text.h"
#include "test_files.h"

namespace armoursmith::batch {
namespace {

using namespace std::string_view_literals;

// The text, or "NotUtf8 at LINE" / "NulByte at LINE".
std::string Decoded(std::string_view bytes) {
  const ScriptFileText decoded = DecodeScriptFile(bytes);
  if (!decoded.fault) return decoded.text;
  return std::string(*decoded.fault == ScriptFileFault::NotUtf8 ? "NotUtf8" : "NulByte") + " at " +
         std::to_string(decoded.faultLine);
}

TEST(ScriptFileText, EveryLineEndBecomesOneLineBreakAndAMarkIsDropped) {
  EXPECT_EQ(Decoded("a\r\nb\nc\rd"), "a\nb\nc\nd");
  EXPECT_EQ(Decoded("\r\r\n\n\n\r"), "\n\n\n\n\n");  // CR, CR LF, LF, LF, CR
  EXPECT_EQ(Decoded("\xEF\xBB\xBF[ITEMDEF x]\r\n"), "[ITEMDEF x]\n");
  // A mark inside the text is a character like any other; so is every other control character.
  EXPECT_EQ(Decoded("a\xEF\xBB\xBF\t\x01\x7F"), "a\xEF\xBB\xBF\t\x01\x7F");
  // The window takes the line and paragraph separators as line breaks too.
  EXPECT_EQ(Decoded("a\xE2\x80\xA8"
                    "b\xE2\x80\xA9"
                    "c\xEF\xB7\x90"),
            "a\nb\nc\n");
  EXPECT_EQ(Decoded("\xC3\xA4\xE8\xAA\xAC\xF0\x9F\x9B\xA1"),
            "\xC3\xA4\xE8\xAA\xAC\xF0\x9F\x9B\xA1");
  EXPECT_EQ(Decoded(""), "");
}

TEST(ScriptFileText, TheFirstBadLineIsNamedAndNoTextIsGiven) {
  EXPECT_EQ(Decoded("NAME=ok\r\nNAME=D\xE4mmerung\r\n\xFF"), "NotUtf8 at 2");
  EXPECT_EQ(Decoded("a\rb\nc\0d\r\n\xFF"sv), "NulByte at 3");
  EXPECT_EQ(Decoded("\xFF\xFE[\0I\0"sv), "NotUtf8 at 1");  // UTF-16 with its mark
  EXPECT_EQ(Decoded("a\n\xC0\x80"), "NotUtf8 at 2");       // an overlong NUL
  EXPECT_EQ(Decoded("a\n\xED\xA0\x80"), "NotUtf8 at 2");   // a surrogate
  EXPECT_EQ(Decoded("\n\n\xE8\xAA"), "NotUtf8 at 3");      // cut short at the end
}

TEST(EndMark, TheFirstEndOfFileLineWithTextAfterItIsFound) {
  const std::string set = testing::ReadGolden("startup_platemail_set.txt");
  const std::string tunic = testing::ReadGolden("startup_platemail_tunic.txt");
  EXPECT_EQ(FindTextAfterEndMark(set), std::nullopt);
  EXPECT_EQ(FindTextAfterEndMark(set + tunic), 111u);
  EXPECT_EQ(FindTextAfterEndMark(set + set), 111u);
  EXPECT_EQ(FindTextAfterEndMark(tunic + set + "x"), 18u + 111u);
  EXPECT_EQ(FindTextAfterEndMark("[EOF]\nx"), 1u);
  // Spaces, tabs and empty lines are nothing a server could miss.
  EXPECT_EQ(FindTextAfterEndMark(set + " \t\r\n\r\n\t"), std::nullopt);
  // Only a line that is exactly the mark ends the file.
  EXPECT_EQ(FindTextAfterEndMark("[EOF] \r\nx\r\n[eof]\r\nx\r\n[EOF]x\r\nx"), std::nullopt);
  EXPECT_EQ(FindTextAfterEndMark("[EOF]"), std::nullopt);
  EXPECT_EQ(FindTextAfterEndMark(""), std::nullopt);
}

}  // namespace
}  // namespace armoursmith::batch
