#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

// Reads back the PDF files that the report tests write, with the poppler tools.
namespace PdfFile
{

// The folder in the build tree where the report tests keep their PDF files for a person to
// look at; created when missing.
QString folder();
QString path(const QString &name);

// The page's text as pdftotext -layout lays it out.
QString text(const QString &fileName);
// One value of pdfinfo, such as "Title" or "Page size".
QString info(const QString &fileName, const QString &key);

// Each place of a phrase on the page, in reading order: the box its words take, in millimetres
// from the page's top-left corner.
QList<QRectF> phraseBoxes(const QString &fileName, const QString &phrase);
// The first of them; an empty box when the phrase is not on the page.
QRectF phraseBox(const QString &fileName, const QString &phrase);

// The first page rasterised by pdftoppm at the given resolution.
QImage page(const QString &fileName, int dotsPerInch);

} // namespace PdfFile
