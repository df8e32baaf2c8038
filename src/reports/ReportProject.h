#pragma once

#include "ReportTemplate.h"

#include <QHash>
#include <QObject>
#include <QString>

class ReportSystem;

// One test report: it holds the report's named text parameters, each from the moment it is set
// until it is set again, also across opening, running and closing the report.
//
// Its template names the chart connections by name; they are found among the objects of the
// project's owner, the main window.
class ReportProject : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void setParameter(const QString &name, const QString &text);
    // The text last set under this name; empty when it was never set.
    QString parameter(const QString &name) const;

    // The template stored in the program that the project runs, and the engine it runs it on.
    void setTemplateName(const QString &name) { templateName_ = name; }
    void setEngine(ReportSystem *engine) { engine_ = engine; }

    // Loads the template; a template that cannot be loaded is reported as an error.
    void open();
    bool isOpen() const { return !template_.isEmpty(); }
    // Runs the open report on the engine; returns when the user has finished with it.
    void execute();
    // Unloads the template.
    void close();

private:
    QHash<QString, QString> parameters_;
    QString templateName_;
    ReportSystem *engine_ = nullptr;
    ReportTemplate template_;
};
