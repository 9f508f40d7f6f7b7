#include "engine/text_format.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel::test {
namespace {

TEST(Format, FillsTheConversionsAndKeepsLongTextWhole) {
    EXPECT_EQ(Format("Total Clickable Area of Width %u Height %u", 4294967295u, 0u),
              "Total Clickable Area of Width 4294967295 Height 0");
    EXPECT_EQ(Format("%s - %d Clicks", "now", -12), "now - -12 Clicks");
    EXPECT_EQ(Format("%s", ""), "");

    const std::string longText(5000, 'x');
    EXPECT_EQ(Format("<%s>", longText.c_str()), "<" + longText + ">");
}

}  // namespace
}  // namespace quorvel::test
