// What a screen reader learns about the window through Qt's accessibility interfaces: the names and
// values of the boxes, the period list and the buttons, the label relations, and the panel in view.
#include <QAccessible>
#include <QAccessibleInterface>

#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(found, nullptr);
    return found;
}

QString name(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

QString value(QObject* object) {
    return accessible(object)->text(QAccessible::Value);
}

/// What a screen reader says on reaching the control: its name, then its value if it has one.
QString spoken(QObject* object) {
    return value(object).isEmpty() ? name(object) : name(object) + ", " + value(object);
}

QString description(QObject* object) {
    return accessible(object)->text(QAccessible::Description);
}

using Accessibility = WindowTest;

TEST_F(Accessibility, EveryBoxIsNamedAfterTheLabelBesideIt) {
    // clang-format off
    const QStringList readings = {  // Text1(0) onwards
        "Principal loan amount, 5000", "Months, 24", "Rate of annual interest (%), 12.50",
        "Interest", "Gross amount", "Principal loan amount, 5000", "Principal loan amount, 5000",
        "Annual rate of interest in percent, 12.50", "Repayment starts after (months), 0",
        "Gross Recovery", "Gross Interest", "Scheduled EMI, 600", "Recovery months",
        "Interest period in Months, 24", "Calculated EMI", "Gross Interest", "Gross Recovery",
        "Repayment starts after (months), 0", "Annual rate (%), 12.50",
        "Repayment duration months, 48", "Principal loan amount, 5000",
        "Principal with interest, 6250", "Interest rate per Month", "Interest rate per Annum"};
    // clang-format on
    for (int box = 0; box < readings.size(); ++box)
        EXPECT_EQ(spoken(text1(box)), readings[box]) << "Text1(" << box << ")";

    type(0, "7500");
    EXPECT_EQ(spoken(text1(0)), "Principal loan amount, 7500");
    click("FindRate");
    EXPECT_EQ(spoken(text1(23)), "Interest rate per Annum, 12.50 %");
}

TEST_F(Accessibility, EachLabelIsReportedAsLabellingItsBox) {
    const std::pair<QString, QString> pairs[] = {
        {"Label1(0)", "Text1(0)"}, {"Label1(6)", "Text1(7)"},   {"Label1(19)", "Text1(17)"},
        {"Label1(26)", "Combo2"},  {"Label1(27)", "Text1(22)"},
    };
    for (const auto& [label, control] : pairs) {
        // Besides its label, a box is labelled by the panel that holds it.
        QStringList labels;
        for (const auto& [other, relation] :
             accessible(find(control))->relations(QAccessible::Label))
            labels.append(other->object()->objectName());
        EXPECT_TRUE(labels.contains(label)) << control.toStdString();
    }
}

TEST_F(Accessibility, NamesFollowThePeriodAndTheCaptionsThatTheProgramChanges) {
    // On Linux a combo box reads its current item as its name and is told its label by the
    // relation above; other platforms read the name set on it.
    EXPECT_EQ(periods()->accessibleName(), "Interest Compounding");
    EXPECT_EQ(value(periods()), "Simple");
    periods()->setCurrentIndex(5);
    EXPECT_EQ(value(periods()), "DAILY");
    EXPECT_EQ(name(text1(13)), "Interest period in DAYS");
    periods()->setCurrentIndex(3);
    EXPECT_EQ(name(text1(13)), "Interest period in Months");
    click("FindRate");  // the rate per period is named after the period of the last rate found
    EXPECT_EQ(spoken(text1(22)), "Interest rate per Quarter, " + text1(22)->text());

    for (QPushButton* each : window->findChildren<QPushButton*>()) {
        EXPECT_EQ(name(each), each->text()) << each->objectName().toStdString();
        EXPECT_EQ(accessible(each)->role(), QAccessible::Button);
    }
    choose("mnEMI");
    click("ShowDetails");
    EXPECT_EQ(name(button("ShowDetails")), "Close Details");
}

TEST_F(Accessibility, TheListIsNamedAndDescribesTheColumnsOfTheHeaderInView) {
    EXPECT_EQ(name(list()), "Details");
    EXPECT_EQ(description(list()), "SN END OF RED. BALANCE EMI");
    click("FindRate");  // its growth rows come with the other header
    EXPECT_EQ(description(list()), "SN END OF INTEREST TOTAL AMOUNT");
    choose("mnEMI");
    EXPECT_EQ(description(list()), "SN END OF INTEREST TOTAL AMOUNT");
    choose("mnFindRate");  // empties the list and brings the first header back
    EXPECT_EQ(description(list()), "SN END OF RED. BALANCE EMI");
}

TEST_F(Accessibility, ThePanelInViewIsAnnouncedAndTakesTheFocus) {
    EXPECT_EQ(description(window.get()), "Find Interest Rate");
    const std::tuple<const char*, const char*, int> switches[] = {
        {"mnEMI", "Find EMI", 20},
        {"mnRecovery", "Recovery Months", 5},
        {"mnInterest", "Interests", 0},
        {"mnFindRate", "Find Interest Rate", 6}};
    for (const auto& [command, panel, firstBox] : switches) {
        choose(command);
        EXPECT_EQ(description(window.get()), panel);
        EXPECT_EQ(window->focusWidget(), text1(firstBox)) << command;
        EXPECT_EQ(name(accessible(window->focusWidget())->parent()->object()), panel);
    }
    EXPECT_EQ(spoken(window->focusWidget()), "Principal loan amount, 5000");
    // About leaves the focus and the announcement alone.
    choose("mnEMI");
    text1(18)->setFocus();
    choose("About");
    EXPECT_EQ(window->focusWidget(), text1(18));
    EXPECT_EQ(description(window.get()), "Find EMI");
}

}  // namespace
}  // namespace brisanel::app::testing
