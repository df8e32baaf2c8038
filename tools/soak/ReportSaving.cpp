#include "ReportSaving.h"

#include "ModalAnswers.h"
#include "SoakSteps.h"
#include "support/PreviewSaver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

void saveReport(ModalAnswers &answers, QPushButton *print, const QString &folder,
                const QString &report)
{
    const QString path = QDir(folder).filePath(QStringLiteral("report.pdf"));
    PreviewSaver saver(path);
    answers.whilePrinting(saver, [print] { print->click(); });
    require(saver.preview.title == QLatin1String("Report Preview"),
            QStringLiteral("the preview of %1 did not open").arg(report));
    require(saver.saveDialog.saving,
            QStringLiteral("the save dialog of %1 did not open").arg(report));
    require(saver.others.isEmpty(), QStringLiteral("printing %1 opened other windows: %2")
                                        .arg(report, saver.others.join(QStringLiteral("; "))));
    require(QFileInfo(path).size() > 0, QStringLiteral("%1 was not saved as PDF").arg(report));
    require(QFile::remove(path), QStringLiteral("could not remove the PDF of %1").arg(report));
}
