// Random sequences of clicks, menu commands, picks and typed texts through the real widgets, from
// fixed seeds. After every step exactly one panel is in view, its menu command is the disabled
// one, no result box can be typed into, every message is one of the window's own, and the
// details list stays within its limits and agrees with the figures beside it.
#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <random>
#include <vector>

#include "calc/messages.h"
#include "export/list_file.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

struct Panel {
    int frame;
    const char* menu;
    std::vector<const char*> buttons;
    std::vector<int> boxes;  // inputs and results
};

// Bottom to top: a panel lies over those before it.
const std::vector<Panel> kPanels = {
    {1,
     "mnInterest",
     {"SimpleInt", "CompoundAnnually", "CompdQuarterly", "CompoundMonthly", "CompdDaily"},
     {0, 1, 2, 3, 4}},
    {2, "mnRecovery", {"PrintListM", "RecoveryMonths", "ShowDetailsM"}, {5, 7, 8, 11, 9, 10, 12}},
    {3, "mnEMI", {"PrintList", "ShowDetails", "EMI"}, {20, 17, 18, 19, 14, 15, 16}},
    {4, "mnFindRate", {"ShowDetail", "FindRate"}, {6, 21, 13, 22, 23}},
};

// Texts that reach every check and failure of the panels, and some that are no numbers at all.
const QStringList kTexts = {
    "",    "0",      "-1",  "5000",  "6250",    "24",       "12.50", "1e308",  "1e400",
    "2.5", "0.3",    "0.5", "40000", "-32769",  "1800",     "1801",  "abc",    " 7 ",
    "200", "200.01", "50",  "600",   "1e-300",  "4.9e-324", "5401",  "730",    "1000",
    "3",   "-3",     "12",  "2000",  "1.5e308", "9",        "1e6",   "0.0001", "100000"};
// "taken.txt" is made a folder, which a save refuses.
const QStringList kFileNames = {"", "plan", "plan.txt", "no/such/folder/plan", "taken"};

void key(QWidget* widget, int code, const QString& text = {},
         Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, code, modifiers, text);
        QCoreApplication::sendEvent(widget, &event);
    }
}

bool ownMessage(const ShownMessage& shown) {
    if (shown.title.startsWith("Email us at:  ")) return true;  // About
    namespace m = calc::messages;
    static const std::string_view known[] = {
        m::kPrincipalPositive, m::kMonthsPositive,   m::kRateUpTo200,   m::kDurationUpTo1800,
        m::kStartBeforeEnd,    m::kStartNotNegative, m::kEmiPositive,   m::kAmountAtLeastPrincipal,
        m::kDurationPositive,  m::kCheckInput,       m::kCheckRecovery, saving::kInvalidName,
        saving::kNotSaved,     saving::kSaved};
    return shown.title == "Brisanel" &&
           (std::ranges::find(known, shown.text.toStdString()) != std::end(known) ||
            shown.text.startsWith("You are already having a file with the name ") ||
            shown.text.startsWith("The list could not be saved to "));
}

class RandomWalk : public WindowTest, public ::testing::WithParamInterface<unsigned> {
protected:
    RandomWalk() : random(GetParam()) { EXPECT_TRUE(QDir().mkdir("taken.txt")); }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    template <typename List>
    auto any(const List& list) {
        return list[pick(static_cast<int>(std::size(list)))];
    }

    // The panel in view: the top one of those whose visible flag is set.
    const Panel* inView() const {
        const Panel* top = nullptr;
        for (const Panel& panel : kPanels) top = frame(panel.frame)->isHidden() ? top : &panel;
        return top;
    }

    // Selects everything, deletes it and types the text key by key, as a user would.
    void typeInto(int box, const QString& text) {
        QLineEdit* edit = text1(box);
        const QString before = edit->text();
        key(edit, Qt::Key_A, {}, Qt::ControlModifier);
        key(edit, Qt::Key_Backspace);
        for (const QChar c : text) key(edit, c.toUpper().unicode(), c);
        EXPECT_EQ(edit->text(), edit->isReadOnly() ? before : text)
            << "typing into Text1(" << box << ")";
    }

    /// One random step; returns what it did, for the failure messages.
    QString step() {
        lastClick.clear();
        const Panel& panel = *inView();
        int kind = pick(20);
        if (kind >= 18 && panel.frame != 4)
            kind = 6;  // only the rate panel has a period list and a save label
        if (kind < 6) {
            const int box = any(panel.boxes);
            const QString text = pick(4) == 0 ? QString::number(pick(100000)) : any(kTexts);
            typeInto(box, text);
            return QString("type \"%1\" into Text1(%2)").arg(text).arg(box);
        }
        if (kind < 13) {
            lastClick = any(panel.buttons);
            click(lastClick);
            return "click " + lastClick;
        }
        if (kind < 16) {
            // Any panel command, and About; a disabled command does nothing.
            const QString name = pick(5) == 0 ? QString("About") : any(kPanels).menu;
            choose(name);
            return "menu " + name;
        }
        if (kind < 18) {
            // What the user answers to the next save's prompt and question.
            dialogs.typed.push_back(any(kFileNames));
            dialogs.answers.push_back(
                any(std::vector{MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel}));
            return "queue answers";
        }
        if (pick(2) == 0) {
            periods()->setCurrentIndex(pick(6));
            return "pick period " + periods()->currentText();
        }
        mouse(find("Label5"), QEvent::MouseButtonPress, Qt::LeftButton);
        mouse(find("Label5"), QEvent::MouseButtonRelease, Qt::LeftButton);
        return "click Label5";
    }

    void checkWindow(std::size_t messagesBefore) const {
        const Panel* panel = inView();
        ASSERT_NE(panel, nullptr) << "no panel in view";
        for (const Panel& other : kPanels)
            EXPECT_EQ(menu(other.menu)->isEnabled(), &other != panel) << other.menu;
        for (int box : {3, 4, 9, 10, 12, 14, 15, 16, 22, 23})
            EXPECT_TRUE(text1(box)->isReadOnly()) << "Text1(" << box << ") is editable";
        EXPECT_TRUE(header(2)->isReadOnly() && header(3)->isReadOnly());
        const int height = window->outerHeightTwips();
        EXPECT_TRUE(height == 3585 || height == 3690 || height == 6930) << height;
        EXPECT_LE(list()->count(), 1802);

        const std::vector<ShownMessage> fresh(dialogs.messages.begin() + messagesBefore,
                                              dialogs.messages.end());
        for (const ShownMessage& shown : fresh)
            EXPECT_TRUE(ownMessage(shown)) << shown.text.toStdString();
        if (lastClick.isEmpty() || lastClick.startsWith("PrintList")) return;
        EXPECT_LE(fresh.size(), 1u) << "one click, one message at most";
        if (!fresh.empty()) return;
        // A click that showed nothing and wrote figures left a list that agrees with them.
        const QString months = text1(12)->text();
        if ((lastClick == "RecoveryMonths" || lastClick == "ShowDetailsM") && !months.isEmpty()) {
            EXPECT_EQ(months.toInt(), list()->count());
        }
        if (lastClick == "FindRate" && !text1(22)->text().isEmpty()) {
            EXPECT_TRUE(header(2)->isHidden());
            ASSERT_TRUE(list()->count() > 0 && list()->count() <= 1801) << list()->count();
            EXPECT_TRUE(list()->item(0)->text().startsWith("01.  Loan Starts at: "));
        }
    }

    CurrentTemporaryFolder folder;  // where the saves land
    std::mt19937 random;
    QString lastClick;  // the button that this step clicked, if it clicked one
};

TEST_P(RandomWalk, EveryStepLeavesOnePanelInViewAndResultsReadOnly) {
    checkWindow(0);
    for (int i = 0; i < 1500 && !HasFailure(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        const std::size_t before = dialogs.messages.size();
        const QString did = step();
        SCOPED_TRACE(did.toStdString());
        checkWindow(before);  // the loop stops at the first failing step, the one worth reading
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomWalk, ::testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace brisanel::app::testing
