#pragma once

class ModalAnswers;
class QPushButton;
class QString;

// Presses a Print button and saves the report as a person does: the preview in the output
// options, "Save as..." in the preview, a file name in the folder in the save dialog, then
// "Close". Fails unless the preview and the save dialog came and the PDF file is not empty;
// removes the file.
void saveReport(ModalAnswers &answers, QPushButton *print, const QString &folder,
                const QString &report);
