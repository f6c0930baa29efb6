// The window on screens of any device-pixel ratio. This file runs twice: at 1x among the window
// tests, and at 2x in the hidpi test program. Both runs hold the window to the same expectations,
// so a control that is cut, or that overlaps another, at one ratio but not at the other fails one
// of them.
#include <QImage>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <functional>
#include <set>
#include <utility>

#include "app/control_table.h"
#include "window_fixture.h"

namespace brisanel::app::testing {
namespace {

using Pair = std::pair<std::string, std::string>;

Pair ordered(const QString& a, const QString& b) {
    return a < b ? Pair(a.toStdString(), b.toStdString()) : Pair(b.toStdString(), a.toStdString());
}

bool contentFits(QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->width() >= label->sizeHint().width() &&
               label->height() >= label->sizeHint().height();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        // Long captions wrap inside a 2-pixel margin.
        const QRect inner = button->rect().adjusted(2, 2, -2, -2);
        return inner.contains(
            metrics.boundingRect(inner, Qt::AlignCenter | Qt::TextWordWrap, button->text()));
    }
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const QRect contents =
            box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        // The line edit keeps a margin of 2 pixels on either side.
        return metrics.horizontalAdvance(box->text()) <= contents.width() - 4;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, combo);
        for (int item = 0; item < combo->count(); ++item) {
            if (metrics.horizontalAdvance(combo->itemText(item)) > field.width()) return false;
        }
    }
    return true;
}

class HighDpi : public WindowTest {
protected:
    HighDpi() { window->show(); }

    /// Each panel with its results written, the details list open, and every period of the rate
    /// finder with the caption that its rate brings.
    void forEachState(const std::function<void(const std::string&)>& check) {
        check("start");
        for (const char* state : {"mnInterest", "CompdDaily", "mnRecovery", "RecoveryMonths",
                                  "mnEMI", "EMI", "ShowDetails"}) {
            if (state[0] == 'm')
                choose(state);
            else
                click(state);
            check(state);
        }
        choose("mnFindRate");
        for (int period = 0; period < periods()->count(); ++period) {
            periods()->setCurrentIndex(period);
            click("FindRate");
            check("FindRate, " + periods()->currentText().toStdString());
        }
    }

    /// Controls in view whose content does not fit them, or that stick out of their container.
    QStringList cutControls() const {
        QStringList cut;
        for (const ControlRow& row : controlTable()) {
            QWidget* widget = find(row.name);
            const QRect container = widget->parentWidget()->rect();
            // The details area lies wholly below the window while it is closed: out of view, not
            // cut.
            if (!shown(widget) || !container.intersects(widget->geometry())) continue;
            if (!container.contains(widget->geometry()) || !contentFits(widget))
                cut.append(widget->objectName());
        }
        return cut;
    }

    /// Pairs of controls of one container whose rectangles overlap, shown or not.
    std::set<Pair> overlaps() const {
        std::set<Pair> found;
        const auto rows = controlTable();
        for (auto a = rows.begin(); a != rows.end(); ++a) {
            for (auto b = std::next(a); b != rows.end(); ++b) {
                const QWidget* first = find(a->name);
                const QWidget* second = find(b->name);
                if (first->parentWidget() == second->parentWidget() &&
                    first->geometry().intersects(second->geometry()))
                    found.insert(ordered(first->objectName(), second->objectName()));
            }
        }
        return found;
    }
};

TEST_F(HighDpi, TheWindowRunsAtTheRequestedRatio) {
    bool set = false;
    double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    if (!set) scale = 1.0;
    EXPECT_DOUBLE_EQ(window->devicePixelRatio(), scale);
    const QPixmap picture = window->grab();
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), scale);
    EXPECT_EQ(picture.size(), window->size() * scale);
}

TEST_F(HighDpi, ResultBoxesArePaintedAtTheirScaledPlace) {
    const QColor lightGreen(192, 255, 192);
    const std::pair<const char*, std::vector<int>> panels[] = {
        {"mnInterest", {3, 4}}, {"mnRecovery", {9, 10, 12}}, {"mnFindRate", {22, 23}}};
    for (const auto& [command, boxes] : panels) {
        choose(command);
        const QImage picture = window->grab().toImage();
        const auto colourAt = [&](QWidget* box, QPoint at) {
            return picture.pixelColor(box->mapTo(window.get(), at) * picture.devicePixelRatio());
        };
        for (int box : boxes) {
            EXPECT_EQ(colourAt(text1(box), text1(box)->rect().center()), lightGreen) << box;
            // Just left of the box lies the panel, not the box.
            EXPECT_NE(colourAt(text1(box), QPoint(-3, 4)), lightGreen) << box;
        }
    }
}

TEST_F(HighDpi, NoControlInViewIsCut) {
    forEachState(
        [this](const std::string& state) { EXPECT_EQ(cutControls(), QStringList()) << state; });
}

TEST_F(HighDpi, OnlyTheStackedControlsOverlap) {
    std::set<Pair> stacked = {ordered("Text2", "Text3"), ordered("Text2", "List1"),
                              ordered("Text3", "List1"), ordered("Image4(0)", "Image4(2)")};
    for (const char* a : {"Frame1", "Frame2", "Frame3", "Frame4"}) {
        for (const char* b : {"Frame1", "Frame2", "Frame3", "Frame4"})
            if (qstrcmp(a, b) < 0) stacked.insert(ordered(a, b));
    }
    forEachState([&](const std::string& state) { EXPECT_EQ(overlaps(), stacked) << state; });
}

}  // namespace
}  // namespace brisanel::app::testing
