#include "BarChart.h"

#include "app/NumberFormat.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace
{

// The value axis shows at most this many steps, each at least 1.
constexpr int kMaximumSteps = 8;
// Room right of the longest bar for its mark, as a share of its value.
constexpr double kMarkRoom = 1.2;

QFont boldFont(int pixelSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

double stepFor(double top, int maximumSteps)
{
    for (double magnitude = 1;; magnitude *= 10) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            if (std::ceil(top / (factor * magnitude)) <= maximumSteps)
                return factor * magnitude;
        }
    }
}

// Room around a value label of the axis, as a share of the label's width.
constexpr double kLabelSpacing = 1.6;
// What the chart's margins, ticks and axis line take from its width.
constexpr int kChartFrameWidth = 40;

} // namespace

BarChart::BarChart(const QString &title, const QString &markFormat, const QString &seriesName,
                   QWidget *parent)
    : QWidget(parent), title_(title), markFormat_(markFormat), seriesName_(seriesName)
{
}

QChartView *BarChart::view()
{
    if (view_ != nullptr)
        return view_;
    view_ = new QChartView(this);
    view_->setGeometry(rect());
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setRubberBand(QChartView::NoRubberBand);
    view_->setFrameShape(QFrame::NoFrame);

    chart_ = view_->chart();
    chart_->setTitle(title_);
    chart_->setTitleFont(boldFont(15));
    chart_->legend()->hide();
    chart_->setBackgroundRoundness(0);
    chart_->setMargins(QMargins(4, 2, 10, 2));

    series_ = new QHorizontalBarSeries;
    series_->setObjectName(seriesName_);
    series_->setBarWidth(0.6);
    bars_ = new QBarSet(QString());
    series_->append(bars_);
    chart_->addSeries(series_);

    labelAxis_ = new QBarCategoryAxis;
    labelAxis_->setLabelsFont(boldFont(13));
    chart_->addAxis(labelAxis_, Qt::AlignLeft);
    series_->attachAxis(labelAxis_);

    // Whole steps from 0, so the axis labels are whole numbers without a decimal separator.
    valueAxis_ = new QValueAxis;
    valueAxis_->setLabelsFont(boldFont(12));
    valueAxis_->setTickType(QValueAxis::TicksDynamic);
    valueAxis_->setTickAnchor(0);
    valueAxis_->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(valueAxis_, Qt::AlignBottom);
    series_->attachAxis(valueAxis_);
    scaleValueAxis();

    connect(chart_, &QChart::plotAreaChanged, this, &BarChart::placeMarks);
    view_->show();
    return view_;
}

QChart *BarChart::chart()
{
    view();
    return chart_;
}

QHorizontalBarSeries *BarChart::series()
{
    view();
    return series_;
}

void BarChart::showEvent(QShowEvent *event)
{
    view();
    QWidget::showEvent(event);
}

void BarChart::resizeEvent(QResizeEvent *event)
{
    if (view_ != nullptr)
        view_->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void BarChart::clear()
{
    view();
    bars_->remove(0, bars_->count());
    labelAxis_->clear();
    qDeleteAll(marks_);
    marks_.clear();
    scaleValueAxis();
}

void BarChart::addBar(const QString &label, double value)
{
    view();
    labelAxis_->append(label);
    bars_->append(value);

    auto *mark = new QGraphicsRectItem(chart_);
    mark->setPen(QPen(QColor(0x80, 0x80, 0x80)));
    mark->setBrush(QColor(0xFF, 0xFF, 0xE1));
    auto *text = new QGraphicsSimpleTextItem(NumberFormat::format(markFormat_, {value}), mark);
    text->setFont(boldFont(11));
    const QRectF textBox = text->boundingRect();
    mark->setRect(0, 0, textBox.width() + 6, textBox.height() + 2);
    text->setPos(3, 1);
    mark->setZValue(10);
    marks_ << mark;

    scaleValueAxis();
    placeMarks();
}

int BarChart::barCount() const
{
    return bars_ != nullptr ? bars_->count() : 0;
}

QString BarChart::barLabel(int bar) const
{
    return labelAxis_->at(bar);
}

double BarChart::barValue(int bar) const
{
    return bars_->at(bar);
}

QString BarChart::markText(int bar) const
{
    const auto *text = static_cast<QGraphicsSimpleTextItem *>(marks_[bar]->childItems().first());
    return text->text();
}

void BarChart::scaleValueAxis()
{
    double highest = 0;
    for (int i = 0; i < bars_->count(); ++i)
        highest = std::max(highest, bars_->at(i));
    const double top = std::max(highest * kMarkRoom, 1.0);
    const double step = stepFor(top, maximumSteps(top));
    const int steps = int(std::ceil(top / step));

    valueAxis_->setTickInterval(step);
    valueAxis_->setRange(0, steps * step);
}

int BarChart::maximumSteps(double top) const
{
    // The plot is what the bar labels at the left leave of the chart; each value label of the
    // axis below it gets room for itself and some space, so that the labels never run together.
    int labelsWidth = 0;
    const QFontMetrics labelMetrics(labelAxis_->labelsFont());
    for (const QString &label : labelAxis_->categories())
        labelsWidth = std::max(labelsWidth, labelMetrics.horizontalAdvance(label));
    const int plotWidth = width() - labelsWidth - kChartFrameWidth;
    const QFontMetrics valueMetrics(valueAxis_->labelsFont());
    const int valueWidth = valueMetrics.horizontalAdvance(QString::number(std::ceil(top)));
    return std::clamp(int(plotWidth / (kLabelSpacing * valueWidth)), 1, kMaximumSteps);
}

void BarChart::placeMarks()
{
    const QRectF plot = chart_->plotArea();
    for (int i = 0; i < marks_.size(); ++i) {
        const QPointF end = chart_->mapToPosition(QPointF(bars_->at(i), i), series_);
        QGraphicsRectItem *mark = marks_[i];
        const QRectF box = mark->rect();
        const double left = std::min(end.x() + 4, plot.right() - box.width());
        mark->setPos(left, end.y() - box.height() / 2);
    }
}
