// The four panels: each button reads its inputs and writes the core's answer into its own boxes,
// the rows it puts in the details list under which header, the gates that keep a failed
// calculation from opening the list, and the messages it shows.
#include "calc/emi.h"
#include "calc/interest.h"
#include "calc/messages.h"
#include "calc/rate_finder.h"
#include "calc/recovery.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

namespace msg = calc::messages;
using Panels = WindowTest;

TEST_F(Panels, EachInterestButtonAppliesItsOwnRule) {
    using enum calc::InterestRule;
    choose("mnInterest");
    // clang-format off
    const std::pair<const char*, calc::InterestRule> buttons[] = {
        {"SimpleInt", Simple}, {"CompoundAnnually", Annually}, {"CompdQuarterly", Quarterly},
        {"CompoundMonthly", Monthly}, {"CompdDaily", Daily}};
    // clang-format on
    for (const auto& [name, rule] : buttons) {
        const auto out = calc::computeInterest(rule, {input(0), input(1), input(2)});
        click(name);
        EXPECT_EQ(texts({3, 4}), answer(out.interest, out.grossAmount));
    }
    expectMessage({});
    const QStringList standing = texts({3, 4});
    type(1, "");  // a refusal is told and leaves the figures that stand
    click("CompoundMonthly");
    expectMessage(msg::kMonthsPositive);
    EXPECT_EQ(texts({3, 4}), standing);
}

TEST_F(Panels, FindEmiWritesItsResultsAndOnlyAfterASuccessShowDetailsItsSchedule) {
    click("FindRate");  // a growth table, under the other header
    const QStringList growth = listLines();
    choose("mnEMI");
    const auto out = calc::computeEmi({input(20), input(19), input(17), input(18)});
    click("EMI");
    EXPECT_EQ(texts({14, 15, 16}), answer(out.emi, out.grossInterest, out.grossRecovery));
    type(20, "abc");
    click("EMI");
    expectMessage(msg::kPrincipalPositive);
    EXPECT_EQ(texts({14, 15, 16}), QStringList({"", "", ""}));
    click("ShowDetails");  // only the header comes back
    EXPECT_TRUE(shown(header(2)));
    EXPECT_EQ(listLines(), growth);
    expectMessage({});
    expectDetails("ShowDetails", {17, 18, 19, 20}, false, 3690);
    type(20, "5000");
    click("EMI");
    click("ShowDetails");
    EXPECT_EQ(list()->count(), 48);  // a row for each month
    expectDetails("ShowDetails", {17, 18, 19, 20}, true);
    expectMessage({});
}

TEST_F(Panels, ARefusalAtShowDetailsClearsTheListThenShowsTheLastGoodSchedule) {
    choose("mnEMI");
    type(19, "3");
    click("ShowDetails");
    click("ShowDetails");
    int rowsOnShow = -1;
    dialogs.whileShowing = [&] { rowsOnShow = list()->count(); };
    type(20, "-5");
    click("ShowDetails");
    expectMessage(msg::kPrincipalPositive);
    EXPECT_EQ(rowsOnShow, 0);
    EXPECT_EQ(list()->count(), 3);
    expectDetails("ShowDetails", {17, 18, 19, 20}, false);
    click("ShowDetails");  // that refusal failed the calculation: the gate is shut
    expectMessage({});
}

TEST_F(Panels, FindMonthsWritesItsResultsAndScheduleAndOnlyASuccessOpensTheList) {
    click("FindRate");
    choose("mnRecovery");
    type(8, "40000");  // with no figures on show, an overflow passes without a word
    click("RecoveryMonths");
    expectMessage({});
    type(8, "0");
    const auto out = calc::computeRecovery({input(5), input(7), input(8), input(11)});
    click("RecoveryMonths");
    const QStringList figures = texts({12, 9, 10});
    EXPECT_EQ(figures, answer(out.months, out.grossRecovery, out.grossInterest));
    EXPECT_EQ(list()->count(), 9);  // a row for each month
    EXPECT_FALSE(shown(header(2)));
    type(8, "40000");  // over figures on show, it speaks up
    click("ShowDetailsM");
    expectMessage(msg::kCheckInput);
    EXPECT_TRUE(shown(header(2)));
    type(8, "0");
    type(11, "50");  // too small an instalment fills the whole table, then gives up
    click("ShowDetailsM");
    expectMessage(msg::kCheckRecovery);
    EXPECT_EQ(texts({12, 9, 10}), figures);
    EXPECT_EQ(list()->count(), 1802);
    expectDetails("ShowDetailsM", {5, 7, 8, 11}, false, 3690);
    type(11, "600");
    click("ShowDetailsM");
    EXPECT_EQ(list()->count(), 9);
    type(5, "0");  // closing works whatever the inputs
    click("ShowDetailsM");
    expectMessage(msg::kPrincipalPositive);
    expectDetails("ShowDetailsM", {5, 7, 8, 11}, false);
}

TEST_F(Panels, FindRateWritesTheRatesAndTheGrowthTableUnderItsOwnHeader) {
    periods()->setCurrentIndex(3);
    const auto out = calc::findRate({input(6), input(21), input(13), details::Period::Quarterly});
    click("FindRate");
    expectMessage({});
    EXPECT_EQ(texts({22, 23}), answer(out.ratePerPeriod, out.annualRate));
    EXPECT_EQ(label1(27)->text(), "per Quarter");
    EXPECT_FALSE(shown(header(2)));
    EXPECT_EQ(list()->count(), 9);  // the start and each of 8 quarters
    periods()->setCurrentIndex(4);  // beyond 1800 periods the rates and rows stand, and it is told
    type(13, "1801");
    click("FindRate");
    expectMessage(msg::kCheckInput);
    EXPECT_EQ(list()->count(), 1801);
}

TEST_F(Panels, ANewTableShowsFromTheTopWithNoRowSelected) {
    window->show();
    click("ShowDetail");
    periods()->setCurrentIndex(5);
    for (const char* days : {"1800", "24", "699"}) {  // longer, shorter, then longer again
        list()->setCurrentRow(list()->count() - 1);
        list()->scrollToBottom();
        QApplication::processEvents();
        type(13, days);
        click("FindRate");
        EXPECT_EQ(list()->currentRow(), -1) << days;
        EXPECT_TRUE(list()->selectedItems().isEmpty());
        QApplication::processEvents();
        EXPECT_EQ(list()->verticalScrollBar()->value(), 0);
    }
}

}  // namespace
}  // namespace brisanel::app::testing
