#include "ReportProject.h"

#include "ChartConnection.h"
#include "ReportRenderer.h"
#include "ReportSystem.h"
#include "app/ApplicationError.h"

#include <QWidget>

void ReportProject::setParameter(const QString &name, const QString &text)
{
    parameters_.insert(name, text);
}

QString ReportProject::parameter(const QString &name) const
{
    return parameters_.value(name);
}

void ReportProject::open()
{
    if (!template_.load(ReportTemplate::resourceFile(templateName_)))
        showApplicationError(qobject_cast<QWidget *>(parent()), template_.errorString());
}

void ReportProject::execute()
{
    if (!isOpen() || engine_ == nullptr)
        return;
    const ReportContent content{
        [this](const QString &name) { return parameter(name); },
        [this](const QString &connection, const QString &column) {
            const auto *owner = parent();
            auto *found = owner ? owner->findChild<ChartConnection *>(connection) : nullptr;
            return found ? found->picture(column) : QPicture();
        }};
    engine_->execute(ReportRenderer(template_, content));
}

void ReportProject::close()
{
    template_ = ReportTemplate();
}
