// The "Interests" panel: five buttons, each wired to its rule, two result boxes, one message at
// most.
#include "calc/messages.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

namespace msg = calc::messages;

class InterestPanel : public WindowTest {
protected:
    InterestPanel() {
        choose("mnInterest");
        click("SimpleInt");
    }

    QStringList results() const { return texts({3, 4}); }
};

TEST_F(InterestPanel, EachButtonAppliesItsRuleToTheBoxes) {
    const std::tuple<const char*, const char*, const char*> buttons[] = {
        {"SimpleInt", "1250", "6250"},
        {"CompoundAnnually", "1328", "6328"},
        {"CompdQuarterly", "1396", "6396"},
        {"CompoundMonthly", "1412", "6412"},
        {"CompdDaily", "1420", "6420"}};
    for (const auto& [name, interest, gross] : buttons) {
        click(name);
        EXPECT_EQ(results(), QStringList({interest, gross})) << name;
    }
    expectMessage({});
    // The inputs are read, never rewritten.
    EXPECT_EQ(texts({0, 1, 2}), QStringList({"5000", "24", "12.50"}));
}

TEST_F(InterestPanel, ARefusalOrOverflowIsReportedAndKeepsWhatStands) {
    const std::tuple<const char*, const char*, const char*, const char*, std::string_view> cases[] =
        {{"abc", "0", "0", "CompdDaily", msg::kPrincipalPositive},
         {"5000", "", "300", "CompoundMonthly", msg::kMonthsPositive},
         {"5000", "24", "200.01", "CompoundAnnually", msg::kRateUpTo200},
         // Daily compounding over millions of months overflows before anything is written.
         {"5000", "10000000", "12.5", "CompdDaily", msg::kCheckInput}};
    for (const auto& [principal, months, rate, name, message] : cases) {
        fill({0, 1, 2}, {principal, months, rate});
        click(name);
        expectMessage(message);
        EXPECT_EQ(results(), QStringList({"1250", "6250"})) << name;
    }
    // The interest fits but interest plus principal does not: the interest box is written first.
    fill({0, 1, 2}, {"1.7e308", "12", "12"});
    click("SimpleInt");
    expectMessage(msg::kCheckInput);
    EXPECT_EQ(text1(3)->text().size(), 308);
    EXPECT_EQ(text1(4)->text(), "6250");
}

}  // namespace
}  // namespace brisanel::app::testing
