#include "BlockBar.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace
{

constexpr double kInset = 5.0;
constexpr double kGap = 2.0;
const QColor kPanel(0x1E, 0x21, 0x24);

QColor mix(const QColor &from, const QColor &to, double share)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

} // namespace

BlockBar::BlockBar(QWidget *parent) : QWidget(parent) {}

void BlockBar::setRange(double minimum, double maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    update();
}

void BlockBar::setZones(ColourZones zones, bool blend)
{
    zones_ = QVector<ColourZone>(zones.begin(), zones.end());
    blend_ = blend;
    changeLook();
}

QColor BlockBar::blockColour(int block) const
{
    if (zones_.isEmpty())
        return QColor(0x00, 0xC0, 0x00);
    const double at = (block + 0.5) / kBlocks;
    double start = 0;
    double previousMiddle = 0;
    QColor previous;
    for (int i = 0; i < zones_.size(); ++i) {
        const double middle = start + zones_[i].length / 2;
        const QColor colour(zones_[i].colour);
        start += zones_[i].length;
        if (!blend_ && at < start)
            return colour;
        if (blend_ && at < middle)
            return i == 0
                       ? colour
                       : mix(previous, colour, (at - previousMiddle) / (middle - previousMiddle));
        previousMiddle = middle;
        previous = colour;
    }
    return QColor(zones_.last().colour);
}

double BlockBar::positionOf(double fraction) const
{
    const QRectF area = blockArea();
    return area.left() + area.width() * fraction;
}

void BlockBar::setValue(double value)
{
    const int before = litBlocks();
    value_ = value;
    if (litBlocks() != before)
        update();
}

int BlockBar::litBlocks() const
{
    const double span = maximum_ - minimum_;
    const double fraction = span == 0 ? 0 : (value_ - minimum_) / span;
    return std::clamp(int(std::floor(fraction * kBlocks + 0.5)), 0, kBlocks);
}

QRectF BlockBar::blockArea() const
{
    return QRectF(rect()).adjusted(kInset, kInset, -kInset + kGap, -kInset);
}

void BlockBar::changeLook()
{
    lit_ = QPixmap();
    unlit_ = QPixmap();
    update();
}

void BlockBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    changeLook();
}

QPixmap BlockBar::drawRow(bool lit) const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap row(size() * ratio);
    row.setDevicePixelRatio(ratio);
    row.fill(Qt::transparent);
    QPainter painter(&row);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x0A, 0x0B, 0x0C), 1));
    painter.setBrush(kPanel);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);

    const QRectF area = blockArea();
    const double pitch = area.width() / kBlocks;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < kBlocks; ++i) {
        const QColor colour = blockColour(i);
        const QRectF block(area.left() + i * pitch, area.top(), pitch - kGap, area.height());
        if (lit) {
            QLinearGradient shine(block.topLeft(), block.bottomLeft());
            shine.setColorAt(0.0, colour.lighter(135));
            shine.setColorAt(0.45, colour);
            shine.setColorAt(1.0, colour.darker(115));
            painter.setBrush(shine);
        } else {
            painter.setBrush(mix(kPanel, colour, 0.22));
        }
        painter.drawRoundedRect(block, 1.2, 1.2);
    }
    return row;
}

void BlockBar::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (lit_.isNull() || lit_.devicePixelRatio() != ratio) {
        lit_ = drawRow(true);
        unlit_ = drawRow(false);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, unlit_);
    const int lit = litBlocks();
    if (lit == 0)
        return;
    const QRectF area = blockArea();
    const double litRight = area.left() + area.width() / kBlocks * lit;
    const QRectF shown(0, 0, litRight, height());
    painter.drawPixmap(shown, lit_, QRectF(0, 0, litRight * ratio, height() * ratio));
}
