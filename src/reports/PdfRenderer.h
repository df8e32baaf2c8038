#pragma once

#include <QObject>

class ReportRenderer;

// The PDF format of the reports: a report shown in the preview can be saved as a PDF file.
// The document's creator and producer are left as Qt writes them.
class PdfRenderer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    QString displayName() const { return QStringLiteral("Adobe Acrobat (PDF)"); }
    QString fileExtension() const { return QStringLiteral("*.pdf"); }
    // The filter of a file dialog: "Adobe Acrobat (PDF) (*.pdf)".
    QString fileFilter() const;

    // Writes the page into a PDF file under the given document title; false when the file
    // cannot be written.
    bool render(const ReportRenderer &report, const QString &title, const QString &fileName) const;
};
