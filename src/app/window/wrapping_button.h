#pragma once

#include <QPushButton>

namespace brisanel::app {

/// A push button whose caption wraps onto further lines when it is wider than the button, as the
/// tall buttons of the "Interests" panel need. Return and Enter click it, as Space does.
class WrappingButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace brisanel::app
