// The "Interests" panel as the user drives it: five buttons, two result boxes, one message at most.
#include "calc/messages.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

namespace msg = calc::messages;

class InterestPanel : public WindowTest {
protected:
    InterestPanel() { choose("mnInterest"); }

    void enter(const QString& principal, const QString& months, const QString& rate) const {
        type(0, principal);
        type(1, months);
        type(2, rate);
    }

    QStringList results() const { return {text1(3)->text(), text1(4)->text()}; }

    // Exactly one warning, in the style every calculator shares; forgotten once checked.
    void expectWarning(std::string_view text) {
        ASSERT_EQ(dialogs.texts(), QStringList{QString::fromUtf8(text)});
        const ShownMessage& warning = dialogs.messages.front();
        EXPECT_EQ(warning.title, "Brisanel");
        EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
        EXPECT_EQ(warning.buttons, MessageButtons::Ok);
        dialogs.messages.clear();
    }
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
    EXPECT_TRUE(dialogs.messages.empty());
    // The inputs are read, never rewritten.
    EXPECT_EQ(QStringList({text1(0)->text(), text1(1)->text(), text1(2)->text()}),
              QStringList({"5000", "24", "12.50"}));
}

TEST_F(InterestPanel, ARefusedInputIsNamedAndTheResultsStay) {
    click("SimpleInt");
    enter("abc", "0", "0");
    click("CompdDaily");
    expectWarning(msg::kPrincipalPositive);
    enter("5000", "", "300");
    click("CompoundMonthly");
    expectWarning(msg::kMonthsPositive);
    enter("5000", "24", "200.01");
    click("CompoundAnnually");
    expectWarning(msg::kRateUpTo200);
    EXPECT_EQ(results(), QStringList({"1250", "6250"}));
}

TEST_F(InterestPanel, AnOverflowIsReportedAndKeepsWhatStands) {
    click("SimpleInt");
    // Daily compounding over millions of months: the power overflows before anything is written.
    enter("5000", "10000000", "12.5");
    click("CompdDaily");
    expectWarning(msg::kCheckInput);
    EXPECT_EQ(results(), QStringList({"1250", "6250"}));

    // The interest fits but interest plus principal does not: the interest box is written first.
    enter("1.7e308", "12", "12");
    click("SimpleInt");
    expectWarning(msg::kCheckInput);
    EXPECT_EQ(text1(3)->text().size(), 308);
    EXPECT_EQ(text1(4)->text(), "6250");
}

}  // namespace
}  // namespace brisanel::app::testing
