// The "Find Interest Rate" panel: its results, the growth rows arriving in the details list, the
// compounding-period list and the panel's own "Show Details" toggle.
#include <QApplication>

#include "calc/messages.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

enum Position { kSimple, kYearly, kHalfYearly, kQuarterly, kMonthly, kDaily };

QString text(std::string_view message) {
    return QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
}

class RatePanel : public WindowTest {
protected:
    void enter(const QString& principal, const QString& amount, const QString& duration) const {
        type(6, principal);
        type(21, amount);
        type(13, duration);
    }

    void selectPeriod(int position) const { periods()->setCurrentIndex(position); }

    QStringList results() const { return {text1(22)->text(), text1(23)->text()}; }

    bool repaymentHeaderShown() const { return header(2)->isVisibleTo(window.get()); }

    void expectOneWarning(std::string_view message) const {
        ASSERT_EQ(dialogs.messages.size(), 1u) << dialogs.texts().join(" | ").toStdString();
        const ShownMessage& shown = dialogs.messages.front();
        EXPECT_EQ(shown.text, text(message));
        EXPECT_EQ(shown.title, "Brisanel");
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    }

    static bool fitsCaption(const QLabel* label) {
        return label->width() == label->sizeHint().width();
    }
};

TEST_F(RatePanel, ACalculationFillsTheResultsAndTheGrowthRows) {
    ASSERT_TRUE(repaymentHeaderShown());
    click("FindRate");

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(results(), QStringList({"12.50 %", "12.50 %"}));
    EXPECT_EQ(label1(27)->text(), "per Annum");
    EXPECT_TRUE(fitsCaption(label1(27)));
    EXPECT_TRUE(header(2)->isHidden());
    EXPECT_TRUE(header(3)->isVisibleTo(window.get()));
    EXPECT_EQ(listLines(), QStringList({
                               "01.  Loan Starts at:        0.00  \t\t5000.00",
                               "02.  End of 1 Year: \t625.00     \t5625.00",
                               "03.  End of 2 Year: \t1250.00     \t6250.00",
                           }));

    // A second calculation replaces the rows instead of adding to them.
    selectPeriod(kQuarterly);
    click("FindRate");
    EXPECT_EQ(list()->count(), 9);
    EXPECT_TRUE(listLines().last().startsWith("09.  End of 8 Quarter: "));
    EXPECT_EQ(label1(27)->text(), "per Quarter");
}

struct PeriodCase {
    Position position;
    const char* duration;
    const char* perPeriod;
    const char* annual;
    const char* unit;
};

void PrintTo(const PeriodCase& period, std::ostream* out) {
    *out << period.position << " over " << period.duration << " -> " << period.perPeriod << "; "
         << period.annual << "; " << period.unit;
}

std::string periodName(const ::testing::TestParamInfo<PeriodCase>& info) {
    static constexpr const char* kNames[] = {"Simple",    "Yearly",  "HalfYearly",
                                             "Quarterly", "Monthly", "Daily"};
    return kNames[info.param.position];
}

class RatePerPeriod : public RatePanel, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(RatePerPeriod, TheResultBoxesAndTheUnitWordFollowThePeriod) {
    selectPeriod(GetParam().position);
    type(13, GetParam().duration);
    click("FindRate");
    EXPECT_EQ(results(), QStringList({GetParam().perPeriod, GetParam().annual}));
    EXPECT_EQ(label1(27)->text(), GetParam().unit);
    EXPECT_TRUE(fitsCaption(label1(27)));
}

INSTANTIATE_TEST_SUITE_P(
    Periods, RatePerPeriod,
    ::testing::Values(PeriodCase{kSimple, "24", "12.50 %", "12.50 %", "per Annum"},
                      PeriodCase{kYearly, "24", "11.8034 %", "11.803 %", "per Annum"},
                      PeriodCase{kHalfYearly, "24", "5.7371 %", "11.474 %", "per Half Year"},
                      PeriodCase{kQuarterly, "24", "2.8286 %", "11.314 %", "per Quarter"},
                      PeriodCase{kMonthly, "24", "0.9341 %", "11.209 %", "per Month"},
                      PeriodCase{kDaily, "730", "0.0306 %", "11.159 %", "per Day"}),
    periodName);

TEST_F(RatePanel, ChoosingAPeriodShowsTheDurationUnitAndEmptiesTheRates) {
    const QColor normal = QApplication::palette().color(QPalette::WindowText);
    ASSERT_EQ(label1(14)->palette().color(QPalette::WindowText), normal);

    for (int position : {kDaily, kYearly, kDaily, kHalfYearly, kQuarterly, kMonthly, kSimple}) {
        SCOPED_TRACE(position);
        click("FindRate");
        ASSERT_FALSE(text1(22)->text().isEmpty());
        const QStringList rows = listLines();
        const QString unit = label1(27)->text();

        selectPeriod(position);

        const bool daily = position == kDaily;
        EXPECT_EQ(label1(14)->text(), daily ? "DAYS" : "Months");
        EXPECT_EQ(label1(14)->palette().color(QPalette::WindowText),
                  daily ? QColor(192, 0, 0) : normal);
        EXPECT_TRUE(fitsCaption(label1(14)));
        EXPECT_EQ(results(), QStringList({"", ""}));
        EXPECT_EQ(listLines(), rows);
        EXPECT_EQ(label1(27)->text(), unit);
        EXPECT_EQ(text1(13)->text(), "24");
    }
}

TEST_F(RatePanel, ShowDetailOpensAndClosesWithoutTouchingTheList) {
    // Nothing calculated yet: the toggle still opens on an empty list.
    click("ShowDetail");
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kDetailsOpenHeight);
    EXPECT_EQ(button("ShowDetail")->text(), "Close Details");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(dialogs.messages.empty());

    click("FindRate");  // rows are built whether or not the area is in view
    const QStringList rows = listLines();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kDetailsOpenHeight);

    click("ShowDetail");
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kDetailsClosedHeight);
    EXPECT_EQ(button("ShowDetail")->text(), "Show Details");
    EXPECT_EQ(listLines(), rows);
    EXPECT_TRUE(header(2)->isHidden());

    click("ShowDetail");
    EXPECT_EQ(listLines(), rows);
    EXPECT_FALSE(text1(22)->text().isEmpty());
    // The panel's own inputs stay open to editing while its details are in view.
    for (int box : {6, 13, 21}) EXPECT_FALSE(text1(box)->isReadOnly()) << box;
    EXPECT_TRUE(periods()->isEnabled());
}

TEST_F(RatePanel, TheToggleKeepsItsStateAcrossTheMenu) {
    click("ShowDetail");
    choose("mnInterest");
    choose("mnFindRate");
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kPanelHeight);
    EXPECT_EQ(button("ShowDetail")->text(), "Close Details");

    click("ShowDetail");  // still open, so this click closes
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kDetailsClosedHeight);
    EXPECT_EQ(button("ShowDetail")->text(), "Show Details");
    click("ShowDetail");
    EXPECT_EQ(window->outerHeightTwips(), frmInterest::kDetailsOpenHeight);
    EXPECT_EQ(button("ShowDetail")->text(), "Close Details");
}

TEST_F(RatePanel, TheGrowthTableStopsAfter1800Periods) {
    selectPeriod(kMonthly);
    type(13, "1800");
    click("FindRate");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(list()->count(), 1801);

    type(13, "1801");
    click("FindRate");
    expectOneWarning(calc::messages::kCheckInput);
    EXPECT_FALSE(text1(22)->text().isEmpty());
    EXPECT_FALSE(text1(23)->text().isEmpty());
    EXPECT_EQ(label1(27)->text(), "per Month");
    EXPECT_TRUE(header(2)->isHidden());
    ASSERT_EQ(list()->count(), 1801);
    EXPECT_TRUE(listLines().first().startsWith("01.  Loan Starts at: "));
    EXPECT_TRUE(listLines().last().startsWith("1801.  End of 1800 Month: "));
}

TEST_F(RatePanel, ARefusedInputLeavesResultsUnitAndList) {
    // Refused before anything was calculated: the repayment header stays in view.
    type(6, "0");
    click("FindRate");
    expectOneWarning(calc::messages::kPrincipalPositive);
    EXPECT_TRUE(repaymentHeaderShown());
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(label1(27)->text(), "per Month");
    dialogs.messages.clear();

    struct Case {
        const char* principal;
        const char* amount;
        const char* duration;
        std::string_view message;
    };
    const Case cases[] = {
        {"0", "1", "0", calc::messages::kPrincipalPositive},
        {"-5000", "6250", "24", calc::messages::kPrincipalPositive},
        {"", "6250", "24", calc::messages::kPrincipalPositive},
        {"five", "6250", "24", calc::messages::kPrincipalPositive},
        {"5000", "4999.99", "0", calc::messages::kAmountAtLeastPrincipal},
        {"5000", "", "24", calc::messages::kAmountAtLeastPrincipal},
        {"5000", "6250", "0", calc::messages::kDurationPositive},
        {"5000", "6250", "-24", calc::messages::kDurationPositive},
        {"5000", "6250", "", calc::messages::kDurationPositive},
        {"5000", "6250", "0.4", calc::messages::kDurationPositive},
    };
    selectPeriod(kQuarterly);
    for (const Case& bad : cases) {
        SCOPED_TRACE(std::string(bad.principal) + "/" + bad.amount + "/" + bad.duration);
        enter("5000", "6250", "24");
        click("FindRate");
        const QStringList rows = listLines();
        ASSERT_EQ(rows.size(), 9);

        enter(bad.principal, bad.amount, bad.duration);
        // Editing emptied the rates; mark them to see that the click writes nothing.
        type(22, "r");
        type(23, "a");
        click("FindRate");

        expectOneWarning(bad.message);
        EXPECT_EQ(results(), QStringList({"r", "a"}));
        EXPECT_EQ(label1(27)->text(), "per Quarter");
        EXPECT_EQ(listLines(), rows);
        EXPECT_TRUE(header(2)->isHidden());
        dialogs.messages.clear();
    }
}

TEST_F(RatePanel, ADurationBeyondSixteenBitsEndsTheClickSilently) {
    click("FindRate");
    const QStringList rows = listLines();
    type(13, "40000");
    type(22, "r");
    type(23, "a");
    click("FindRate");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(results(), QStringList({"r", "a"}));
    EXPECT_EQ(label1(27)->text(), "per Annum");
    EXPECT_EQ(listLines(), rows);
}

}  // namespace
}  // namespace brisanel::app::testing
