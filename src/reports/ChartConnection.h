#pragma once

#include <QList>
#include <QObject>
#include <QPicture>

class BarChart;

// A data connection of the reports that hands a chart's picture to a template.
//
// The report engine asks it for its columns and for the value of a column; each question is an
// event, answered by the main window: getCols() by writing the fields, getRow() by writing the
// row's values in the order of the fields.
class ChartConnection : public QObject
{
    Q_OBJECT

public:
    enum class DataType { Graphic };

    struct Field {
        QString name;
        DataType type;
        int width;
        QString fullName;
        QString description;
    };

    using QObject::QObject;

    // In getCols(): declares the next column.
    void writeField(const QString &name, DataType type, int width, const QString &fullName,
                    const QString &description);
    // In getRow(): the value of the next column.
    void writeBlobData(const QByteArray &data);
    // In getRow(): a picture of the chart as it is now, as the value of the next column. The
    // chart is drawn at its own size, also when it is hidden, as a vector picture.
    void writeChart(BarChart *chart);

    // The columns, asked with getCols().
    QList<Field> columns();
    // The picture in a graphic column of the row, asked with getRow(); a null picture when the
    // connection has no such column.
    QPicture picture(const QString &column);

signals:
    void getCols(ChartConnection *connection);
    void getRow(ChartConnection *connection);

private:
    QList<Field> fields_;
    QList<QByteArray> row_;
};
