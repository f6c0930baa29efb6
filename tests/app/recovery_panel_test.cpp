// The "Recovery Months" panel as the user meets it: results, the schedule it writes on every
// "Find Months", and its own "Show Details" toggle.
#include "calc/messages.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

namespace msg = calc::messages;

const QString kOpened = "Close Details";
const QString kClosed = "Show Details";
const QStringList kSampleResults = {"9", "5253", "253"};

class RecoveryPanel : public WindowTest {
protected:
    RecoveryPanel() { choose("mnRecovery"); }

    // Months, gross recovery, gross interest.
    QStringList results() const { return {text1(12)->text(), text1(9)->text(), text1(10)->text()}; }

    void expectInputsLocked(bool locked) const {
        for (int box : {5, 7, 8, 11}) EXPECT_EQ(text1(box)->isReadOnly(), locked) << box;
    }

    void expectOpen() const {
        EXPECT_EQ(window->outerHeightTwips(), frmInterest::kDetailsOpenHeight);
        EXPECT_EQ(button("ShowDetailsM")->text(), kOpened);
        expectInputsLocked(true);
    }

    void expectClosedAt(int height) const {
        EXPECT_EQ(window->outerHeightTwips(), height);
        EXPECT_EQ(button("ShowDetailsM")->text(), kClosed);
        expectInputsLocked(false);
    }

    void expectLastMessage(std::string_view text) const {
        ASSERT_FALSE(dialogs.messages.empty());
        const ShownMessage& shown = dialogs.messages.back();
        EXPECT_EQ(shown.text, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        EXPECT_EQ(shown.title, "Brisanel");
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    }
};

TEST_F(RecoveryPanel, FindMonthsWritesTheScheduleAndTheResults) {
    click("RecoveryMonths");
    EXPECT_EQ(results(), kSampleResults);
    const QStringList lines = listLines();
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines.front(), "01.   Month 01\tBal.= 5000\t600");
    EXPECT_EQ(lines.back(), "09.   Month 09\tBal.= 0453\t453");
    EXPECT_TRUE(dialogs.messages.empty());
    // Writing the list does not reveal it.
    expectClosedAt(frmInterest::kPanelHeight);

    // A waiting time grows the principal, but the months still count from 01.
    type(5, "1000");
    type(7, "12");
    type(8, "2");
    type(11, "340");
    click("RecoveryMonths");
    EXPECT_EQ(results(), QStringList({"4", "1041", "41"}));
    EXPECT_EQ(listLines().front(), "01.   Month 01\tBal.= 1020\t340");
    EXPECT_EQ(listLines().back(), "04.   Month 04\tBal.= 0021\t21");
}

TEST_F(RecoveryPanel, ShowDetailsOpensTheListAndTheNextClickClosesIt) {
    // A growth table hides the schedule header; the recovery button brings it back.
    choose("mnFindRate");
    click("FindRate");
    ASSERT_FALSE(header(2)->isVisibleTo(window.get()));
    choose("mnRecovery");

    click("ShowDetailsM");
    EXPECT_TRUE(header(2)->isVisibleTo(window.get()));
    EXPECT_EQ(results(), kSampleResults);
    EXPECT_EQ(list()->count(), 9);
    expectOpen();

    click("ShowDetailsM");
    EXPECT_EQ(list()->count(), 9);
    expectClosedAt(frmInterest::kDetailsClosedHeight);
    EXPECT_TRUE(dialogs.messages.empty());
}

struct Refusal {
    const char* name;
    int box;
    const char* text;
    std::string_view message;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

class RecoveryRefusal : public RecoveryPanel, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RecoveryRefusal, KeepsTheEarlierResultsAndListAndDoesNotOpen) {
    click("RecoveryMonths");
    const QStringList schedule = listLines();
    type(GetParam().box, GetParam().text);

    click("RecoveryMonths");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    expectLastMessage(GetParam().message);
    EXPECT_EQ(results(), kSampleResults);
    EXPECT_EQ(listLines(), schedule);

    click("ShowDetailsM");
    EXPECT_EQ(dialogs.messages.size(), 2u);
    expectClosedAt(frmInterest::kPanelHeight);
}

INSTANTIATE_TEST_SUITE_P(
    InputsOfTheLoan, RecoveryRefusal,
    ::testing::Values(Refusal{"PrincipalZero", 5, "0", msg::kPrincipalPositive},
                      Refusal{"RateBeyond200", 7, "201", msg::kRateUpTo200},
                      Refusal{"NegativeStart", 8, "-1", msg::kStartNotNegative},
                      Refusal{"InstalmentOfLetters", 11, "abc", msg::kEmiPositive}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecoveryPanel, ARefusalWhileOpenStillCloses) {
    click("ShowDetailsM");
    expectOpen();
    type(5, "0");  // the lock binds the user, not the program

    click("ShowDetailsM");
    expectLastMessage(msg::kPrincipalPositive);
    expectClosedAt(frmInterest::kDetailsClosedHeight);
    EXPECT_EQ(results(), kSampleResults);
}

TEST_F(RecoveryPanel, AnInstalmentBelowTheInterestFillsTheWholeTableThenComplains) {
    click("RecoveryMonths");
    type(11, "50");

    click("RecoveryMonths");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    expectLastMessage(msg::kCheckRecovery);
    EXPECT_EQ(list()->count(), 1802);
    EXPECT_EQ(results(), kSampleResults);

    click("ShowDetailsM");
    EXPECT_EQ(dialogs.messages.size(), 2u);
    expectClosedAt(frmInterest::kPanelHeight);
}

TEST_F(RecoveryPanel, AFailedFindEmiDoesNotBlockThisPanel) {
    choose("mnEMI");
    type(20, "0");
    click("EMI");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    choose("mnRecovery");

    click("ShowDetailsM");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    expectOpen();
    click("ShowDetailsM");
    expectClosedAt(frmInterest::kDetailsClosedHeight);
}

TEST_F(RecoveryPanel, SwitchingAwayWhileOpenKeepsInputsStateAndLocks) {
    type(5, "1000");
    type(7, "12");
    type(11, "340");
    click("ShowDetailsM");
    expectOpen();

    choose("mnEMI");
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kPanelHeight);
    choose("mnRecovery");
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kPanelHeight);
    EXPECT_EQ(button("ShowDetailsM")->text(), kOpened);
    expectInputsLocked(true);
    EXPECT_EQ(text1(5)->text(), "1000");
    EXPECT_EQ(text1(7)->text(), "12");
    EXPECT_EQ(text1(8)->text(), "0");
    EXPECT_EQ(text1(11)->text(), "340");
    EXPECT_EQ(results(), QStringList({"", "", ""}));

    // Still open as far as the button knows: the next click closes.
    click("ShowDetailsM");
    EXPECT_EQ(results(), QStringList({"3", "1017", "17"}));
    expectClosedAt(frmInterest::kDetailsClosedHeight);
}

TEST_F(RecoveryPanel, ASilentFailureSpeaksUpOnlyWhenOldFiguresAreShowing) {
    // Nothing on show yet: the overflow of the start box passes without a word.
    type(8, "40000");
    click("RecoveryMonths");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(results(), QStringList({"", "", ""}));
    EXPECT_EQ(list()->count(), 0);

    type(8, "0");
    click("RecoveryMonths");
    type(8, "40000");
    click("RecoveryMonths");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    expectLastMessage(msg::kCheckInput);
    EXPECT_EQ(results(), kSampleResults);
    EXPECT_EQ(list()->count(), 9);

    // Emptied by the menu, the boxes no longer mislead.
    choose("mnEMI");
    choose("mnRecovery");
    click("RecoveryMonths");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

}  // namespace
}  // namespace brisanel::app::testing
