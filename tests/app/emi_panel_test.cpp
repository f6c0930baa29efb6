// The "Find EMI" panel as the user meets it: result boxes, messages, and the details list that
// "Show Details" opens and closes.
#include "calc/messages.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

namespace msg = calc::messages;

const QString kOpened = "Close Details";
const QString kClosed = "Show Details";

class EmiPanel : public WindowTest {
protected:
    EmiPanel() { choose("mnEMI"); }

    QStringList results() const {
        return {text1(14)->text(), text1(15)->text(), text1(16)->text()};
    }

    // The four inputs that an open list locks.
    void expectInputsLocked(bool locked) const {
        for (int box : {17, 18, 19, 20}) EXPECT_EQ(text1(box)->isReadOnly(), locked) << box;
    }

    void expectOpen() const {
        EXPECT_EQ(window->outerHeightTwips(), frmInterest::kDetailsOpenHeight);
        EXPECT_EQ(button("ShowDetails")->text(), kOpened);
        expectInputsLocked(true);
    }

    void expectClosedAt(int height) const {
        EXPECT_EQ(window->outerHeightTwips(), height);
        EXPECT_EQ(button("ShowDetails")->text(), kClosed);
        expectInputsLocked(false);
    }

    // Exactly one message, in the calculators' style.
    void expectOnlyMessage(std::string_view text) const {
        ASSERT_EQ(dialogs.messages.size(), 1u) << dialogs.texts().join(" / ").toStdString();
        const ShownMessage& shown = dialogs.messages.front();
        EXPECT_EQ(shown.text, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        EXPECT_EQ(shown.title, "Brisanel");
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    }

    bool headerShown() const { return header(2)->isVisibleTo(window.get()); }

    // A growth table from the rate panel, which also hides the schedule header, so that what a
    // later click does to the list and the header can be seen.
    QStringList leaveAGrowthTableBehind() {
        choose("mnFindRate");
        click("FindRate");
        EXPECT_FALSE(headerShown());
        const QStringList growth = listLines();
        EXPECT_FALSE(growth.isEmpty());
        choose("mnEMI");
        return growth;
    }

    void typeLoan(const QString& principal, const QString& months, const QString& start,
                  const QString& rate) const {
        type(20, principal);
        type(19, months);
        type(17, start);
        type(18, rate);
    }
};

TEST_F(EmiPanel, FindEmiWritesTheThreeResultsAndLeavesTheDetailsAlone) {
    click("EMI");
    EXPECT_EQ(results(), QStringList({"133", "1379", "6379"}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(list()->count(), 0);
    expectClosedAt(frmInterest::kPanelHeight);

    typeLoan("1000", "3", "2", "12");
    click("EMI");
    EXPECT_EQ(results(), QStringList({"347", "41", "1041"}));
}

struct Refusal {
    const char* name;
    int box;
    const char* text;
    std::string_view message;  // empty: the calculation fails without a word
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

class EmiRefusal : public EmiPanel, public ::testing::WithParamInterface<Refusal> {};

TEST_P(EmiRefusal, EmptiesTheResultsAndBlocksTheDetailsUntilTheNextSuccess) {
    const QStringList growth = leaveAGrowthTableBehind();
    click("EMI");
    ASSERT_EQ(results(), QStringList({"133", "1379", "6379"}));

    type(GetParam().box, GetParam().text);
    click("EMI");
    if (GetParam().message.empty()) {
        EXPECT_TRUE(dialogs.messages.empty());
    } else {
        expectOnlyMessage(GetParam().message);
    }
    EXPECT_EQ(results(), QStringList({"", "", ""}));

    // Only the header comes back: no new message, the list keeps the growth table, nothing
    // opens.
    const std::size_t shown = dialogs.messages.size();
    click("ShowDetails");
    EXPECT_TRUE(headerShown());
    EXPECT_EQ(listLines(), growth);
    EXPECT_EQ(dialogs.messages.size(), shown);
    expectClosedAt(frmInterest::kPanelHeight);
}

INSTANTIATE_TEST_SUITE_P(
    InputsOfTheLoan, EmiRefusal,
    ::testing::Values(Refusal{"PrincipalOfLetters", 20, "abc", msg::kPrincipalPositive},
                      Refusal{"DurationBeyond1800", 19, "1800.5", msg::kDurationUpTo1800},
                      Refusal{"StartEqualToDuration", 17, "48", msg::kStartBeforeEnd},
                      Refusal{"RateBeyond200", 18, "200.01", msg::kRateUpTo200},
                      Refusal{"StartBeyondSixteenBits", 17, "40000", msg::kCheckInput},
                      Refusal{"DurationBelowHalfAMonth", 19, "0.3", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EmiPanel, ShowsOnlyTheFirstOfSeveralRefusals) {
    typeLoan("0", "0", "5", "0");
    click("EMI");
    expectOnlyMessage(msg::kPrincipalPositive);
}

TEST_F(EmiPanel, ASuccessfulFindEmiReopensTheGate) {
    type(20, "0");
    click("EMI");
    type(20, "5000");
    click("EMI");
    dialogs.messages.clear();

    click("ShowDetails");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(list()->count(), 48);
    expectOpen();
}

TEST_F(EmiPanel, ShowDetailsOpensTheScheduleAndTheNextClickClosesIt) {
    leaveAGrowthTableBehind();

    click("ShowDetails");
    EXPECT_TRUE(headerShown());
    EXPECT_EQ(results(), QStringList({"133", "1379", "6379"}));
    const QStringList schedule = listLines();
    ASSERT_EQ(schedule.size(), 48);
    EXPECT_EQ(schedule.front(), "01.   Month 01\tBal.= 5000\t133");
    EXPECT_TRUE(schedule.back().startsWith("48.   Month 48\t")) << schedule.back().toStdString();
    expectOpen();

    // Closing rebuilds the same lines before the window shrinks.
    click("ShowDetails");
    EXPECT_EQ(listLines(), schedule);
    expectClosedAt(frmInterest::kDetailsClosedHeight);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EmiPanel, FindEmiWithTheListOpenUpdatesOnlyTheResults) {
    click("ShowDetails");
    const QStringList schedule = listLines();

    // The locks stop the user; the program can still change a box, which shows that
    // "Find EMI" does not rebuild the list from new figures.
    typeLoan("1000", "3", "0", "12");
    click("EMI");
    EXPECT_EQ(results(), QStringList({"340", "20", "1020"}));
    EXPECT_EQ(listLines(), schedule);
    expectOpen();
}

TEST_F(EmiPanel, AMenuCommandHidesAnOpenListButKeepsItsStateAndLocks) {
    click("ShowDetails");
    const QStringList schedule = listLines();

    choose("mnInterest");
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kInterestsHeight);
    choose("mnEMI");
    expectInputsLocked(true);
    EXPECT_EQ(button("ShowDetails")->text(), kClosed);
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kPanelHeight);
    EXPECT_EQ(results(), QStringList({"", "", ""}));
    EXPECT_EQ(listLines(), schedule);

    // The button still counts as open: the first click closes, the second opens.
    click("ShowDetails");
    expectClosedAt(frmInterest::kDetailsClosedHeight);
    EXPECT_EQ(results(), QStringList({"133", "1379", "6379"}));
    click("ShowDetails");
    expectOpen();
}

TEST_F(EmiPanel, RefusedInputsWhileClosedShowTheLastGoodScheduleAndStayClosed) {
    typeLoan("1000", "3", "0", "12");
    click("EMI");
    type(20, "-5");

    click("ShowDetails");
    expectOnlyMessage(msg::kPrincipalPositive);
    EXPECT_EQ(listLines(),
              QStringList({"01.   Month 01\tBal.= 1000\t340", "02.   Month 02\tBal.= 0670\t340",
                           "03.   Month 03\tBal.= 0337\t337"}));
    EXPECT_EQ(results(), QStringList({"", "", ""}));
    expectClosedAt(frmInterest::kPanelHeight);

    // That refusal failed the calculation, so the next click is stopped at the gate and asks
    // nothing.
    click("ShowDetails");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(list()->count(), 3);
}

}  // namespace
}  // namespace brisanel::app::testing
