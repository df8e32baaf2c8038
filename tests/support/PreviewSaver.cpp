#include "PreviewSaver.h"

#include "reports/OutputOptionsDialog.h"
#include "reports/ReportPreviewDialog.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QRadioButton>

void PreviewSaver::operator()(QWidget *modal)
{
    if (auto *options = qobject_cast<OutputOptionsDialog *>(modal)) {
        options->previewButton()->setChecked(true);
        options->accept();
    } else if (auto *dialog = qobject_cast<ReportPreviewDialog *>(modal)) {
        if (preview.title.isEmpty())
            preview = {dialog->windowTitle(),
                       dialog->size(),
                       dialog->preview()->zoomMode() == QPrintPreviewWidget::CustomZoom,
                       dialog->preview()->zoomFactor(),
                       dialog->preview()->pageCount(),
                       dialog->printAction()->isEnabled()};
        if (answeredSaveDialog_) {
            dialog->closeAction()->trigger();
        } else if (!askedToSave_) {
            askedToSave_ = true;
            // Later, so that the save dialog opens after this answer has returned.
            QMetaObject::invokeMethod(dialog->saveAction(), &QAction::trigger,
                                      Qt::QueuedConnection);
        }
    } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
        saveDialog = {files->windowTitle(), files->nameFilters(),
                      files->acceptMode() == QFileDialog::AcceptSave};
        answeredSaveDialog_ = true;
        if (fileName_.isEmpty()) {
            files->reject();
        } else {
            files->selectFile(fileName_);
            static_cast<QDialog *>(files)->accept(); // through the dialog's own checks
        }
    } else {
        const auto *box = qobject_cast<QMessageBox *>(modal);
        others << modal->windowTitle() + QStringLiteral(": ") + (box ? box->text() : QString());
        modal->close();
    }
}
