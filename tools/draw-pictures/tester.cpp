// Front view of the hand-held tester: moulded housing, display, lights and key.
#include "pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <initializer_list>

namespace
{

constexpr QSize kSize(700, 487);
// The program lays its measurement screens exactly over this rectangle.
constexpr QRect kGlass(96, 101, 489, 265);
constexpr qreal kBezel = 12; // black frame round the glass

constexpr QRectF kBumper(8, 5, 684, 474);
constexpr qreal kBumperRadius = 58;
constexpr QRectF kFace(24, 21, 652, 442);
constexpr qreal kFaceRadius = 44;

// Lights and key at the right of the display.
constexpr QPointF kPowerLed(626, 146);
constexpr QPointF kBatteryLed(626, 190);
constexpr QPointF kPowerKey(637, 290);
constexpr qreal kLedRadius = 6.5;
constexpr qreal kKeyRadius = 27;
constexpr qreal kIconX = 654;

constexpr QPointF kScrews[] = {{54, 50}, {646, 50}, {54, 434}, {646, 434}};

// Print on the housing: a line above the display, the caption below it.
constexpr qreal kTopY = 58;
constexpr qreal kCaptionY = 420;
constexpr qreal kCentreX = kGlass.left() + kGlass.width() / 2.0;

const QColor kPowerBlue(0x2E, 0x8F, 0xFF); // also the ink of the Vornax model number
const QColor kBatteryGreen(0x3E, 0xD2, 0x4C);
const QColor kPrint(0xC3, 0xC8, 0xCF); // silk-screen print on the housing

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QPainterPath roundedRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QLinearGradient vertical(const QRectF &r, std::initializer_list<QGradientStop> stops)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setStops(QGradientStops(stops));
    return g;
}

void drawShadow(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 12));
    for (int i = 6; i >= 1; --i)
        p.drawPath(roundedRect(kBumper.adjusted(-i, 2 - i, i, 2 + i), kBumperRadius + i));
}

void drawHousing(QPainter &p)
{
    // rubber bumper round the moulded shell
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(kBumper, {{0, QColor(0x4C, 0x50, 0x57)},
                                  {0.5, QColor(0x33, 0x36, 0x3B)},
                                  {1, QColor(0x1B, 0x1D, 0x20)}}));
    p.drawPath(roundedRect(kBumper, kBumperRadius));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(vertical(kBumper, {{0, QColor(255, 255, 255, 110)},
                                     {0.35, QColor(255, 255, 255, 0)},
                                     {1, QColor(0, 0, 0, 140)}}),
                  2));
    p.drawPath(roundedRect(kBumper.adjusted(1, 1, -1, -1), kBumperRadius - 1));

    // grip grooves moulded into both flanks
    for (int i = 0; i < 7; ++i) {
        const qreal y = 196 + i * 16;
        for (const qreal x : {kBumper.left() + 3, kFace.right() + 3}) {
            p.setPen(QPen(QColor(255, 255, 255, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, y + 1.6), QPointF(x + 10, y + 1.6));
            p.setPen(QPen(QColor(0, 0, 0, 150), 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, y), QPointF(x + 10, y));
        }
    }

    // front plate, set slightly into the bumper
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(kFace, {{0, QColor(0x36, 0x39, 0x3F)},
                                {0.45, QColor(0x29, 0x2C, 0x31)},
                                {1, QColor(0x1F, 0x21, 0x25)}}));
    p.drawPath(roundedRect(kFace, kFaceRadius));
    p.setBrush(vertical(kFace, {{0, QColor(255, 255, 255, 16)}, {0.3, QColor(255, 255, 255, 0)}}));
    p.drawPath(roundedRect(kFace, kFaceRadius));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(vertical(kFace, {{0, QColor(0, 0, 0, 170)},
                                   {0.5, QColor(0, 0, 0, 60)},
                                   {1, QColor(255, 255, 255, 55)}}),
                  2));
    p.drawPath(roundedRect(kFace, kFaceRadius));
}

void drawScrew(QPainter &p, const QPointF &c)
{
    constexpr qreal r = 5.5;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawEllipse(c + QPointF(0, 0.8), r + 1.6, r + 1.6);
    p.setBrush(QColor(0x0E, 0x0F, 0x11));
    p.drawEllipse(c, r + 1.4, r + 1.4);
    QRadialGradient head(c - QPointF(r * 0.4, r * 0.5), r * 1.8);
    head.setColorAt(0, QColor(0x9A, 0x9F, 0xA6));
    head.setColorAt(1, QColor(0x36, 0x39, 0x3E));
    p.setBrush(head);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(0x14, 0x15, 0x17), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-r * 0.55, 0), c + QPointF(r * 0.55, 0));
    p.drawLine(c + QPointF(0, -r * 0.55), c + QPointF(0, r * 0.55));
}

void drawDisplay(QPainter &p, bool on)
{
    const QRectF glass(kGlass);
    const QRectF bezel = glass.adjusted(-kBezel, -kBezel, kBezel, kBezel);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 34));
    p.drawPath(roundedRect(bezel.adjusted(-1, -1, 1, 1.6), 11));
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPath(roundedRect(bezel.adjusted(-1, -1.6, 1, 0), 11));
    p.setBrush(vertical(bezel, {{0, QColor(0x1A, 0x1C, 0x1F)}, {1, QColor(0x0E, 0x0F, 0x11)}}));
    p.drawPath(roundedRect(bezel, 10));
    p.fillRect(glass.adjusted(-2, -2, 2, 2), QColor(0x03, 0x04, 0x05));

    if (on) {
        p.fillRect(kGlass, Qt::white);
        return;
    }
    // switched-off glass with a faint reflection of the workshop light
    p.fillRect(kGlass,
               vertical(glass, {{0, QColor(0x15, 0x18, 0x1C)}, {1, QColor(0x07, 0x08, 0x0A)}}));
    QPainterPath sheen;
    sheen.moveTo(glass.topLeft());
    sheen.lineTo(glass.left() + glass.width() * 0.58, glass.top());
    sheen.lineTo(glass.left() + glass.width() * 0.30, glass.bottom());
    sheen.lineTo(glass.bottomLeft());
    sheen.closeSubpath();
    QLinearGradient light(glass.topLeft(), glass.bottomLeft() + QPointF(glass.width() * 0.3, 0));
    light.setColorAt(0, QColor(255, 255, 255, 24));
    light.setColorAt(1, QColor(255, 255, 255, 3));
    p.fillPath(sheen, light);
}

void drawLed(QPainter &p, const QPointF &c, const QColor &colour, bool lit)
{
    constexpr qreal r = kLedRadius;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 32));
    p.drawEllipse(c + QPointF(0, 0.8), r + 3, r + 3);
    p.setBrush(QColor(0x0B, 0x0C, 0x0E));
    p.drawEllipse(c, r + 2.8, r + 2.8);
    if (lit) {
        constexpr qreal reach = r * 5;
        QRadialGradient glow(c, reach);
        glow.setColorAt(0, withAlpha(colour, 230));
        glow.setColorAt(0.3, withAlpha(colour, 95));
        glow.setColorAt(0.6, withAlpha(colour, 28));
        glow.setColorAt(1, withAlpha(colour, 0));
        p.setBrush(glow);
        p.drawEllipse(c, reach, reach);
    }
    const QColor dark(0x12, 0x14, 0x16);
    QRadialGradient dome(c - QPointF(r * 0.3, r * 0.35), r * 1.5);
    dome.setColorAt(0, lit ? mix(colour, Qt::white, 0.8) : mix(dark, colour, 0.24));
    dome.setColorAt(0.5, lit ? colour.lighter(115) : mix(dark, colour, 0.12));
    dome.setColorAt(1, lit ? colour.darker(170) : dark);
    p.setBrush(dome);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(255, 255, 255, lit ? 210 : 80));
    p.drawEllipse(c + QPointF(-r * 0.28, -r * 0.42), r * 0.34, r * 0.22);
}

void drawPowerSymbol(QPainter &p, const QPointF &c, qreal r, qreal width)
{
    p.setPen(QPen(kPrint, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 125 * 16, 290 * 16);
    p.drawLine(c - QPointF(0, r * 1.15), c - QPointF(0, r * 0.2));
}

void drawBatterySymbol(QPainter &p, const QPointF &c)
{
    const QRectF body(c.x() - 9, c.y() - 5, 17, 10);
    p.setPen(QPen(kPrint, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kPrint);
    p.drawRect(QRectF(body.right() + 0.8, c.y() - 2.5, 2, 5));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(body.left() + 2.2 + i * 4.4, body.top() + 2.2, 3.2, body.height() - 4.4));
}

void drawPowerKey(QPainter &p)
{
    const QPointF c = kPowerKey;
    constexpr qreal r = kKeyRadius;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawEllipse(c + QPointF(0, 1.2), r + 5, r + 5);
    p.setBrush(QColor(0x0D, 0x0E, 0x10));
    p.drawEllipse(c, r + 5, r + 5);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawEllipse(c + QPointF(0, 2), r + 0.5, r + 0.5);

    const QRectF key(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setBrush(vertical(key, {{0, QColor(0x63, 0x68, 0x70)}, {1, QColor(0x22, 0x24, 0x28)}}));
    p.drawEllipse(key);
    QRadialGradient cap(c - QPointF(r * 0.3, r * 0.45), r * 1.5);
    cap.setColorAt(0, QColor(0x4E, 0x52, 0x59));
    cap.setColorAt(0.6, QColor(0x2E, 0x31, 0x36));
    cap.setColorAt(1, QColor(0x1D, 0x1F, 0x22));
    p.setBrush(cap);
    p.drawEllipse(c, r - 3, r - 3);
    drawPowerSymbol(p, c, 10, 3);
}

void drawControls(QPainter &p, bool on)
{
    drawLed(p, kPowerLed, kPowerBlue, on);
    drawLed(p, kBatteryLed, kBatteryGreen, on);
    drawPowerSymbol(p, QPointF(kIconX, kPowerLed.y() + 0.5), 5.5, 1.6);
    drawBatterySymbol(p, QPointF(kIconX, kBatteryLed.y()));
    drawPowerKey(p);
}

QFont printFont(qreal pixelSize, QFont::Weight weight, qreal spacing)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Silk-screen print: light ink with a hair of shadow under it. The text's
// capitals are centred on y; x is its left, centre or right per align.
// Returns the span the text covers.
QRectF drawPrint(QPainter &p, const QString &text, const QFont &font, qreal x, qreal y,
                 Qt::Alignment align, const QColor &ink = kPrint)
{
    const QFontMetricsF fm(font);
    const qreal width = fm.horizontalAdvance(text) - font.letterSpacing();
    if (align & Qt::AlignHCenter)
        x -= width / 2;
    else if (align & Qt::AlignRight)
        x -= width;
    const QPointF at(x, y + fm.capHeight() / 2);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(at + QPointF(0, 1), text);
    p.setPen(ink);
    p.drawText(at, text);
    return QRectF(x, y - fm.capHeight() / 2, width, fm.capHeight());
}

void drawBranding(QPainter &p, Brand brand)
{
    switch (brand) {
    case Brand::Vornax: {
        const QRectF name = drawPrint(p, QStringLiteral("VORNAX"), printFont(17, QFont::Bold, 3),
                                      kGlass.left(), kTopY, Qt::AlignLeft);
        drawPrint(p, QStringLiteral("12"), printFont(17, QFont::Bold, 1), name.right() + 6, kTopY,
                  Qt::AlignLeft, kPowerBlue);
        drawPrint(p, QStringLiteral("MULTIFUNCTION TESTER"), printFont(21, QFont::Bold, 5),
                  kCentreX, kCaptionY, Qt::AlignHCenter);
        break;
    }
    case Brand::Zorvane: {
        drawZorvaneLogo(p, QRectF(kGlass.left(), kTopY - 17, 300, 34));
        const QRectF kind =
            drawPrint(p, QStringLiteral("Multifunction tester"), printFont(16, QFont::Normal, 0.6),
                      kGlass.right() + 1, kTopY, Qt::AlignRight);
        drawPrint(p, QStringLiteral("PT-37"), printFont(16, QFont::Bold, 0.6), kind.left() - 6,
                  kTopY, Qt::AlignRight);
        drawPrint(p, QStringLiteral("PRESSURE \u00B7 VACUUM \u00B7 LEAK TEST"),
                  printFont(19, QFont::Bold, 4), kCentreX, kCaptionY, Qt::AlignHCenter);
        break;
    }
    }
}

} // namespace

QImage drawTester(Brand brand, bool on)
{
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawShadow(p);
    drawHousing(p);
    for (const QPointF &screw : kScrews)
        drawScrew(p, screw);
    drawDisplay(p, on);
    drawControls(p, on);
    drawBranding(p, brand);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
