#include "ChartConnection.h"
#include "app/Main.h"
#include "measure/widgets/BarChart.h"

namespace
{

struct ConnectionEntry {
    const char *name;
    ChartConnection *TForm1::*member;
    void (TForm1::*getCols)(ChartConnection *);
    void (TForm1::*getRow)(ChartConnection *);
};

constexpr ConnectionEntry kConnections[] = {
    {"RvCustomConnection1", &TForm1::RvCustomConnection1, &TForm1::RvCustomConnection1GetCols,
     &TForm1::RvCustomConnection1GetRow},
    {"RvCustomConnection2", &TForm1::RvCustomConnection2, &TForm1::RvCustomConnection2GetCols,
     &TForm1::RvCustomConnection2GetRow},
    {"RvCustomConnection3", &TForm1::RvCustomConnection3, &TForm1::RvCustomConnection3GetCols,
     &TForm1::RvCustomConnection3GetRow},
    {"RvCustomConnection4", &TForm1::RvCustomConnection4, &TForm1::RvCustomConnection4GetCols,
     &TForm1::RvCustomConnection4GetRow},
    {"RvCustomConnection5", &TForm1::RvCustomConnection5, &TForm1::RvCustomConnection5GetCols,
     &TForm1::RvCustomConnection5GetRow},
    {"RvCustomConnection6", &TForm1::RvCustomConnection6, &TForm1::RvCustomConnection6GetCols,
     &TForm1::RvCustomConnection6GetRow},
    {"RvCustomConnection7", &TForm1::RvCustomConnection7, &TForm1::RvCustomConnection7GetCols,
     &TForm1::RvCustomConnection7GetRow},
};

// The one column of every chart connection: a graphic of width 30.
void writeChartColumn(ChartConnection *connection, const char *column)
{
    connection->writeField(QLatin1String(column), ChartConnection::DataType::Graphic, 30, QString(),
                           QString());
}

} // namespace

void TForm1::createChartConnections()
{
    for (const ConnectionEntry &entry : kConnections) {
        auto *connection = new ChartConnection(this);
        connection->setObjectName(QLatin1String(entry.name));
        connect(connection, &ChartConnection::getCols, this, entry.getCols);
        connect(connection, &ChartConnection::getRow, this, entry.getRow);
        this->*entry.member = connection;
    }
}

// The stored-test charts are found by name; the compression chart is chart1.

void TForm1::RvCustomConnection1GetCols(ChartConnection *Connection)
{
    writeChartColumn(Connection, "PieChart");
}

void TForm1::RvCustomConnection1GetRow(ChartConnection *Connection)
{
    Connection->writeChart(chart1);
}

void TForm1::RvCustomConnection2GetCols(ChartConnection *Connection)
{
    writeChartColumn(Connection, "GraficoAdBlue");
}

void TForm1::RvCustomConnection2GetRow(ChartConnection *Connection)
{
    Connection->writeChart(findChild<BarChart *>(QStringLiteral("Chart2")));
}

void TForm1::RvCustomConnection3GetCols(ChartConnection *Connection)
{
    writeChartColumn(Connection, "GraficoFuel");
}

void TForm1::RvCustomConnection3GetRow(ChartConnection *Connection)
{
    Connection->writeChart(findChild<BarChart *>(QStringLiteral("Chart3")));
}

void TForm1::RvCustomConnection4GetCols(ChartConnection *Connection)
{
    writeChartColumn(Connection, "GraficoCooling");
}

void TForm1::RvCustomConnection4GetRow(ChartConnection *Connection)
{
    Connection->writeChart(findChild<BarChart *>(QStringLiteral("Chart4")));
}

void TForm1::RvCustomConnection5GetCols(ChartConnection *Connection)
{
    writeChartColumn(Connection, "GraficoOil");
}

void TForm1::RvCustomConnection5GetRow(ChartConnection *Connection)
{
    Connection->writeChart(findChild<BarChart *>(QStringLiteral("Chart5")));
}

void TForm1::RvCustomConnection6GetCols(ChartConnection *Connection)
{
    writeChartColumn(Connection, "GraficoHP");
}

void TForm1::RvCustomConnection6GetRow(ChartConnection *Connection)
{
    Connection->writeChart(findChild<BarChart *>(QStringLiteral("Chart6")));
}

void TForm1::RvCustomConnection7GetCols(ChartConnection *Connection)
{
    writeChartColumn(Connection, "GraficoFSI");
}

void TForm1::RvCustomConnection7GetRow(ChartConnection *Connection)
{
    Connection->writeChart(findChild<BarChart *>(QStringLiteral("Chart7")));
}
