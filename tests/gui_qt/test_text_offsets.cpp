#include <gtest/gtest.h>

#include "gui_qt/text_offsets.h"

namespace corvasine::gui {
namespace {

// Byte offsets of the model against UTF-16 indexes of the edit, counted by
// hand from the encodings: "°" is C2 B0, "€" is E2 82 AC, U+1F600 is
// F0 9F 98 80 in UTF-8 and a surrogate pair in UTF-16.
TEST(TextOffsets, MapBothWays) {
  struct OffsetCase {
    const char* name;
    const char* text;
    bool multiLine;
    int byteOffset;
    int widgetIndex;
  };
  const OffsetCase cases[] = {{"ascii", "abc", false, 2, 2},
                              {"degree", "°C", false, 2, 1},
                              {"euro", "a€b", false, 4, 2},
                              {"surrogate pair", "x😀y", false, 5, 3},
                              {"CR LF, multi-line", "a\r\nb", true, 3, 2},
                              {"CR LF, single line", "a\r\nb", false, 3, 3},
                              {"empty", "", false, 0, 0}};
  for (const OffsetCase& c : cases) {
    EXPECT_EQ(widgetIndexOf(c.text, c.byteOffset, c.multiLine), c.widgetIndex) << c.name;
    EXPECT_EQ(byteOffsetOf(c.text, c.widgetIndex, c.multiLine), c.byteOffset) << c.name;
  }
}

TEST(TextOffsetsEdges, InsideACharacterCountsFromItsStart) {
  EXPECT_EQ(widgetIndexOf("°C", 1, false), 0);
  EXPECT_EQ(byteOffsetOf("x😀y", 2, false), 1);     // between the surrogates
  EXPECT_EQ(widgetIndexOf("a\r\nb", 2, true), 1);  // between CR and LF
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
