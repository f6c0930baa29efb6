// The window on screens of any device-pixel ratio. This file runs twice: at 1x among the window
// tests, and at 2x in the hidpi test program. Both runs hold the window to the same expectations,
// so a control that is cut, or that overlaps another, at one ratio but not at the other fails one
// of them.
#include <QComboBox>
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

constexpr int kTwipsPerPixel = 15;  // at 96 dots per logical inch

int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

/// The ratio the test program asked Qt for.
double requestedScale() {
    bool ok = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? scale : 1.0;
}

bool isLabel(Look look) {
    return look == Look::Label || look == Look::LabelRegular || look == Look::LabelCentred ||
           look == Look::LabelLink || look == Look::SaveLabel;
}

using Pair = std::pair<QString, QString>;

Pair ordered(const QString& a, const QString& b) {
    return a < b ? Pair(a, b) : Pair(b, a);
}

class HighDpi : public WindowTest {
protected:
    HighDpi() { window->show(); }

    QWidget* control(const char* name) const { return find<QWidget>(QString::fromUtf8(name)); }

    bool inView(const QWidget* widget) const { return widget->isVisibleTo(window.get()); }

    /// The states the window is checked in: each panel with its results written, the details list
    /// open, and every period of the rate finder with the caption that its rate brings.
    void forEachState(const std::function<void(const std::string&)>& check) {
        check("start");
        choose("mnInterest");
        click("CompdDaily");
        check("Interests");
        choose("mnRecovery");
        click("RecoveryMonths");
        check("Recovery Months");
        choose("mnEMI");
        click("EMI");
        check("Find EMI");
        click("ShowDetails");
        check("Find EMI with its details open");
        choose("mnFindRate");
        for (int period = 0; period < periods()->count(); ++period) {
            periods()->setCurrentIndex(period);
            click("FindRate");
            check("Find Interest Rate, " + periods()->currentText().toStdString());
        }
    }

    /// Controls in view whose content does not fit them, or that stick out of their container.
    QStringList cutControls() const {
        QStringList cut;
        for (const ControlRow& row : controlTable()) {
            QWidget* widget = control(row.name);
            if (!widget || !inView(widget)) continue;
            const QRect container = widget->parentWidget()->rect();
            // The details area lies wholly below the window while it is closed: out of view,
            // not cut.
            if (!container.intersects(widget->geometry())) continue;
            if (!container.contains(widget->geometry()) || !contentFits(widget)) {
                cut.append(widget->objectName());
            }
        }
        return cut;
    }

    static bool contentFits(QWidget* widget) {
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QSize needed = label->sizeHint();
            return label->width() >= needed.width() && label->height() >= needed.height();
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
            option.lineWidth =
                box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
            const QRect contents =
                box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
            constexpr int kInnerMargins = 2 * 2;  // the line edit's own margin on either side
            return metrics.horizontalAdvance(box->text()) <= contents.width() - kInnerMargins;
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

    /// Pairs of controls of one container whose rectangles overlap, shown or not.
    std::set<Pair> overlaps() const {
        std::set<Pair> found;
        const auto rows = controlTable();
        for (auto a = rows.begin(); a != rows.end(); ++a) {
            for (auto b = std::next(a); b != rows.end(); ++b) {
                const QWidget* first = control(a->name);
                const QWidget* second = control(b->name);
                if (first->parentWidget() == second->parentWidget() &&
                    first->geometry().intersects(second->geometry())) {
                    found.insert(ordered(first->objectName(), second->objectName()));
                }
            }
        }
        return found;
    }

    /// The colour at the middle of a control in the window's picture, in device pixels.
    QColor colourAtMiddleOf(const QImage& picture, const QWidget* widget) const {
        const QPoint middle = widget->mapTo(window.get(), widget->rect().center());
        return picture.pixelColor(middle * picture.devicePixelRatio());
    }
};

TEST_F(HighDpi, TheWindowRunsAtTheRequestedRatio) {
    const double scale = requestedScale();
    EXPECT_DOUBLE_EQ(window->devicePixelRatio(), scale);
    const QPixmap picture = window->grab();
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), scale);
    EXPECT_EQ(picture.size(), window->size() * scale);
}

TEST_F(HighDpi, ControlsKeepTheirTwipGeometryInLogicalPixels) {
    for (const ControlRow& row : controlTable()) {
        const QWidget* widget = control(row.name);
        const QRect expected(pixels(row.left), pixels(row.top), pixels(row.width),
                             pixels(row.height));
        if (isLabel(row.look)) {
            EXPECT_EQ(widget->pos(), expected.topLeft()) << row.name;  // sized to the caption
        } else {
            EXPECT_EQ(widget->geometry(), expected) << row.name;
        }
    }
}

TEST_F(HighDpi, ResultBoxesArePaintedAtTheirScaledPlace) {
    const QColor lightGreen(192, 255, 192);
    const struct {
        const char* command;
        std::vector<int> boxes;
    } panels[] = {{"mnInterest", {3, 4}}, {"mnRecovery", {9, 10, 12}}, {"mnFindRate", {22, 23}}};
    for (const auto& panel : panels) {
        choose(panel.command);
        const QImage picture = window->grab().toImage();
        for (int box : panel.boxes) {
            EXPECT_EQ(colourAtMiddleOf(picture, text1(box)), lightGreen) << "Text1(" << box << ")";
            // Just left of the box lies the panel, not the box.
            const QPoint outside = text1(box)->mapTo(window.get(), QPoint(-3, 4));
            EXPECT_NE(picture.pixelColor(outside * picture.devicePixelRatio()), lightGreen)
                << "Text1(" << box << ")";
        }
    }
}

TEST_F(HighDpi, NoControlInViewIsCut) {
    forEachState(
        [this](const std::string& state) { EXPECT_EQ(cutControls(), QStringList()) << state; });
}

TEST_F(HighDpi, OnlyTheStackedControlsOverlap) {
    const std::set<Pair> stacked = {
        ordered("Frame1", "Frame2"),       ordered("Frame1", "Frame3"), ordered("Frame1", "Frame4"),
        ordered("Frame2", "Frame3"),       ordered("Frame2", "Frame4"), ordered("Frame3", "Frame4"),
        ordered("Text2", "Text3"),         ordered("Text2", "List1"),   ordered("Text3", "List1"),
        ordered("Image4(0)", "Image4(2)"),
    };
    forEachState([&](const std::string& state) {
        const std::set<Pair> found = overlaps();
        for (const Pair& pair : found) {
            EXPECT_TRUE(stacked.contains(pair)) << state << ": " << pair.first.toStdString()
                                                << " overlaps " << pair.second.toStdString();
        }
        EXPECT_EQ(found.size(), stacked.size()) << state;
    });
}

}  // namespace
}  // namespace brisanel::app::testing
