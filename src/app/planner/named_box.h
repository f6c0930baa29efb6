#pragma once

#include <QLineEdit>
#include <QString>

namespace brisanel::app::planner {

/// A text box of the planner's form, found by its name and read out by its accessible name.
inline QLineEdit* namedBox(const char* name, const QString& accessibleName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(accessibleName);
    return edit;
}

}  // namespace brisanel::app::planner
