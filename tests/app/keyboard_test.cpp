// The window from the keyboard, with real key events on the offscreen platform; the real dialogs
// over it; the details list's columns under its header.
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

constexpr auto Tab = Qt::Key_Tab, Return = Qt::Key_Return, Right = Qt::Key_Right;
constexpr auto Alt = Qt::Key_Alt, F10 = Qt::Key_F10;
constexpr QKeyCombination BackTab = Qt::ShiftModifier | Qt::Key_Tab;
constexpr QKeyCombination Save = Qt::ControlModifier | Qt::Key_S;
constexpr char kNotSaved[] = "List not saved, recommended to try again.";

struct KeyCase {
    const char* panel;  // the menu command chosen first; nullptr for the window as it starts
    std::vector<QKeyCombination> keys;
    QString focus;  // an object name, or "menu <command>" while the menu bar has the keyboard
    const char* message = "";
};

// Frame3 lies under Frame4 at start; the details list and its headers lie below the window until
// the details open. The name prompt is cancelled, so a save ends with kNotSaved.
const std::vector<KeyCase> kKeys = {
    {nullptr, {}, "Text1(6)"},
    {nullptr, {BackTab}, "Label5"},
    {nullptr, {BackTab, Qt::Key_Space}, "Label5", kNotSaved},
    {nullptr, {BackTab, Return}, "Label5", kNotSaved},
    {nullptr, {Save}, "Text1(6)", kNotSaved},
    {"mnEMI", {Tab, Tab}, "PrintList"},
    {"mnEMI", {Tab, Return, Tab}, "List1"},
    {"mnEMI", {Tab, Qt::KeypadModifier | Qt::Key_Enter, Tab, Tab}, "Text2"},
    {"mnEMI", {Save}, "Text1(20)", kNotSaved},
    {"mnRecovery", {Save}, "Text1(5)", kNotSaved},
    {"mnInterest", {Save}, "Text1(0)"},  // no list, no save
    {nullptr, {Alt}, "menu mnExit"},
    {nullptr, {F10}, "menu mnExit"},
    {nullptr, {Alt, Right, Right, Qt::Key_Escape}, "Text1(6)"},
    {nullptr, {Alt, Right, Right, Return}, "Text1(5)"},
    {nullptr, {F10, Right, Right, Right, Return}, "Text1(20)"},
};

class Keyboard : public WindowTest {
protected:
    QString focus() const {
        QWidget* focused = QApplication::focusWidget();
        if (focused != window->menuBar()) return focused ? focused->objectName() : "none";
        return "menu " + window->menuBar()->activeAction()->objectName();
    }
};

TEST_F(Keyboard, KeysMoveTheFocusOverWhatIsSeenAndRunWhatIsFocused) {
    CurrentTemporaryFolder folder;
    for (const KeyCase& test : kKeys) {
        SCOPED_TRACE((test.panel ? test.panel : "start") + (" -> " + test.focus.toStdString()));
        window = std::make_unique<frmInterest>(dialogs);
        showActive();
        if (test.panel) choose(test.panel);
        for (QKeyCombination key : test.keys) press(key);
        EXPECT_EQ(focus(), test.focus);
        expectMessage(test.message);
        EXPECT_EQ(folder.entries(), QStringList());
    }
}

// How many pixels of two pictures of the same size differ.
int pixelsApart(const QImage& a, const QImage& b) {
    int apart = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) apart += a.pixel(x, y) != b.pixel(x, y);
    return apart;
}

// Each panel with its details open where it has them: every control that Tab stops on looks
// different in the window while it has the focus, by a line's length of pixels at least (the
// corners of a control covered by another differ by a few).
TEST_F(Keyboard, EveryStopOfTheTabChainShowsItHasTheFocus) {
    const std::vector<std::vector<const char*>> panels = {{"FindRate", "ShowDetail"},
                                                          {"mnInterest"},
                                                          {"mnRecovery", "ShowDetailsM"},
                                                          {"mnEMI", "ShowDetails"}};
    for (const auto& steps : panels) {
        window = std::make_unique<frmInterest>(dialogs);
        showActive();
        for (const char* step : steps) step[0] == 'm' ? choose(step) : click(step);
        const auto seen = [this](QWidget* control) {
            return window->grab({control->mapTo(window.get(), QPoint()), control->size()})
                .toImage();
        };
        QWidget* const first = QApplication::focusWidget();
        QStringList stops, unmarked;
        do {
            QWidget* focused = QApplication::focusWidget();
            stops.append(focused->objectName());
            const QImage marked = seen(focused);
            press(Tab);
            if (pixelsApart(seen(focused), marked) < focused->width() / 2)
                unmarked.append(stops.back());
        } while (QApplication::focusWidget() != first && stops.size() < 40);
        EXPECT_EQ(unmarked, QStringList()) << stops.join(' ').toStdString();
    }
}

// Answers each real dialog as it comes up: the name prompt with "plan", a box with No. Every box
// belongs to the window, even when none is active, and shows its lines unwrapped.
TEST_F(Keyboard, RealBoxesAreCentredOverTheWindowWithTheirLinesWhole) {
    CurrentTemporaryFolder folder;
    QtDialogs real;
    window = std::make_unique<frmInterest>(real);
    real.setOwner(window.get());
    window->move(150, 100);
    QStringList boxes;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* prompt = qobject_cast<QInputDialog*>(modal)) {
            prompt->setTextValue("plan");
            prompt->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->isVisible()) {
            boxes.append(box->text().section(' ', 0, 1));
            SCOPED_TRACE(boxes.back().toStdString());
            EXPECT_EQ(box->parentWidget(), window.get());
            const QPoint offCentre = box->geometry().center() - window->geometry().center();
            EXPECT_LE(offCentre.manhattanLength(), 2);
            const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            QLabel unwrapped(label->text());
            unwrapped.setFont(label->font());
            EXPECT_GE(label->width(), unwrapped.sizeHint().width());
            box->done(QMessageBox::No);
        }
    });
    answer.start(5);
    for (int save = 0; save < 2; ++save) {
        showActive();  // a closed dialog leaves no window active here
        press(Save);
    }
    choose("About");
    EXPECT_EQ(boxes, QStringList({"Congratulations, your", "You are", "List not", "Brisanel &"}));
}

// Where words start along a strip of a widget, in the window's coordinates: ink after a blank
// of eight pixels or more.
QList<qreal> wordStarts(QWidget* widget, QRect strip) {
    const QImage picture = widget->grab(strip).toImage();
    const qreal ratio = picture.devicePixelRatio();
    QList<qreal> starts;
    for (int x = 3, blank = 99; x < picture.width() - 3; ++x) {
        bool ink = false;
        for (int y = picture.height() / 4; y < picture.height() * 3 / 4; ++y)
            ink |= qGray(picture.pixel(x, y)) < 128;
        if (ink && blank >= 8 * ratio)
            starts.append(widget->mapTo(widget->window(), strip.topLeft()).x() + x / ratio);
        blank = ink ? 0 : blank + 1;
    }
    return starts;
}

TEST_F(Keyboard, ListColumnsStartUnderTheirHeaderWords) {
    window->show();
    // For each row, how many of its last words start under the header's last words: the growth
    // table's first line places its interest with spaces.
    const auto expectColumns = [this](QLineEdit* header, std::vector<std::pair<int, int>> rows) {
        const QList<qreal> words = wordStarts(header, header->rect());
        for (auto [row, last] : rows) {
            const QRect place = list()->visualItemRect(list()->item(row));
            const QList<qreal> line = wordStarts(list()->viewport(), place);
            for (int word = 1; word <= last; ++word)
                EXPECT_NEAR(line.end()[-word], words.end()[-word], 2) << row;
        }
    };
    choose("mnEMI");
    click("ShowDetails");
    expectColumns(header(2), {{0, 3}, {10, 3}});
    choose("mnFindRate");
    click("FindRate");
    click("ShowDetail");
    expectColumns(header(3), {{0, 1}, {1, 3}});
}

}  // namespace
}  // namespace brisanel::app::testing
