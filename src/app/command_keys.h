#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace brisanel::app {

/// Gives a window's commands their keys from every focus in it. A text box asks for some keys
/// with Ctrl for itself before the window's shortcuts see them (Ctrl+E, Ctrl+K and Ctrl+U in the
/// X11 key scheme); a key with Ctrl, Alt or Meta that an enabled action or shortcut of the window
/// is bound to goes to the command instead. Keys without those stay with a widget that asks for
/// them: Escape first leaves a cell being edited, Delete deletes a character.
///
/// Made as a child of the window, it watches the application's events while the window lives.
class CommandKeys final : public QObject {
public:
    explicit CommandKeys(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isCommand(const QKeyEvent& key) const;

    QWidget* window_;
};

}  // namespace brisanel::app
