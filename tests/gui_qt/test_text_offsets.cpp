#include <gtest/gtest.h>

#include <string>

#include "gui_qt/text_offsets.h"

namespace corvasine::gui {
namespace {

// Byte offsets of the model against UTF-16 indexes of the edit, counted by
// hand from the encodings: "°" is C2 B0, "€" is E2 82 AC, U+1F600 is
// F0 9F 98 80 in UTF-8 and a surrogate pair in UTF-16.
struct OffsetCase {
  const char* text;
  bool multiLine;
  int byteOffset;
  int widgetIndex;
};

class TextOffsets : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(TextOffsets, MapBothWays) {
  const OffsetCase& c = GetParam();
  EXPECT_EQ(widgetIndexOf(c.text, c.byteOffset, c.multiLine), c.widgetIndex);
  EXPECT_EQ(byteOffsetOf(c.text, c.widgetIndex, c.multiLine), c.byteOffset);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextOffsets,
                         ::testing::Values(OffsetCase{"abc", false, 2, 2},
                                           OffsetCase{"\xC2\xB0"
                                                      "C",
                                                      false, 2, 1},
                                           OffsetCase{"a\xE2\x82\xAC"
                                                      "b",
                                                      false, 4, 2},
                                           OffsetCase{"x\xF0\x9F\x98\x80y", false, 5, 3},
                                           OffsetCase{"a\r\nb", true, 3, 2},
                                           OffsetCase{"a\r\nb", false, 3, 3},
                                           OffsetCase{"", false, 0, 0}));

TEST(TextOffsetsEdges, InsideACharacterCountsFromItsStart) {
  EXPECT_EQ(widgetIndexOf("\xC2\xB0"
                          "C",
                          1, false),
            0);
  EXPECT_EQ(byteOffsetOf("x\xF0\x9F\x98\x80y", 2, false), 1);  // between the surrogates
  EXPECT_EQ(widgetIndexOf("a\r\nb", 2, true), 1);              // between CR and LF
}

TEST(TextOffsetsEdges, BeyondTheEndStopsAtTheEnd) {
  EXPECT_EQ(widgetIndexOf("abc", 10, false), 3);
  EXPECT_EQ(byteOffsetOf("abc", 10, false), 3);
}

TEST(TextOffsetsEdges, MultiLineBoxesShowLfAndStoreCrLf) {
  EXPECT_EQ(displayText("a\r\nb\r\n", true), "a\nb\n");
  EXPECT_EQ(displayText("a\r\nb", false), "a\r\nb");
  EXPECT_EQ(modelTextFromDisplay("a\nb", true), "a\r\nb");
  EXPECT_EQ(modelTextFromDisplay("a\nb", false), "a\nb");
}

}  // namespace
}  // namespace corvasine::gui
