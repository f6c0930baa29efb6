// What a screen reader learns about the window, read through Qt's accessibility interfaces: the
// name and value of every box, the period list and the buttons, the label relations, and which
// panel is in view after a menu command.
#include <QAccessible>
#include <QAccessibleInterface>
#include <utility>

#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

class Accessibility : public WindowTest {
protected:
    static QAccessibleInterface* accessible(QObject* object) {
        QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
        EXPECT_NE(found, nullptr);
        return found;
    }

    /// What a screen reader says on reaching the control: its name, then its value if it has one.
    static QString spoken(QObject* object) {
        QAccessibleInterface* control = accessible(object);
        if (!control) return {};
        const QString value = control->text(QAccessible::Value);
        const QString name = control->text(QAccessible::Name);
        return value.isEmpty() ? name : name + ", " + value;
    }

    static QString name(QObject* object) {
        QAccessibleInterface* control = accessible(object);
        return control ? control->text(QAccessible::Name) : QString();
    }

    QString windowDescription() const {
        return accessible(window.get())->text(QAccessible::Description);
    }
};

TEST_F(Accessibility, EveryBoxIsNamedAfterTheLabelBesideIt) {
    const std::pair<int, QString> expected[] = {
        {0, "Principal loan amount, 5000"},
        {1, "Months, 24"},
        {2, "Rate of annual interest (%), 12.50"},
        {3, "Interest"},
        {4, "Gross amount"},
        {5, "Principal loan amount, 5000"},
        {7, "Annual rate of interest in percent, 12.50"},
        {8, "Repayment starts after (months), 0"},
        {9, "Gross Recovery"},
        {10, "Gross Interest"},
        {11, "Scheduled EMI, 600"},
        {12, "Recovery months"},
        {14, "Calculated EMI"},
        {15, "Gross Interest"},
        {16, "Gross Recovery"},
        {17, "Repayment starts after (months), 0"},
        {18, "Annual rate (%), 12.50"},
        {19, "Repayment duration months, 48"},
        {20, "Principal loan amount, 5000"},
        {6, "Principal loan amount, 5000"},
        {21, "Principal with interest, 6250"},
        {13, "Interest period in Months, 24"},
        {22, "Interest rate per Month"},
        {23, "Interest rate per Annum"},
    };
    for (const auto& [box, reading] : expected) {
        EXPECT_EQ(spoken(text1(box)), reading) << "Text1(" << box << ")";
    }
}

TEST_F(Accessibility, ValuesAndRolesFollowWhatTheBoxesShow) {
    type(0, "7500");
    EXPECT_EQ(spoken(text1(0)), "Principal loan amount, 7500");

    click("FindRate");
    EXPECT_EQ(accessible(text1(23))->text(QAccessible::Value), "12.50 %");
    EXPECT_TRUE(accessible(text1(23))->state().readOnly);
    EXPECT_FALSE(accessible(text1(6))->state().readOnly);
    EXPECT_EQ(accessible(text1(6))->role(), QAccessible::EditableText);
}

TEST_F(Accessibility, EachLabelIsReportedAsLabellingItsBox) {
    const std::pair<QString, QString> pairs[] = {
        {"Label1(0)", "Text1(0)"}, {"Label1(6)", "Text1(7)"},   {"Label1(19)", "Text1(17)"},
        {"Label1(26)", "Combo2"},  {"Label1(27)", "Text1(22)"},
    };
    for (const auto& [labelName, controlName] : pairs) {
        QAccessibleInterface* control = accessible(find<QWidget>(controlName));
        ASSERT_NE(control, nullptr);
        // Besides its label, a box is labelled by the panel that holds it.
        QStringList labels;
        for (const auto& [other, relation] : control->relations(QAccessible::Label)) {
            labels.append(other->object()->objectName());
        }
        EXPECT_TRUE(labels.contains(labelName)) << controlName.toStdString();
    }
}

TEST_F(Accessibility, ThePeriodListIsLabelledAndReadsTheChosenPeriod) {
    // On Linux a combo box reads its current item as its name and is told its label by the
    // relation above; other platforms read the name set on it.
    EXPECT_EQ(periods()->accessibleName(), "Interest Compounding");
    EXPECT_EQ(accessible(periods())->text(QAccessible::Value), "Simple");
    periods()->setCurrentIndex(5);
    EXPECT_EQ(accessible(periods())->text(QAccessible::Value), "DAILY");
}

TEST_F(Accessibility, NamesFollowCaptionsThatTheProgramChanges) {
    // The duration's unit follows the period chosen.
    periods()->setCurrentIndex(5);
    EXPECT_EQ(name(text1(13)), "Interest period in DAYS");
    periods()->setCurrentIndex(4);
    EXPECT_EQ(name(text1(13)), "Interest period in Months");

    // The rate per period is named after the period of the last rate found.
    periods()->setCurrentIndex(3);
    click("FindRate");
    EXPECT_EQ(spoken(text1(22)), "Interest rate per Quarter, " + text1(22)->text());

    // Buttons read their caption as it is now.
    choose("mnEMI");
    EXPECT_EQ(name(button("ShowDetails")), "Show Details");
    click("ShowDetails");
    EXPECT_EQ(name(button("ShowDetails")), "Close Details");
}

TEST_F(Accessibility, ButtonsAndTheListHaveNames) {
    for (QPushButton* each : window->findChildren<QPushButton*>()) {
        EXPECT_EQ(name(each), each->text()) << each->objectName().toStdString();
        EXPECT_EQ(accessible(each)->role(), QAccessible::Button);
    }
    EXPECT_EQ(name(list()), "Details");
}

TEST_F(Accessibility, TheListDescribesTheColumnsOfTheHeaderInView) {
    const auto columns = [this] { return accessible(list())->text(QAccessible::Description); };
    EXPECT_EQ(columns(), "SN END OF RED. BALANCE EMI");
    click("FindRate");  // its growth rows come with the other header
    EXPECT_EQ(columns(), "SN END OF INTEREST TOTAL AMOUNT");
    choose("mnEMI");
    EXPECT_EQ(columns(), "SN END OF INTEREST TOTAL AMOUNT");
    choose("mnFindRate");  // empties the list and brings the first header back
    EXPECT_EQ(columns(), "SN END OF RED. BALANCE EMI");
}

TEST_F(Accessibility, ThePanelInViewIsAnnouncedAndTakesTheFocus) {
    EXPECT_EQ(windowDescription(), "Find Interest Rate");

    const struct {
        const char* command;
        const char* panel;
        int firstBox;
    } switches[] = {
        {"mnEMI", "Find EMI", 20},
        {"mnRecovery", "Recovery Months", 5},
        {"mnInterest", "Interests", 0},
        {"mnFindRate", "Find Interest Rate", 6},
    };
    for (const auto& each : switches) {
        choose(each.command);
        EXPECT_EQ(windowDescription(), each.panel);
        EXPECT_EQ(window->focusWidget(), text1(each.firstBox)) << each.command;
        EXPECT_EQ(name(accessible(window->focusWidget())->parent()->object()), each.panel);
    }
    EXPECT_EQ(spoken(window->focusWidget()), "Principal loan amount, 5000");
}

TEST_F(Accessibility, AboutLeavesTheFocusAndTheAnnouncementAlone) {
    choose("mnEMI");
    text1(18)->setFocus();
    choose("About");
    EXPECT_EQ(window->focusWidget(), text1(18));
    EXPECT_EQ(windowDescription(), "Find EMI");
}

}  // namespace
}  // namespace brisanel::app::testing
