// The "Find Interest Rate" panel: its results, the growth rows arriving in the details list, the
// compounding-period list and the panel's own "Show Details" toggle.
#include <QApplication>
#include <QScrollBar>

#include "calc/messages.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

namespace msg = calc::messages;

enum Position { kSimple, kYearly, kHalfYearly, kQuarterly, kMonthly, kDaily };

class RatePanel : public WindowTest {
protected:
    void selectPeriod(int position) const { periods()->setCurrentIndex(position); }

    QStringList results() const { return {text1(22)->text(), text1(23)->text()}; }

    bool shown(QWidget* widget) const { return widget->isVisibleTo(window.get()); }

    static bool fitsCaption(const QLabel* label) {
        return label->width() == label->sizeHint().width();
    }

    void expectOpen(bool open) const {
        EXPECT_EQ(window->outerHeightTwips(),
                  open ? frmInterest::kDetailsOpenHeight : frmInterest::kDetailsClosedHeight);
        EXPECT_EQ(button("ShowDetail")->text(), open ? "Close Details" : "Show Details");
    }

    // Exactly the message given, or none for an empty text; forgotten once checked.
    void expectMessage(std::string_view text) {
        EXPECT_EQ(dialogs.texts(),
                  text.empty() ? QStringList() : QStringList{QString::fromUtf8(text)});
        dialogs.messages.clear();
    }
};

TEST_F(RatePanel, ACalculationWritesTheRatesAndReplacesTheListUnderTheGrowthHeader) {
    ASSERT_TRUE(shown(header(2)));
    click("FindRate");

    expectMessage({});
    EXPECT_EQ(results(), QStringList({"12.50 %", "12.50 %"}));
    EXPECT_EQ(label1(27)->text(), "per Annum");
    EXPECT_FALSE(shown(header(2)));
    EXPECT_TRUE(shown(header(3)));
    ASSERT_EQ(list()->count(), 3);
    EXPECT_TRUE(listLines().last().startsWith("03.  End of 2 Year: "));

    // A second calculation replaces the rows instead of adding to them.
    selectPeriod(kQuarterly);
    click("FindRate");
    EXPECT_EQ(list()->count(), 9);
}

TEST_F(RatePanel, ANewTableTakesThePlaceOfEveryOldRowAndShowsFromTheTop) {
    // What the same inputs give in a window that never held a table.
    const auto freshRows = [this](int position, const QString& duration) {
        frmInterest fresh(dialogs);
        fresh.findChild<QComboBox*>("Combo2")->setCurrentIndex(position);
        fresh.findChild<QLineEdit*>("Text1(13)")->setText(duration);
        fresh.findChild<QPushButton*>("FindRate")->click();
        QStringList rows;
        const auto* freshList = fresh.findChild<QListWidget*>("List1");
        for (int row = 0; row < freshList->count(); ++row)
            rows.append(freshList->item(row)->text());
        return rows;
    };
    const std::pair<int, const char*> tables[] = {
        {kDaily, "1800"}, {kYearly, "24"}, {kQuarterly, "24"}, {kDaily, "700"}, {kDaily, "699"}};
    window->show();
    click("ShowDetail");
    for (const auto& [position, duration] : tables) {
        SCOPED_TRACE(duration);
        list()->setCurrentRow(list()->count() - 1);
        list()->scrollToBottom();
        QApplication::processEvents();
        selectPeriod(position);
        type(13, duration);
        click("FindRate");
        EXPECT_EQ(listLines(), freshRows(position, duration));
        EXPECT_EQ(list()->currentRow(), -1);
        EXPECT_TRUE(list()->selectedItems().isEmpty());
        QApplication::processEvents();
        EXPECT_EQ(list()->verticalScrollBar()->value(), 0);
    }
}

TEST_F(RatePanel, EachPeriodShowsItsDurationUnitAndEmptiesTheRatesAlone) {
    const QColor normal = QApplication::palette().color(QPalette::WindowText);
    const std::tuple<Position, const char*, const char*> choices[] = {
        {kDaily, "0.9341 %", "per Day"},         {kYearly, "11.8034 %", "per Annum"},
        {kDaily, "0.9341 %", "per Day"},         {kHalfYearly, "5.7371 %", "per Half Year"},
        {kQuarterly, "2.8286 %", "per Quarter"}, {kMonthly, "0.9341 %", "per Month"},
        {kSimple, "12.50 %", "per Annum"}};
    click("FindRate");
    for (const auto& [position, perPeriod, unit] : choices) {
        SCOPED_TRACE(position);
        const QStringList rows = listLines();
        const QString previousUnit = label1(27)->text();
        selectPeriod(position);

        const bool daily = position == kDaily;
        EXPECT_EQ(label1(14)->text(), daily ? "DAYS" : "Months");
        EXPECT_EQ(label1(14)->palette().color(QPalette::WindowText),
                  daily ? QColor(192, 0, 0) : normal);
        EXPECT_TRUE(fitsCaption(label1(14)));
        EXPECT_EQ(results(), QStringList({"", ""}));
        EXPECT_EQ(listLines(), rows);
        EXPECT_EQ(label1(27)->text(), previousUnit);

        // The position chosen is the period that the next calculation uses.
        click("FindRate");
        EXPECT_EQ(text1(22)->text(), perPeriod);
        EXPECT_EQ(label1(27)->text(), unit);
        EXPECT_TRUE(fitsCaption(label1(27)));
    }
}

TEST_F(RatePanel, ShowDetailOpensAndClosesWithoutTouchingTheList) {
    click("ShowDetail");  // nothing calculated yet: it still opens, on an empty list
    expectOpen(true);
    EXPECT_EQ(list()->count(), 0);
    // The panel's own inputs stay open to editing while its details are in view.
    for (int box : {6, 13, 21}) EXPECT_FALSE(text1(box)->isReadOnly()) << box;
    EXPECT_TRUE(periods()->isEnabled());

    click("FindRate");  // rows are built whether or not the area is in view
    const QStringList rows = listLines();
    expectOpen(true);
    click("ShowDetail");
    expectOpen(false);
    EXPECT_EQ(listLines(), rows);
    expectMessage({});
}

TEST_F(RatePanel, ARefusedOrFailedClickLeavesResultsUnitListAndHeader) {
    // Refused before anything was calculated: the repayment header stays in view.
    type(6, "0");
    click("FindRate");
    expectMessage(msg::kPrincipalPositive);
    EXPECT_TRUE(shown(header(2)));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(label1(27)->text(), "per Month");
    type(6, "5000");

    const std::tuple<int, const char*, std::string_view> cases[] = {
        {21, "4999.99", msg::kAmountAtLeastPrincipal},
        {13, "0.4", msg::kDurationPositive},
        {13, "40000", {}},  // beyond sixteen bits: the click ends without a word
    };
    selectPeriod(kQuarterly);
    for (const auto& [box, text, message] : cases) {
        SCOPED_TRACE(text);
        click("FindRate");
        const QStringList rows = listLines();
        const QString before = text1(box)->text();
        type(box, text);
        // Editing emptied the rates; mark them to see that the click writes nothing.
        type(22, "r");
        type(23, "a");
        click("FindRate");

        expectMessage(message);
        EXPECT_EQ(results(), QStringList({"r", "a"}));
        EXPECT_EQ(label1(27)->text(), "per Quarter");
        EXPECT_EQ(listLines(), rows);
        EXPECT_FALSE(shown(header(2)));
        type(box, before);
    }
}

TEST_F(RatePanel, AGrowthTableBeyond1800PeriodsKeepsItsRowsAndTheRates) {
    selectPeriod(kMonthly);
    type(13, "1801");
    click("FindRate");
    expectMessage(msg::kCheckInput);
    EXPECT_EQ(results(), QStringList({"0.0124 %", "0.149 %"}));
    EXPECT_EQ(label1(27)->text(), "per Month");
    EXPECT_FALSE(shown(header(2)));
    ASSERT_EQ(list()->count(), 1801);
    EXPECT_TRUE(listLines().last().startsWith("1801.  End of 1800 Month: "));
}

}  // namespace
}  // namespace brisanel::app::testing
