// The layout and the menu bar's highlight on screens of any device-pixel ratio. This file runs
// twice: at 1x among the window tests, and at 2x in the hidpi test program, so that a control cut,
// or overlapping another, or a highlight missed, at one ratio but not at the other fails one of
// them.
#include <set>

#include "app/window/control_table.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

bool contentFits(QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {  // inside its frame and 2-pixel margins
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
        return metrics.horizontalAdvance(box->text()) <= box->width() - 2 * frame - 4;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const int field =
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                .width();
        for (int item = 0; item < combo->count(); ++item)
            if (metrics.horizontalAdvance(combo->itemText(item)) > field) return false;
    }
    auto* label = qobject_cast<QLabel*>(widget);
    return !label || QRect(QPoint(), label->size()).contains(QRect(QPoint(), label->sizeHint()));
}

using HighDpi = WindowTest;

TEST_F(HighDpi, NoControlIsCutAndOnlyTheStackedOnesOverlap) {
    window->show();
    bool set = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    EXPECT_DOUBLE_EQ(window->devicePixelRatio(), set ? scale : 1.0);
    const std::set<QString> stacked = {
        "Frame1 Frame2", "Frame1 Frame3", "Frame1 Frame4", "Frame2 Frame3", "Frame2 Frame4",
        "Frame3 Frame4", "List1 Text3",   "List1 Text2",   "Text3 Text2",   "Image4(2) Image4(0)"};
    const auto expectLaidOut = [&](const std::string& state) {
        std::set<QString> overlaps;
        QStringList cut;
        const auto rows = controlTable();
        for (auto a = rows.begin(); a != rows.end(); ++a) {
            QWidget* widget = find(a->name);
            const QRect container = widget->parentWidget()->rect();
            // The details area lies wholly below a closed window: out of view, not cut.
            if (shown(widget) && container.intersects(widget->geometry()) &&
                (!container.contains(widget->geometry()) || !contentFits(widget)))
                cut.append(a->name);
            for (auto b = std::next(a); b != rows.end(); ++b) {
                if (widget->parentWidget() == find(b->name)->parentWidget() &&
                    widget->geometry().intersects(find(b->name)->geometry()))
                    overlaps.insert(QString(a->name) + " " + b->name);
            }
        }
        EXPECT_EQ(cut, QStringList()) << state;
        EXPECT_EQ(overlaps, stacked) << state;
    };
    // Each panel with its results written, the list open, and each period's captions.
    expectLaidOut("start");
    for (const char* state : {"mnInterest", "CompdDaily", "mnRecovery", "RecoveryMonths", "mnEMI",
                              "EMI", "ShowDetails", "mnFindRate"}) {
        state[0] == 'm' ? choose(state) : click(state);
        expectLaidOut(state);
    }
    for (int period = 0; period < periods()->count(); ++period) {
        periods()->setCurrentIndex(period);
        click("FindRate");
        expectLaidOut("FindRate, " + periods()->currentText().toStdString());
    }
}

// The commands drawn highlighted: at least half the pixels of their places in the highlight colour.
QStringList highlighted(QMenuBar* bar) {
    const QImage picture = bar->grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    const QRgb highlight = bar->palette().color(QPalette::Highlight).rgb();
    QStringList names;
    for (QAction* action : bar->actions()) {
        const QRect place = bar->actionGeometry(action);
        const QRect pixels(place.topLeft() * ratio, place.size() * ratio);
        int count = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                count += picture.pixel(x, y) == highlight;
        if (count * 2 >= pixels.width() * pixels.height()) names.append(action->objectName());
    }
    return names;
}

TEST_F(HighDpi, TheMenuCommandOfTheKeyboardOrUnderThePointerIsDrawnHighlighted) {
    showActive();
    QMenuBar* bar = window->menuBar();
    EXPECT_EQ(highlighted(bar), QStringList());
    // Keys pressed, or commands pointed at, in turn. The panel in view, Find Interest Rate, has
    // its command disabled: the keyboard passes it by and the pointer leaves it greyed.
    const std::vector<std::pair<QString, QString>> steps = {
        {"F10", "mnExit"},  {"Right", "mnInterest"},      {"Right", "mnRecovery"},
        {"Right", "mnEMI"}, {"Right", "About"},           {"Esc", ""},
        {"mnEMI", "mnEMI"}, {"mnRecovery", "mnRecovery"}, {"mnFindRate", ""}};
    for (const auto& [step, expected] : steps) {
        if (step.startsWith("mn")) {
            const QRect place = bar->actionGeometry(find<QAction>(step));
            mouse(bar, QEvent::MouseMove, Qt::NoButton, place.center());
        } else {
            press(QKeySequence(step)[0]);
        }
        EXPECT_EQ(highlighted(bar).join(' '), expected) << step.toStdString();
    }
}

// The planner's controls are laid out by layouts: each one whole, none over a neighbour, with an
// event and a month to finish by so that every figure and note is written.
TEST_F(HighDpi, PlannerControlsAreWholeAndApart) {
    choose("mnEMI");
    click("ShowDetails");
    choose("actPlan");
    auto* planner = window->findChild<QMainWindow*>("frmPlanner");
    ASSERT_NE(planner, nullptr);
    planner->findChild<QPushButton*>("btnAddEvent")->click();
    planner->findChild<QTableWidget*>("tblEvents")->item(0, 1)->setText("100");
    planner->findChild<QLineEdit*>("txtFinishBy")->setText("40");
    QApplication::processEvents();
    QStringList cut, overlaps;
    std::vector<QWidget*> laidOut;
    for (QWidget* widget : planner->findChildren<QWidget*>()) {
        QWidget* parent = widget->parentWidget();
        if (!widget->isVisibleTo(planner) || !parent->layout() ||
            parent->layout()->indexOf(widget) < 0)
            continue;
        laidOut.push_back(widget);
        auto* label = qobject_cast<QLabel*>(widget);
        const bool whole =
            label && label->wordWrap() ? widget->height() >= widget->heightForWidth(widget->width())
            : qobject_cast<QAbstractButton*>(widget) ? widget->width() >= widget->sizeHint().width()
                                                     : contentFits(widget);
        if (!parent->rect().contains(widget->geometry()) || !whole)
            cut.append(widget->objectName() + " " + widget->metaObject()->className());
    }
    for (auto a = laidOut.begin(); a != laidOut.end(); ++a) {
        for (auto b = std::next(a); b != laidOut.end(); ++b) {
            if ((*a)->parentWidget() == (*b)->parentWidget() &&
                (*a)->geometry().intersects((*b)->geometry()))
                overlaps.append((*a)->objectName() + " " + (*b)->objectName());
        }
    }
    EXPECT_GT(laidOut.size(), 30u);
    EXPECT_EQ(cut, QStringList());
    EXPECT_EQ(overlaps, QStringList());
}

}  // namespace
}  // namespace brisanel::app::testing
