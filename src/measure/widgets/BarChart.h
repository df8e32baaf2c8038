#pragma once

#include <QChartView>
#include <QList>

class QBarCategoryAxis;
class QBarSet;
class QGraphicsRectItem;
class QHorizontalBarSeries;
class QValueAxis;

// A horizontal bar chart of one series, without legend or zoom. The first bar added takes the
// lowest slot; each bar carries a mark with its value in the program's number format, and the
// value axis along the bottom is scaled to the bars in whole steps.
class BarChart : public QChartView
{
    Q_OBJECT

public:
    // markFormat formats the value of a mark, for example "%1.1f".
    BarChart(const QString &title, const QString &markFormat, QWidget *parent = nullptr);

    QHorizontalBarSeries *series() const { return series_; }
    void clear();
    void addBar(const QString &label, double value);

    int barCount() const;
    QString barLabel(int bar) const;
    double barValue(int bar) const;
    QString markText(int bar) const;

private:
    void scaleValueAxis();
    // How many steps of the value axis fit the chart's width with their labels apart.
    int maximumSteps(double top) const;
    void placeMarks();

    QString markFormat_;
    QHorizontalBarSeries *series_;
    QBarSet *bars_;
    QBarCategoryAxis *labelAxis_;
    QValueAxis *valueAxis_;
    QList<QGraphicsRectItem *> marks_;
};
