#pragma once

#include <QProxyStyle>

namespace brisanel::app {

/// The application's style with two changes for the widgets that are given it:
/// - a group frame's caption sits on the frame's top line, the line broken behind it, so that
///   the line runs at half the caption's height and the frame's controls stay below it;
/// - the menu bar takes the keyboard on a lone Alt press: its first command is highlighted, the
///   arrow keys move, Return runs the command and Escape leaves;
/// - the menu command that the keyboard or the pointer is on is drawn highlighted, as a menu's
///   item is: the highlight colour behind it, its caption in the highlighted-text colour.
class WindowStyle final : public QProxyStyle {
public:
    WindowStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

}  // namespace brisanel::app
