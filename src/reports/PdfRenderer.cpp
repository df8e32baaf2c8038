#include "PdfRenderer.h"

#include "ReportRenderer.h"

#include <QPainter>
#include <QPdfWriter>

QString PdfRenderer::fileFilter() const
{
    return QStringLiteral("%1 (%2)").arg(displayName(), fileExtension());
}

bool PdfRenderer::render(const ReportRenderer &report, const QString &title,
                         const QString &fileName) const
{
    QPdfWriter writer(fileName);
    writer.setTitle(title);
    writer.setPageLayout(ReportRenderer::pageLayout());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    report.render(painter);
    return painter.end();
}
