#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "app/dialogs/dialogs.h"
#include "app/dialogs/documents.h"

namespace brisanel::app::testing {

/// A message as the window showed it.
struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
};

/// Records every message and prompt, and answers from queues: the next queued answer, or OK /
/// Cancel for a question and an empty text for a prompt when the queue is empty.
class ScriptedDialogs final : public Dialogs {
public:
    // Export PDF saves as `savePath`, given the default suffix as the real dialog gives it;
    // Print prints into `printPath` as a PDF; empty: cancelled.
    QString saveFileName(const QString& title, const QString& suggested, const QString& filter,
                         const QString& defaultSuffix = {}) override {
        suggestions.push_back(title + " | " + suggested + " | " + defaultSuffix);
        return savePath.isEmpty() ? savePath : savedName(savePath, defaultSuffix, filter);
    }
    bool setUpPrinter(QPrinter& printer) override {
        printer.setOutputFileName(printPath);
        return !printPath.isEmpty();
    }
    // Open Plan opens `openPath`; empty: cancelled.
    QString openFileName(const QString& title, const QString& folder, const QString&) override {
        suggestions.push_back(title + " | " + folder);
        return openPath;
    }
    QString savePath, printPath, openPath;
    QStringList suggestions;  // "title | suggested path | default suffix" of each file dialog

    MessageAnswer message(const QString& text, const QString& title, MessageIcon icon,
                          MessageButtons buttons) override {
        messages.push_back({text, title, icon, buttons});
        if (whileShowing) whileShowing();
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        return next(answers, MessageAnswer::Cancel);
    }

    QString prompt(const QString& text, const QString& title) override {
        prompts.push_back(text + " | " + title);
        return next(typed, QString());
    }

    std::vector<ShownMessage> messages;
    QStringList prompts;                 // "text | title"
    std::deque<MessageAnswer> answers;   // for Yes/No/Cancel questions
    std::deque<QString> typed;           // for prompts
    std::function<void()> whileShowing;  // runs while each message is on screen

private:
    template <typename T>
    static T next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

}  // namespace brisanel::app::testing
