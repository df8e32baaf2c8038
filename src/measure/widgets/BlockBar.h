#pragma once

#include "ColourZones.h"

#include <QPixmap>
#include <QVector>
#include <QWidget>

// A flat bar graph: a row of small one-coloured blocks on a dark panel, lit from the left up to
// the value. Each block takes the colour of the zone it lies in; with blending, the colours pass
// gradually from the middle of one zone to the middle of the next.
//
// The lit and the unlit row are drawn once into pixmaps at the screen's pixel density; a new value
// repaints only when it lights a different number of blocks.
class BlockBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kBlocks = 50;

    explicit BlockBar(QWidget *parent = nullptr);

    void setRange(double minimum, double maximum);
    void setZones(ColourZones zones, bool blend);

    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    bool blendsZones() const { return blend_; }
    QColor blockColour(int block) const;
    // The horizontal position of a fraction of the scale, in the bar's own coordinates.
    double positionOf(double fraction) const;

    double value() const { return value_; }
    void setValue(double value);
    // Values beyond the scale light no block or all of them.
    int litBlocks() const;

    QSize sizeHint() const override { return {433, 49}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRectF blockArea() const;
    void changeLook();
    QPixmap drawRow(bool lit) const;

    double minimum_ = 0;
    double maximum_ = 100;
    QVector<ColourZone> zones_;
    bool blend_ = false;
    double value_ = 0;
    QPixmap lit_;
    QPixmap unlit_;
};
