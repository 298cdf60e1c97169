#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "gui_qt/text_offsets.h"

namespace corvasine::gui {
namespace {

// Byte offsets of the model against UTF-16 indexes of the edit, counted by
// hand from the encodings: "°" is C2 B0, "€" is E2 82 AC, U+1F600 is
// F0 9F 98 80 in UTF-8 and a surrogate pair in UTF-16.
struct OffsetCase {
  const char* name;
  const char* text;
  bool multiLine;
  int byteOffset;
  int widgetIndex;
};

void PrintTo(const OffsetCase& c, std::ostream* out) { *out << c.name; }

class TextOffsets : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(TextOffsets, MapBothWays) {
  const OffsetCase& c = GetParam();
  EXPECT_EQ(widgetIndexOf(c.text, c.byteOffset, c.multiLine), c.widgetIndex);
  EXPECT_EQ(byteOffsetOf(c.text, c.widgetIndex, c.multiLine), c.byteOffset);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextOffsets,
                         ::testing::Values(OffsetCase{"ascii", "abc", false, 2, 2},
                                           OffsetCase{"degree", "°C", false, 2, 1},
                                           OffsetCase{"euro", "a€b", false, 4, 2},
                                           OffsetCase{"surrogate_pair", "x😀y", false, 5, 3},
                                           OffsetCase{"crlf_multi_line", "a\r\nb", true, 3, 2},
                                           OffsetCase{"crlf_single_line", "a\r\nb", false, 3, 3},
                                           OffsetCase{"empty", "", false, 0, 0}),
                         [](const ::testing::TestParamInfo<OffsetCase>& info) {
                           return std::string(info.param.name);
                         });

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
