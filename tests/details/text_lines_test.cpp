// Lines kept end to end read back exactly as they were added, empty ones included.
#include "details/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisanel::details {
namespace {

TEST(TextLines, ReadsBackEveryLineAsAddedAndComparesLineByLine) {
    TextLines lines;
    EXPECT_TRUE(lines.empty());
    lines.push_back("first");
    lines.push_back("");
    lines.addLine([](std::string& text) { text += "built\tin place"; });
    lines.reserve(100, 48);  // room for more leaves what is there alone
    lines.push_back(std::string(200, 'x'));
    EXPECT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "built\tin place");
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()),
              (std::vector<std::string>{"first", "", "built\tin place", std::string(200, 'x')}));
    EXPECT_EQ(lines.front(), "first");
    EXPECT_EQ(lines.back(), std::string(200, 'x'));

    EXPECT_EQ((TextLines{"a", "bc"}), (TextLines{"a", "bc"}));
    EXPECT_NE((TextLines{"a", "bc"}), (TextLines{"ab", "c"}));
    EXPECT_NE((TextLines{"a"}), (TextLines{"a", ""}));
}

}  // namespace
}  // namespace brisanel::details
