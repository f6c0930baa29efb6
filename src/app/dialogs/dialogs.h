#pragma once

#include <QPrinter>
#include <QString>

class QWidget;

namespace brisanel::app {

enum class MessageIcon { Information, Exclamation, Critical };
enum class MessageButtons { Ok, OkCancel, YesNoCancel, SaveDiscardCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel, Save, Discard };

/// The modal message box, the one-line input prompt, the file and print dialogs, behind one seam so
/// that tests can script the user's answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    /// Shows a modal message and returns the button pressed.
    virtual MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                                  MessageButtons buttons) = 0;

    /// Asks for one line of text; returns an empty text when the user cancels.
    virtual QString prompt(const QString& text, const QString& title) = 0;

    /// Asks where to save a file, starting from the suggested path; returns an empty text when the
    /// user cancels. A name that ends in none of the filter's suffixes is given `defaultSuffix`
    /// (`savedName`); without a default suffix, a name typed without one takes the suggested
    /// path's.
    virtual QString saveFileName(const QString& title, const QString& suggested,
                                 const QString& filter, const QString& defaultSuffix = {}) = 0;

    /// Asks which existing file to open, starting in `folder`; returns an empty text when the user
    /// cancels.
    virtual QString openFileName(const QString& title, const QString& folder,
                                 const QString& filter) = 0;

    /// Lets the user choose and set up the printer; returns false when the user cancels.
    virtual bool setUpPrinter(QPrinter& printer) = 0;
};

/// The real dialogs: QMessageBox, QInputDialog, QFileDialog and QPrintDialog over the active
/// window, or over the owner when no window is active (as after another dialog has just closed).
/// A message keeps the lines it is given, unwrapped, as long as they fit the screen.
/// `name` ending in `.suffix`, as it is or with the suffix added; an empty suffix adds none.
QString withSuffix(const QString& name, const QString& suffix);

class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}

    void setOwner(QWidget* owner) { owner_ = owner; }

    MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                          MessageButtons buttons) override;
    QString saveFileName(const QString& title, const QString& suggested, const QString& filter,
                         const QString& defaultSuffix = {}) override;
    QString openFileName(const QString& title, const QString& folder,
                         const QString& filter) override;
    bool setUpPrinter(QPrinter& printer) override;
    QString prompt(const QString& text, const QString& title) override;

private:
    QWidget* parent() const;

    QWidget* owner_;
};

}  // namespace brisanel::app
