#include "Dial.h"

#include "DialHand.h"
#include "PeakHand.h"
#include "app/NumberFormat.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace
{

constexpr double kSweep = 270.0;
constexpr double kLowerLeft = 225.0;
constexpr double kLowerRight = -45.0;

const QColor kHandRed(0xD0, 0x1C, 0x1C);
const QColor kMarkerOrange(0xF0, 0x8A, 0x00);

QPointF polar(QPointF centre, double radius, double degrees)
{
    const double angle = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
}

// The text of a tick value with the decimals it needs (0,5 but 1).
QString tickText(double value)
{
    for (int decimals = 0; decimals < 3; ++decimals) {
        const double scaled = value * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) < 1e-6)
            return NumberFormat::format(QStringLiteral("%.%1f").arg(decimals), {value});
    }
    return NumberFormat::format(QStringLiteral("%.3f"), {value});
}

// A needle pointing along +x from the centre: a short tail behind it, tapering to the tip.
QPainterPath needle(double length, double tail, double baseWidth, double tipWidth)
{
    QPainterPath path;
    path.moveTo(-tail, -baseWidth * 0.35);
    path.lineTo(0, -baseWidth / 2);
    path.lineTo(length, -tipWidth / 2);
    path.lineTo(length, tipWidth / 2);
    path.lineTo(0, baseWidth / 2);
    path.lineTo(-tail, baseWidth * 0.35);
    path.closeSubpath();
    return path;
}

} // namespace

Dial::Dial(QWidget *parent) : QWidget(parent) {}

void Dial::setScale(double minimum, double maximum, int majorTicks, bool reversed)
{
    minimum_ = minimum;
    maximum_ = maximum;
    majorTicks_ = std::max(majorTicks, 2);
    reversed_ = reversed;
    changeFace();
}

void Dial::setZones(ColourZones zones)
{
    zones_ = QVector<ColourZone>(zones.begin(), zones.end());
    changeFace();
}

void Dial::setCaption(const QString &caption)
{
    caption_ = caption;
    changeFace();
}

QStringList Dial::tickLabels() const
{
    QStringList labels;
    for (int i = 0; i < majorTicks_; ++i)
        labels << tickText(minimum_ + (maximum_ - minimum_) * i / (majorTicks_ - 1));
    return labels;
}

double Dial::angleOf(double value) const
{
    const double span = maximum_ - minimum_;
    const double fraction = span == 0 ? 0 : std::clamp((value - minimum_) / span, 0.0, 1.0);
    return reversed_ ? kLowerRight + kSweep * fraction : kLowerLeft - kSweep * fraction;
}

void Dial::setValue(double value)
{
    const double before = angleOf(value_);
    value_ = value;
    if (peakHand_)
        peakHand_->take(value);
    bool changed = angleOf(value) != before;
    if (tracking_) {
        if (!trackedMinimum_ || value < *trackedMinimum_) {
            trackedMinimum_ = value;
            changed = true;
        }
        if (!trackedMaximum_ || value > *trackedMaximum_) {
            trackedMaximum_ = value;
            changed = true;
        }
    }
    if (changed)
        update();
}

PeakHand *Dial::addPeakHand()
{
    peakHand_ = new PeakHand(this);
    peakHand_->take(value_);
    connect(peakHand_, &PeakHand::moved, this, qOverload<>(&QWidget::update));
    return peakHand_;
}

DialHand *Dial::addHand(const QString &name)
{
    hand_ = new DialHand(this);
    hand_->setObjectName(name);
    connect(hand_, &DialHand::moved, this, qOverload<>(&QWidget::update));
    return hand_;
}

void Dial::setRangeTracking(bool tracking)
{
    tracking_ = tracking;
    update();
}

void Dial::changeFace()
{
    face_ = QPixmap();
    update();
}

void Dial::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    face_ = QPixmap();
}

QPointF Dial::centre() const
{
    return QPointF(width() / 2.0, height() / 2.0);
}

double Dial::radius() const
{
    return std::min(width(), height()) / 2.0 - 1.5;
}

void Dial::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (face_.isNull() || face_.devicePixelRatio() != ratio) {
        face_ = QPixmap(size() * ratio);
        face_.setDevicePixelRatio(ratio);
        face_.fill(Qt::transparent);
        QPainter facePainter(&face_);
        facePainter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        drawFace(facePainter);
    }
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, face_);
    drawHands(painter);
}

void Dial::drawFace(QPainter &painter) const
{
    const QPointF c = centre();
    const double r = radius();

    // A soft shadow below the case, the chrome bezel, then the face.
    painter.setPen(Qt::NoPen);
    QRadialGradient shadow(c + QPointF(0, r * 0.03), r * 1.01);
    shadow.setColorAt(0.93, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setBrush(shadow);
    painter.drawEllipse(c + QPointF(0, r * 0.03), r * 1.01, r * 1.01);

    QLinearGradient bezel(c - QPointF(r, r), c + QPointF(r, r));
    bezel.setColorAt(0.0, QColor(0xFB, 0xFB, 0xFB));
    bezel.setColorAt(0.5, QColor(0xB4, 0xB8, 0xBE));
    bezel.setColorAt(1.0, QColor(0x5A, 0x5F, 0x66));
    painter.setBrush(bezel);
    painter.drawEllipse(c, r * 0.985, r * 0.985);
    QLinearGradient rim(c - QPointF(r, r), c + QPointF(r, r));
    rim.setColorAt(0.0, QColor(0x60, 0x65, 0x6C));
    rim.setColorAt(1.0, QColor(0xF2, 0xF2, 0xF2));
    painter.setBrush(rim);
    const double rimRadius = r * 0.95;
    painter.drawEllipse(c, rimRadius, rimRadius);
    QRadialGradient face(c - QPointF(0, r * 0.25), r);
    face.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    face.setColorAt(1.0, QColor(0xE6, 0xE5, 0xDF));
    painter.setBrush(face);
    const double faceRadius = r * 0.925;
    painter.drawEllipse(c, faceRadius, faceRadius);

    // The colour zones, a thin arc just outside the ticks.
    const double tickOuter = faceRadius * 0.9;
    const double zoneRadius = tickOuter + faceRadius * 0.045;
    const QRectF zoneRect(c.x() - zoneRadius, c.y() - zoneRadius, 2 * zoneRadius, 2 * zoneRadius);
    double start = 0;
    for (const ColourZone &zone : zones_) {
        const double from = angleOf(minimum_ + (maximum_ - minimum_) * start);
        start += zone.length;
        const double to = angleOf(minimum_ + (maximum_ - minimum_) * start);
        painter.setPen(QPen(QColor(zone.colour), faceRadius * 0.055, Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(zoneRect, qRound(from * 16), qRound((to - from) * 16));
    }

    // Ticks: the major ones with their values, four minor ones between two of them.
    const int steps = (majorTicks_ - 1) * (kMinorTicks + 1);
    const QColor ink(0x1A, 0x1A, 0x1A);
    for (int i = 0; i <= steps; ++i) {
        const bool major = i % (kMinorTicks + 1) == 0;
        const double angle = angleOf(minimum_ + (maximum_ - minimum_) * i / steps);
        const double length = faceRadius * (major ? 0.13 : 0.065);
        painter.setPen(QPen(ink, faceRadius * (major ? 0.028 : 0.014), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(polar(c, tickOuter, angle), polar(c, tickOuter - length, angle));
    }
    // Bold numbers as large as the room between two of them allows, each as far inside the
    // ticks as its extent towards them.
    const QStringList labels = tickLabels();
    const double labelRadius = tickOuter - faceRadius * 0.29;
    const double room =
        2 * labelRadius * std::sin(qDegreesToRadians(kSweep / (majorTicks_ - 1) / 2));
    QFont numbers(QStringLiteral("Arial"));
    numbers.setBold(true);
    for (int pixels = qRound(faceRadius * 0.16); pixels > 8; --pixels) {
        numbers.setPixelSize(pixels);
        const QFontMetricsF metrics(numbers);
        double widest = 0;
        for (const QString &label : labels)
            widest = std::max(widest, metrics.horizontalAdvance(label));
        if (widest <= room * 0.82)
            break;
    }
    painter.setFont(numbers);
    painter.setPen(ink);
    const QFontMetricsF metrics(numbers);
    const double labelsOuter = tickOuter - faceRadius * 0.18;
    for (int i = 0; i < labels.size(); ++i) {
        const double angle = angleOf(minimum_ + (maximum_ - minimum_) * i / (majorTicks_ - 1));
        const QSizeF extent(metrics.horizontalAdvance(labels[i]), metrics.capHeight());
        const double radians = qDegreesToRadians(angle);
        const double reach = std::abs(std::cos(radians)) * extent.width() / 2 +
                             std::abs(std::sin(radians)) * extent.height() / 2;
        const QPointF at = polar(c, labelsOuter - reach, angle);
        painter.drawText(QRectF(at.x() - 40, at.y() - 20, 80, 40), Qt::AlignCenter, labels[i]);
    }

    // The caption, inside below the centre.
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPixelSize(qRound(faceRadius * 0.125));
    painter.setFont(captionFont);
    painter.setPen(QColor(0x30, 0x30, 0x30));
    const QRectF captionBox(c.x() - faceRadius * 0.55, c.y() + faceRadius * 0.2, faceRadius * 1.1,
                            faceRadius * 0.36);
    painter.drawText(captionBox, Qt::AlignHCenter | Qt::AlignTop, caption_);
}

void Dial::drawHands(QPainter &painter) const
{
    const QPointF c = centre();
    const double faceRadius = radius() * 0.925;
    const double tickOuter = faceRadius * 0.9;

    // The tracking markers point at the scale from outside the ticks, over the zone arc.
    painter.setPen(QPen(QColor(0x40, 0x28, 0x00), 1));
    if (tracking_ && trackedMinimum_) {
        painter.setBrush(kMarkerOrange);
        const double size = faceRadius * 0.05;
        for (const double value : {*trackedMinimum_, *trackedMaximum_}) {
            painter.save();
            painter.translate(c);
            painter.rotate(-angleOf(value));
            const QPointF triangle[] = {{tickOuter - size * 0.4, 0},
                                        {tickOuter + size * 1.4, -size},
                                        {tickOuter + size * 1.4, size}};
            painter.drawPolygon(triangle, 3);
            painter.restore();
        }
    }

    // The red hands reach a little further than the black one, so that their tips show even
    // under it.
    painter.setPen(Qt::NoPen);
    const auto drawNeedle = [&](double value, const QColor &colour, double length,
                                double baseWidth) {
        const QPainterPath path = needle(length, faceRadius * 0.14, baseWidth, faceRadius * 0.012);
        painter.save();
        painter.translate(c + QPointF(1.5, 2.0));
        painter.rotate(-angleOf(value));
        painter.setBrush(QColor(0, 0, 0, 45));
        painter.drawPath(path);
        painter.restore();
        painter.save();
        painter.translate(c);
        painter.rotate(-angleOf(value));
        painter.setBrush(colour);
        painter.drawPath(path);
        painter.restore();
    };
    if (hand_)
        drawNeedle(hand_->value(), kHandRed, tickOuter, faceRadius * 0.045);
    if (peakHand_)
        drawNeedle(peakHand_->value(), kHandRed, tickOuter, faceRadius * 0.045);
    drawNeedle(value_, Qt::black, tickOuter - faceRadius * 0.07, faceRadius * 0.075);

    QRadialGradient cap(c - QPointF(faceRadius * 0.03, faceRadius * 0.03), faceRadius * 0.1);
    cap.setColorAt(0.0, QColor(0x70, 0x70, 0x70));
    cap.setColorAt(1.0, QColor(0x10, 0x10, 0x10));
    painter.setBrush(cap);
    painter.drawEllipse(c, faceRadius * 0.085, faceRadius * 0.085);
}
