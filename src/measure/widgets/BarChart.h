#pragma once

#include <QList>
#include <QWidget>

class QBarCategoryAxis;
class QBarSet;
class QChart;
class QChartView;
class QGraphicsRectItem;
class QHorizontalBarSeries;
class QValueAxis;

// A horizontal bar chart of one series, without legend or zoom. The first bar added takes the
// lowest slot; each bar carries a mark with its value in the program's number format, and the
// value axis along the bottom is scaled to the bars in whole steps.
//
// The chart itself (its view, scene, series and axes) is made the first time it is shown,
// filled, drawn or asked for: the window holds charts that stay hidden until a test comes, and
// making them is most of what a chart costs.
class BarChart : public QWidget
{
    Q_OBJECT

public:
    // markFormat formats the value of a mark, for example "%1.1f"; seriesName is the object
    // name of the series.
    BarChart(const QString &title, const QString &markFormat, const QString &seriesName,
             QWidget *parent = nullptr);

    // The view of the chart, filling this widget.
    QChartView *view();
    QChart *chart();
    QHorizontalBarSeries *series();
    void clear();
    void addBar(const QString &label, double value);

    int barCount() const;
    QString barLabel(int bar) const;
    double barValue(int bar) const;
    QString markText(int bar) const;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void scaleValueAxis();
    // How many steps of the value axis fit the chart's width with their labels apart.
    int maximumSteps(double top) const;
    void placeMarks();

    QString title_;
    QString markFormat_;
    QString seriesName_;
    QChartView *view_ = nullptr;
    QChart *chart_ = nullptr;
    QHorizontalBarSeries *series_ = nullptr;
    QBarSet *bars_ = nullptr;
    QBarCategoryAxis *labelAxis_ = nullptr;
    QValueAxis *valueAxis_ = nullptr;
    QList<QGraphicsRectItem *> marks_;
};
