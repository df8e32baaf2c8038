#include "ReportRenderer.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>

#include <algorithm>

namespace
{

constexpr qreal kMillimetresPerInch = 25.4;
// Line widths count pixels of a 96 dots-per-inch screen.
constexpr qreal kLinePixelsPerInch = 96;

// Draws each kind of element, converting millimetres to the device's dots.
class ElementPainter
{
public:
    ElementPainter(QPainter &painter, const ReportTemplate &layout, const ReportContent &content)
        : painter_(painter), layout_(layout), content_(content),
          dotsPerMmX_(painter.device()->logicalDpiX() / kMillimetresPerInch),
          dotsPerMmY_(painter.device()->logicalDpiY() / kMillimetresPerInch)
    {
    }

    void operator()(const ReportRectangle &rectangle) const
    {
        if (rectangle.borderWidth > 0)
            painter_.setPen(pen(rectangle.borderWidth, Qt::SquareCap));
        else
            painter_.setPen(Qt::NoPen);
        painter_.setBrush(rectangle.fill);
        painter_.drawRect(rect(rectangle.geometry));
    }

    void operator()(const ReportLine &line) const
    {
        painter_.setPen(pen(line.width, Qt::FlatCap));
        painter_.drawLine(point(line.from), point(line.to));
    }

    void operator()(const ReportText &text) const
    {
        const QString shown =
            text.parameter.isEmpty() ? text.text : content_.parameter(text.parameter);
        if (shown.isEmpty())
            return;
        QFont font = layout_.font();
        font.setPointSizeF(text.pointSize);
        const QFontMetricsF metrics(font, painter_.device());
        const QRectF box(point(text.topLeft), QSizeF(text.width * dotsPerMmX_, metrics.height()));
        if (const qreal advance = metrics.horizontalAdvance(shown); advance > box.width())
            font.setPointSizeF(text.pointSize * box.width() / advance);
        painter_.setFont(font);
        painter_.setPen(layout_.textColor());
        painter_.drawText(box, int(text.alignment | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
    }

    void operator()(const ReportPicture &element) const
    {
        const QPicture picture = content_.picture(element.connection, element.column);
        const QRectF source = picture.boundingRect();
        if (picture.isNull() || source.isEmpty())
            return;
        const QRectF frame = rect(element.geometry);
        const qreal fit =
            std::min(frame.width() / source.width(), frame.height() / source.height());
        const QSizeF size = source.size() * fit;
        painter_.save();
        painter_.setClipRect(frame);
        painter_.translate(frame.center() - QPointF(size.width(), size.height()) / 2);
        // A picture plays back at its true size, one of its pixels being one dot of its own
        // resolution; take that enlargement out again.
        painter_.scale(fit * picture.logicalDpiX() / painter_.device()->logicalDpiX(),
                       fit * picture.logicalDpiY() / painter_.device()->logicalDpiY());
        painter_.drawPicture(-source.topLeft(), picture);
        painter_.restore();
    }

    void operator()(const ReportMirror &mirror) const
    {
        if (content_.parameter(mirror.parameter) == mirror.value)
            painter_.drawImage(rect(mirror.geometry), mirror.picture);
    }

private:
    QPointF point(const QPointF &millimetres) const
    {
        return QPointF(millimetres.x() * dotsPerMmX_, millimetres.y() * dotsPerMmY_);
    }

    QRectF rect(const QRectF &millimetres) const
    {
        return QRectF(point(millimetres.topLeft()), point(millimetres.bottomRight()));
    }

    QPen pen(int pixels, Qt::PenCapStyle cap) const
    {
        const qreal dots = pixels * kMillimetresPerInch / kLinePixelsPerInch * dotsPerMmX_;
        return QPen(Qt::black, dots, Qt::SolidLine, cap, Qt::MiterJoin);
    }

    QPainter &painter_;
    const ReportTemplate &layout_;
    const ReportContent &content_;
    const qreal dotsPerMmX_;
    const qreal dotsPerMmY_;
};

} // namespace

ReportRenderer::ReportRenderer(ReportTemplate layout, ReportContent content)
    : layout_(std::move(layout)), content_(std::move(content))
{
}

QPageLayout ReportRenderer::pageLayout()
{
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
    // The whole sheet, whatever margins the printer needs: the page has its own.
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

void ReportRenderer::render(QPainter &painter) const
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    const ElementPainter elementPainter(painter, layout_, content_);
    for (const ReportElement &element : layout_.elements())
        std::visit(elementPainter, element);
    painter.restore();
}
