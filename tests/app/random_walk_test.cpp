// Random sequences of clicks, menu commands, picks and typed texts through the real widgets, from
// fixed seeds. After every step exactly one panel is in view, its menu command is the disabled
// one, no result box can be typed into, every message is one of the window's own, and the
// details list stays within its limits and agrees with the figures beside it.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <iterator>
#include <random>
#include <vector>

#include "calc/messages.h"
#include "export/list_file.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

constexpr int kSteps = 1500;
constexpr int kResultBoxes[] = {3, 4, 9, 10, 12, 14, 15, 16, 22, 23};

struct Panel {
    int frame;
    const char* menu;
    std::vector<const char*> buttons;
    std::vector<int> boxes;  // inputs and results
};

// Bottom to top: a panel lies over those before it.
const std::vector<Panel>& panels() {
    static const std::vector<Panel> all = {
        {1,
         "mnInterest",
         {"SimpleInt", "CompoundAnnually", "CompdQuarterly", "CompoundMonthly", "CompdDaily"},
         {0, 1, 2, 3, 4}},
        {2,
         "mnRecovery",
         {"PrintListM", "RecoveryMonths", "ShowDetailsM"},
         {5, 7, 8, 11, 9, 10, 12}},
        {3, "mnEMI", {"PrintList", "ShowDetails", "EMI"}, {20, 17, 18, 19, 14, 15, 16}},
        {4, "mnFindRate", {"ShowDetail", "FindRate"}, {6, 21, 13, 22, 23}},
    };
    return all;
}

// Texts that reach every check and failure of the panels, and some that are no numbers at all.
const QStringList kTexts = {
    "",    "0",      "-1",  "5000",  "6250",    "24",       "12.50", "1e308",  "1e400",
    "2.5", "0.3",    "0.5", "40000", "-32769",  "1800",     "1801",  "abc",    " 7 ",
    "200", "200.01", "50",  "600",   "1e-300",  "4.9e-324", "5401",  "730",    "1000",
    "3",   "-3",     "12",  "2000",  "1.5e308", "9",        "1e6",   "0.0001", "100000"};

const QStringList kFileNames = {"", "plan", "plan.txt", "no/such/folder/plan", "taken"};

class RandomWalk : public WindowTest, public ::testing::WithParamInterface<unsigned> {
protected:
    void SetUp() override {
        // A save writes into the current folder; "taken.txt" is a folder, which a save refuses.
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        ASSERT_TRUE(QDir(folder.path()).mkdir("taken.txt"));
        random.seed(GetParam());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    template <typename List>
    auto any(const List& list) {
        return list[pick(static_cast<int>(std::size(list)))];
    }

    // The panel in view: the top one of those whose visible flag is set.
    const Panel* inView() const {
        const Panel* top = nullptr;
        for (const Panel& panel : panels()) {
            if (!frame(panel.frame)->isHidden()) top = &panel;
        }
        return top;
    }

    int panelsShown() const {
        int shown = 0;
        for (const Panel& panel : panels()) shown += !frame(panel.frame)->isHidden();
        return shown;
    }

    static void key(QWidget* widget, int code, Qt::KeyboardModifiers modifiers,
                    const QString& text = {}) {
        QKeyEvent down(QEvent::KeyPress, code, modifiers, text);
        QCoreApplication::sendEvent(widget, &down);
        QKeyEvent up(QEvent::KeyRelease, code, modifiers, text);
        QCoreApplication::sendEvent(widget, &up);
    }

    // Selects everything, deletes it and types the text key by key, as a user would.
    void typeInto(int box, const QString& text) {
        QLineEdit* edit = text1(box);
        const QString before = edit->text();
        key(edit, Qt::Key_A, Qt::ControlModifier);
        key(edit, Qt::Key_Backspace, Qt::NoModifier);
        for (const QChar c : text) key(edit, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        if (edit->isReadOnly()) {
            EXPECT_EQ(edit->text(), before) << "typed into the read-only Text1(" << box << ")";
        } else {
            EXPECT_EQ(edit->text(), text) << "typing into Text1(" << box << ")";
        }
    }

    void mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
        const QPointF inside(2, 2);
        QMouseEvent event(type, inside, widget->mapToGlobal(inside), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }

    /// One random step; returns what it did, for the failure messages.
    QString step() {
        lastClick.clear();
        const Panel& panel = *inView();
        int kind = pick(20);
        // Only the rate panel has a period list, a save label and pictures; elsewhere click.
        if (kind >= 18 && panel.frame != 4) kind = 6;
        if (kind < 6) {
            const int box = any(panel.boxes);
            const QString text = pick(4) == 0 ? QString::number(pick(100000)) : any(kTexts);
            typeInto(box, text);
            return QStringLiteral("type \"%1\" into Text1(%2)").arg(text).arg(box);
        }
        if (kind < 13) {
            const char* name = any(panel.buttons);
            click(name);
            lastClick = name;
            return QStringLiteral("click ") + name;
        }
        if (kind < 16) {
            // Any panel command, and About; a disabled command does nothing.
            const QString name = pick(5) == 0 ? QString("About") : any(panels()).menu;
            const bool enabled = menu(name)->isEnabled();
            choose(name);
            if (enabled && name != "About") {
                EXPECT_EQ(panelsShown(), 1) << "after " << name.toStdString();
                EXPECT_STREQ(inView()->menu, name.toUtf8().constData());
            }
            return QStringLiteral("menu ") + name;
        }
        if (kind < 18) {
            // What the user answers to the next save's prompt and question.
            dialogs.typed.push_back(any(kFileNames));
            dialogs.answers.push_back(
                any(std::vector{MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel}));
            return "queue answers";
        }
        switch (pick(4)) {
            case 0: {
                const int period = pick(6);
                periods()->setCurrentIndex(period);
                return QStringLiteral("pick period %1").arg(period);
            }
            case 1: {
                QLabel* save = find<QLabel>("Label5");
                mouse(save, QEvent::MouseButtonPress, Qt::LeftButton);
                mouse(save, QEvent::MouseButtonRelease, Qt::LeftButton);
                return "click Label5";
            }
            case 2:
                mouse(find<QLabel>(QStringLiteral("Image4(%1)").arg(pick(3))), QEvent::MouseMove,
                      Qt::NoButton);
                return "move over a picture";
            default:
                mouse(frame(5), QEvent::MouseMove, Qt::NoButton);
                return "move over Frame5";
        }
    }

    static bool ownMessage(const ShownMessage& shown) {
        if (shown.title.startsWith("Email us at:  ")) return true;  // About
        if (shown.title != "Brisanel") return false;
        namespace m = calc::messages;
        for (std::string_view text :
             {m::kPrincipalPositive, m::kMonthsPositive, m::kRateUpTo200, m::kDurationUpTo1800,
              m::kStartBeforeEnd, m::kStartNotNegative, m::kEmiPositive, m::kAmountAtLeastPrincipal,
              m::kDurationPositive, m::kCheckInput, m::kCheckRecovery, saving::kInvalidName,
              saving::kNotSaved, saving::kSaved}) {
            if (shown.text == QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))
                return true;
        }
        return shown.text.startsWith("You are already having a file with the name ") ||
               shown.text.startsWith("The list could not be saved to ");
    }

    void checkWindow(std::size_t messagesBefore) const {
        const Panel* panel = inView();
        ASSERT_NE(panel, nullptr) << "no panel in view";
        for (const Panel& other : panels()) {
            EXPECT_EQ(menu(other.menu)->isEnabled(), &other != panel) << other.menu;
        }
        for (int box : kResultBoxes) {
            EXPECT_TRUE(text1(box)->isReadOnly()) << "Text1(" << box << ") is editable";
        }
        EXPECT_TRUE(header(2)->isReadOnly() && header(3)->isReadOnly());
        const int height = window->outerHeightTwips();
        EXPECT_TRUE(height == 3585 || height == 3690 || height == 6930) << height;
        EXPECT_LE(list()->count(), 1802);

        const std::vector<ShownMessage> fresh(dialogs.messages.begin() + messagesBefore,
                                              dialogs.messages.end());
        for (const ShownMessage& shown : fresh) {
            EXPECT_TRUE(ownMessage(shown)) << shown.text.toStdString();
        }
        if (lastClick.isEmpty() || lastClick.startsWith("PrintList")) return;
        EXPECT_LE(fresh.size(), 1u) << "one click, one message at most";
        if (!fresh.empty()) return;

        // A click that showed nothing and wrote figures left a list that agrees with them.
        if (lastClick == "RecoveryMonths" || lastClick == "ShowDetailsM") {
            const QString months = text1(12)->text();
            if (!months.isEmpty()) {
                EXPECT_EQ(months.toInt(), list()->count());
            }
        }
        if (lastClick == "FindRate" && !text1(22)->text().isEmpty()) {
            EXPECT_TRUE(header(2)->isHidden());
            EXPECT_LE(list()->count(), 1801);
            ASSERT_GT(list()->count(), 0);
            EXPECT_TRUE(list()->item(0)->text().startsWith("01.  Loan Starts at: "));
        }
    }

    QTemporaryDir folder;
    QString previous;
    std::mt19937 random;
    QString lastClick;  // the button that this step clicked, if it clicked one
};

TEST_P(RandomWalk, EveryStepLeavesOnePanelInViewAndResultsReadOnly) {
    checkWindow(0);
    for (int i = 0; i < kSteps && !HasFatalFailure(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        const std::size_t before = dialogs.messages.size();
        const QString did = step();
        SCOPED_TRACE(did.toStdString());
        checkWindow(before);
        if (HasFailure()) break;  // the first failing step is the one worth reading
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomWalk, ::testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace brisanel::app::testing
