#include "ChartConnection.h"

#include "measure/widgets/BarChart.h"

#include <QBuffer>
#include <QChartView>
#include <QGraphicsLayout>
#include <QPainter>

void ChartConnection::writeField(const QString &name, DataType type, int width,
                                 const QString &fullName, const QString &description)
{
    fields_ << Field{name, type, width, fullName, description};
}

void ChartConnection::writeBlobData(const QByteArray &data)
{
    row_ << data;
}

void ChartConnection::writeChart(BarChart *barChart)
{
    // The chart's own rectangle. A chart that was never shown has not been given its size and
    // laid out yet: that happens here, as showing it would do.
    QChartView *chart = barChart->view();
    const QRect rect(QPoint(), chart->size());
    chart->chart()->resize(rect.size());
    chart->chart()->layout()->activate();

    QPicture picture;
    picture.setBoundingRect(rect);
    QPainter painter(&picture);
    chart->scene()->render(&painter, rect, chart->chart()->geometry());
    painter.end();

    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::WriteOnly);
    picture.save(&stream);
    writeBlobData(bytes);
}

QList<ChartConnection::Field> ChartConnection::columns()
{
    fields_.clear();
    emit getCols(this);
    return fields_;
}

QPicture ChartConnection::picture(const QString &column)
{
    const QList<Field> fields = columns();
    qsizetype index = 0;
    while (index < fields.size() &&
           (fields[index].name != column || fields[index].type != DataType::Graphic))
        ++index;
    if (index == fields.size())
        return QPicture();
    row_.clear();
    emit getRow(this);
    QPicture picture;
    if (index < row_.size()) {
        QBuffer stream(&row_[index]);
        stream.open(QIODevice::ReadOnly);
        picture.load(&stream);
    }
    return picture;
}
