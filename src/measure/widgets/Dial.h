#pragma once

#include "ColourZones.h"

#include <QPixmap>
#include <QVector>
#include <QWidget>

#include <optional>

class DialHand;
class PeakHand;

// A round pressure gauge: a 270-degree scale from the lower left clockwise to the lower right
// (reversed: from the lower right anticlockwise), major ticks with their values and four minor
// ticks between two of them, colour zones as a thin arc just outside the ticks, a caption below
// the centre and a black hand. Optional are a peak hand, a hand the program moves itself, and
// markers of the lowest and highest values the hand has shown.
//
// The face is drawn once into a pixmap at the screen's pixel density; a change of value only
// draws the hands over it.
class Dial : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMinorTicks = 4;

    explicit Dial(QWidget *parent = nullptr);

    // majorTicks counts both ends of the scale.
    void setScale(double minimum, double maximum, int majorTicks, bool reversed = false);
    void setZones(ColourZones zones);
    // One line, or two separated by a line feed.
    void setCaption(const QString &caption);

    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    int majorTicks() const { return majorTicks_; }
    bool isReversed() const { return reversed_; }
    const QVector<ColourZone> &zones() const { return zones_; }
    QString caption() const { return caption_; }
    // The texts of the major ticks, from the minimum to the maximum.
    QStringList tickLabels() const;
    // Where a value lies on the scale, in degrees anticlockwise from three o'clock; values
    // beyond the scale lie at its ends.
    double angleOf(double value) const;

    double value() const { return value_; }
    void setValue(double value);

    // The peak hand, kept by the dial itself.
    PeakHand *addPeakHand();
    PeakHand *peakHand() const { return peakHand_; }
    // A hand the program moves, named as given.
    DialHand *addHand(const QString &name);
    DialHand *hand() const { return hand_; }
    // Markers of the lowest and highest values the main hand has shown since the first one.
    void setRangeTracking(bool tracking);
    bool isTrackingRange() const { return tracking_; }
    std::optional<double> trackedMinimum() const { return trackedMinimum_; }
    std::optional<double> trackedMaximum() const { return trackedMaximum_; }

    QSize sizeHint() const override { return {223, 233}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void changeFace();
    void drawFace(QPainter &painter) const;
    void drawHands(QPainter &painter) const;
    QPointF centre() const;
    double radius() const;

    double minimum_ = 0;
    double maximum_ = 10;
    int majorTicks_ = 11;
    bool reversed_ = false;
    QVector<ColourZone> zones_;
    QString caption_;
    double value_ = 0;
    PeakHand *peakHand_ = nullptr;
    DialHand *hand_ = nullptr;
    bool tracking_ = false;
    std::optional<double> trackedMinimum_;
    std::optional<double> trackedMaximum_;
    QPixmap face_;
};
