#include "app/window/window_style.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QStyleOptionMenuItem>

namespace brisanel::app {
namespace {

// How far the caption stands in from the frame's left edge, and the gap in the line either side.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionGap = 2;

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QApplication::style()->name()) {}

int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    switch (hint) {
        case SH_MenuBar_AltKeyNavigation:
            return 1;
        case SH_GroupBox_TextLabelVerticalAlignment:
            return Qt::AlignVCenter;
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl subControl, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box || box->text.isEmpty() ||
        (subControl != SC_GroupBoxLabel && subControl != SC_GroupBoxFrame)) {
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
    const QSize caption = box->fontMetrics.boundingRect(box->text).size() + QSize(2, 2);
    const QRect label(kCaptionIndent, 0, caption.width(), caption.height());
    if (subControl == SC_GroupBoxLabel) return visualRect(box->direction, box->rect, label);
    return box->rect.adjusted(0, label.center().y(), 0, 0);
}

void WindowStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const State current = State_Selected | State_Enabled;
    if (element != CE_MenuBarItem || !item || (item->state & (current | State_Sunken)) != current) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The menu bar marks the command under the keyboard or the pointer as selected, and as sunken
    // too while its menu is open; many styles draw only the sunken one. Here the base style draws
    // the command as a plain one in the highlight's colours, so that its caption keeps its place.
    QStyleOptionMenuItem highlighted = *item;
    highlighted.state &= ~State_Selected;
    const QBrush highlight = item->palette.highlight();
    const QBrush highlightedText = item->palette.highlightedText();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) {
        highlighted.palette.setBrush(role, highlight);
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        highlighted.palette.setBrush(role, highlightedText);
    }
    painter->fillRect(item->rect, highlight);
    QProxyStyle::drawControl(element, &highlighted, painter, widget);
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // A classic etched frame in its own rectangle, broken behind the caption; then the caption
    // over the frame's own background. The base style's frame is not used, as it may place
    // itself below the caption whatever the rectangle.
    if (box->subControls & SC_GroupBoxFrame) {
        painter->save();
        if (!box->text.isEmpty()) {
            const QRect label = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
            painter->setClipRegion(
                QRegion(box->rect) - label.adjusted(-kCaptionGap, 0, kCaptionGap, 0),
                Qt::IntersectClip);
        }
        qDrawShadeRect(painter, subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget),
                       box->palette, true, 1, 0);
        painter->restore();
    }
    QStyleOptionGroupBox rest = *box;
    rest.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &rest, painter, widget);
}

}  // namespace brisanel::app
