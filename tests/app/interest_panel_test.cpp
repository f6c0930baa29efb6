// The "Interests" panel as the user drives it: five buttons, two result boxes, one message at most.
#include "calc/messages.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

QString text(std::string_view message) {
    return QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
}

class InterestPanel : public WindowTest {
protected:
    InterestPanel() { choose("mnInterest"); }

    void enter(const QString& principal, const QString& months, const QString& rate) const {
        type(0, principal);
        type(1, months);
        type(2, rate);
    }

    QStringList results() const { return {text1(3)->text(), text1(4)->text()}; }

    void expectOneWarning(std::string_view message) const {
        ASSERT_EQ(dialogs.messages.size(), 1u) << dialogs.texts().join(" | ").toStdString();
        const ShownMessage& shown = dialogs.messages.front();
        EXPECT_EQ(shown.text, text(message));
        EXPECT_EQ(shown.title, "Brisanel");
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    }
};

struct RuleCase {
    const char* button;
    const char* interest;
    const char* gross;
};

void PrintTo(const RuleCase& rule, std::ostream* out) {
    *out << rule.button << " -> " << rule.interest << ", " << rule.gross;
}

class InterestRules : public InterestPanel, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(InterestRules, TheStartTextsGiveTheRulesFigures) {
    click(GetParam().button);
    EXPECT_EQ(results(), QStringList({GetParam().interest, GetParam().gross}));
    EXPECT_TRUE(dialogs.messages.empty());
    // The inputs are read, never rewritten.
    EXPECT_EQ(text1(0)->text(), "5000");
    EXPECT_EQ(text1(1)->text(), "24");
    EXPECT_EQ(text1(2)->text(), "12.50");
}

INSTANTIATE_TEST_SUITE_P(Buttons, InterestRules,
                         ::testing::Values(RuleCase{"SimpleInt", "1250", "6250"},
                                           RuleCase{"CompoundAnnually", "1328", "6328"},
                                           RuleCase{"CompdQuarterly", "1396", "6396"},
                                           RuleCase{"CompoundMonthly", "1412", "6412"},
                                           RuleCase{"CompdDaily", "1420", "6420"}),
                         [](const auto& info) { return std::string(info.param.button); });

TEST_F(InterestPanel, ARateOf200IsTheHighestAccepted) {
    enter("1000", "12", "200");
    click("SimpleInt");
    EXPECT_EQ(results(), QStringList({"2000", "3000"}));
    click("CompoundAnnually");
    EXPECT_EQ(results(), QStringList({"2000", "3000"}));
    EXPECT_TRUE(dialogs.messages.empty());

    type(2, "200.01");
    click("CompoundAnnually");
    expectOneWarning(calc::messages::kRateUpTo200);
    EXPECT_EQ(results(), QStringList({"2000", "3000"}));
}

TEST_F(InterestPanel, ARefusedInputNamesTheFirstBadBoxAndKeepsTheResults) {
    struct Case {
        const char* principal;
        const char* months;
        const char* rate;
        std::string_view message;
    };
    const Case cases[] = {
        {"0", "-1", "300", calc::messages::kPrincipalPositive},
        {"", "24", "12.5", calc::messages::kPrincipalPositive},
        {"abc", "24", "12.5", calc::messages::kPrincipalPositive},
        {"5000", "0", "0", calc::messages::kMonthsPositive},
        {"5000", "", "12.5", calc::messages::kMonthsPositive},
        {"5000", "24", "0", calc::messages::kRateUpTo200},
        {"5000", "24", "-3", calc::messages::kRateUpTo200},
        {"5000", "24", "rate", calc::messages::kRateUpTo200},
    };
    for (const char* rule :
         {"SimpleInt", "CompoundAnnually", "CompdQuarterly", "CompoundMonthly", "CompdDaily"}) {
        for (const Case& bad : cases) {
            SCOPED_TRACE(std::string(rule) + " " + bad.principal + "/" + bad.months + "/" +
                         bad.rate);
            enter("5000", "24", "12.50");
            click("SimpleInt");
            dialogs.messages.clear();

            enter(bad.principal, bad.months, bad.rate);
            click(rule);
            expectOneWarning(bad.message);
            EXPECT_EQ(results(), QStringList({"1250", "6250"}));
            dialogs.messages.clear();
        }
    }
}

TEST_F(InterestPanel, EachClickStartsAfreshFromTheBoxes) {
    click("CompdDaily");
    enter("1000", "1.5", "12");  // an eighth of a year
    click("SimpleInt");
    EXPECT_EQ(results(), QStringList({"15", "1015"}));
    click("CompoundMonthly");
    EXPECT_EQ(results(), QStringList({"15", "1015"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(InterestPanel, AnOverflowIsReportedAndKeepsWhatStands) {
    click("SimpleInt");
    dialogs.messages.clear();

    // The interest itself leaves the double range: nothing is written.
    enter("1e308", "12", "200");
    click("SimpleInt");
    expectOneWarning(calc::messages::kCheckInput);
    EXPECT_EQ(results(), QStringList({"1250", "6250"}));
    dialogs.messages.clear();

    // Daily compounding over millions of months: the power overflows.
    enter("5000", "10000000", "12.5");
    click("CompdDaily");
    expectOneWarning(calc::messages::kCheckInput);
    EXPECT_EQ(results(), QStringList({"1250", "6250"}));
    dialogs.messages.clear();

    // The interest fits but interest plus principal does not: the interest box is written first.
    enter("1.7e308", "12", "12");
    click("SimpleInt");
    expectOneWarning(calc::messages::kCheckInput);
    EXPECT_NE(text1(3)->text(), "1250");
    EXPECT_FALSE(text1(3)->text().isEmpty());
    EXPECT_EQ(text1(4)->text(), "6250");
}

}  // namespace
}  // namespace brisanel::app::testing
