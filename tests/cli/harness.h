#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>

#include "app/frm_interest.h"
#include "app/scripted_dialogs.h"

namespace brisanel::cli::testing {

/// What one run of brisanel-calc left behind.
struct CalcRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QString errText() const { return QString::fromUtf8(err).trimmed(); }
};

inline CalcRun runCalc(const QStringList& arguments, const QString& workingDirectory = {}) {
    QProcess process;
    if (!workingDirectory.isEmpty()) process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(BRISANEL_CALC), arguments);
    // A bound only so that a hung program fails its test instead of the whole run.
    EXPECT_TRUE(process.waitForFinished(120000)) << arguments.join(' ').toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

/// A fresh calculator window with scripted dialogs; controls are found by their object names.
struct Window {
    template <typename T = QLineEdit>
    T* find(const QString& name) const {
        T* found = handlers.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
        return found;
    }
    QLineEdit* text1(int index) const { return find(QStringLiteral("Text1(%1)").arg(index)); }
    QString box(int index) const { return text1(index)->text(); }
    /// Types `values` into the boxes numbered `boxes`, in order.
    void fill(const QList<int>& boxes, const QStringList& values) const {
        for (qsizetype i = 0; i < boxes.size(); ++i) text1(boxes[i])->setText(values[i]);
    }
    void click(const QString& button) const { find<QPushButton>(button)->click(); }
    QStringList listLines() const {
        auto* list = find<QListWidget>(QStringLiteral("List1"));
        QStringList lines;
        for (int row = 0; row < list->count(); ++row) lines.append(list->item(row)->text());
        return lines;
    }

    app::testing::ScriptedDialogs dialogs;
    app::frmInterest handlers{dialogs};
};

}  // namespace brisanel::cli::testing
