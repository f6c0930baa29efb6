#include "plan/plan_file.h"

#include <QFile>
#include <utility>

#include "export/list_file.h"

namespace brisanel::plan {

std::variant<QByteArray, std::string> fileContents(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return fileName.toStdString() + ": " + file.errorString().toStdString();
    }
    return file.readAll();
}

std::string fileRefusal(const QString& fileName, const PlanFileError& error) {
    return fileName.toStdString() + ": " + error.place + ": " + error.problem;
}

std::variant<PlanInputs, std::string> readPlanFile(const QString& fileName) {
    auto contents = fileContents(fileName);
    if (auto* message = std::get_if<std::string>(&contents)) return *message;
    auto parsed = parsePlanFile(std::get<QByteArray>(contents));
    if (auto* error = std::get_if<PlanFileError>(&parsed)) return fileRefusal(fileName, *error);
    return std::get<PlanInputs>(std::move(parsed));
}

std::optional<QString> writePlanFile(const QString& fileName, const PlanInputs& inputs) {
    return saving::writeListFile(fileName, planFileContents(inputs));
}

}  // namespace brisanel::plan
