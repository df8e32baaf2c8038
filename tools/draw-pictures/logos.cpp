// USB badges and the Zorvane logo.
#include "pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace
{

QPainter::RenderHints crisp()
{
    return QPainter::Antialiasing | QPainter::TextAntialiasing;
}

// The USB trident lying on its side: base disc at the left, arrow at the
// right, one branch ending in a disc and the other in a square.
void drawTrident(QPainter &p, const QRectF &box, const QColor &ink)
{
    const qreal w = box.width();
    const qreal h = box.height();
    const qreal cy = box.center().y();
    const auto at = [&](qreal fx, qreal fy) { return QPointF(box.left() + w * fx, cy + h * fy); };

    p.setPen(QPen(ink, h * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(at(0.1, 0), at(0.8, 0));
    p.drawPolyline(QPolygonF({at(0.26, 0), at(0.42, -0.34), at(0.62, -0.34)}));
    p.drawPolyline(QPolygonF({at(0.40, 0), at(0.56, 0.34), at(0.72, 0.34)}));

    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(at(0.1, 0), h * 0.17, h * 0.17);
    p.drawEllipse(at(0.64, -0.34), h * 0.11, h * 0.11);
    const qreal side = h * 0.22;
    p.drawRect(QRectF(at(0.72, 0.34) - QPointF(side / 2, side / 2), QSizeF(side, side)));
    p.drawPolygon(QPolygonF({at(0.76, -0.17), at(1, 0), at(0.76, 0.17)}));
}

struct UsbLook {
    QColor top, bottom, border, ink, text;
};

const UsbLook kUsbLooks[] = {
    // no tester: muted grey
    {QColor(0xF3, 0xF3, 0xF3), QColor(0xE1, 0xE1, 0xE1), QColor(0xB8, 0xB8, 0xB8),
     QColor(0xAC, 0xAC, 0xAC), QColor(0xA4, 0xA4, 0xA4)},
    // tester connected
    {QColor(0xFF, 0xFF, 0xFF), QColor(0xE2, 0xEE, 0xFF), QColor(0x2A, 0x78, 0xD8),
     QColor(0x0E, 0x6B, 0xE0), QColor(0x0B, 0x4E, 0xA8)},
};

QFont logoFont(qreal pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(QFont::Black);
    font.setItalic(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 96);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The mark: an orange tile holding a white pressure gauge.
void drawZorvaneMark(QPainter &p, const QRectF &tile)
{
    const qreal s = tile.width();
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, kZorvaneOrange.lighter(112));
    fill.setColorAt(1, kZorvaneOrange.darker(112));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(tile, s * 0.24, s * 0.24);

    const QPointF c = tile.center() + QPointF(0, s * 0.05);
    const qreal r = s * 0.30;
    p.setPen(QPen(Qt::white, s * 0.095, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 225 * 16, -270 * 16);
    p.setPen(QPen(Qt::white, s * 0.075, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(r * 0.62, -r * 0.62));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(c, s * 0.075, s * 0.075);
}

} // namespace

void drawZorvaneLogo(QPainter &p, const QRectF &box)
{
    // drawn with a tile 100 high, then scaled into the box
    constexpr qreal tile = 100;
    QFont font = logoFont(tile);
    font.setPixelSize(qRound(tile * 0.8 * tile / QFontMetricsF(font).capHeight()));
    QPainterPath word;
    word.addText(QPointF(tile * 1.22, tile * 0.9), font, QStringLiteral("Zorvane"));
    const qreal width = word.boundingRect().right();
    const qreal scale = qMin(box.height() / tile, box.width() / width);

    p.save();
    p.translate(box.left(), box.center().y() - tile * scale / 2);
    p.scale(scale, scale);
    drawZorvaneMark(p, QRectF(0, 0, tile, tile));
    p.setPen(Qt::NoPen);
    p.setBrush(kZorvaneOrange);
    p.drawPath(word);
    p.restore();
}

QImage drawUsbLogo(bool connected)
{
    const UsbLook &look = kUsbLooks[connected ? 1 : 0];
    QImage image(100, 34, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(crisp());

    const QRectF badge(1, 1, 98, 32);
    QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    p.setPen(QPen(look.border, 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(badge, 9, 9);

    // trident and word, centred as one on the badge
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);
    font.setWeight(QFont::Bold);
    const QFontMetricsF fm(font);
    const QString text = QStringLiteral("USB");
    const QRectF ink = fm.tightBoundingRect(text);
    const QSizeF trident(40, 20);
    constexpr qreal gap = 7;
    const QPointF centre = badge.center();
    const qreal left = centre.x() - (trident.width() + gap + ink.width()) / 2;
    drawTrident(p, QRectF(QPointF(left, centre.y() - trident.height() / 2), trident), look.ink);
    p.setFont(font);
    p.setPen(look.text);
    p.drawText(QPointF(left + trident.width() + gap - ink.left(), centre.y() + fm.capHeight() / 2),
               text);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage drawReportLogo()
{
    QImage image(500, 82, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHints(crisp());
    drawZorvaneLogo(p, QRectF(6, 4, 488, 74));
    p.end();
    return image;
}

QImage drawProgramIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Drawn on a 64 x 64 grid.
    p.scale(size / 64.0, size / 64.0);

    // The switched-on tester, shrunk to the icon's width.
    const QImage tester = drawTester(Brand::Vornax, true);
    const QRectF body(0, 32 - 64.0 * tester.height() / tester.width() / 2, 64,
                      64.0 * tester.height() / tester.width());
    p.drawImage(body, tester);

    // A dial on its display, so the icon reads as a pressure gauge.
    const qreal scale = body.width() / tester.width();
    const QRectF display(body.left() + 96 * scale, body.top() + 101 * scale, 489 * scale,
                         265 * scale);
    const QPointF centre(display.center().x(), display.bottom() - display.height() * 0.18);
    const qreal radius = display.height() * 0.62;
    p.setPen(QPen(QColor(0x11, 0x6F, 0xCC), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 20 * 16,
              140 * 16);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, QPointF(centre.x() + radius * 0.55, centre.y() - radius * 0.7));
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawEllipse(centre, 1.6, 1.6);
    return icon;
}
