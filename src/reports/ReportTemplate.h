#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <variant>
#include <vector>

// The elements of a report page. Positions and sizes are in millimetres from the top-left corner
// of the A4 portrait page; line widths are in pixels of 1/96 inch.

// A filled rectangle; borderWidth 0 draws no border.
struct ReportRectangle {
    QRectF geometry;
    QColor fill;
    int borderWidth = 0;
};

// A horizontal or vertical line from one point to the other.
struct ReportLine {
    QPointF from;
    QPointF to;
    int width = 1;
};

// One line of text in the page's font. A data text shows the current text of its parameter;
// a fixed text shows its own text.
struct ReportText {
    QPointF topLeft;
    qreal width = 0;
    qreal pointSize = 0;
    Qt::Alignment alignment;
    QString text;
    QString parameter;
};

// The picture that a chart connection delivers for one of its columns at print time.
struct ReportPicture {
    QRectF geometry;
    QString connection;
    QString column;
};

// A picture shown only while a parameter holds one exact value; otherwise the frame stays blank.
struct ReportMirror {
    QRectF geometry;
    QString parameter;
    QString value;
    QImage picture;
};

using ReportElement =
    std::variant<ReportRectangle, ReportLine, ReportText, ReportPicture, ReportMirror>;

// The layout of one report page, loaded from an XML file of the program's resources.
//
// The root element <report> gives the font of every text (font, bold, color) and lists the
// elements in drawing order:
//   <include file="..."/>            the elements of a <block> file beside this one, in place
//   <rectangle left top width height fill border/>
//   <hline left top width line/>     <vline left top height line/>
//   <text left top width size align>fixed text</text>
//   <datatext left top width size align field="param.Name"/>
//   <picture left top width height connection column/>
//   <mirror left top width height field="param.Name" value picture/>
// Numbers use a decimal point; align is left, center or right; size is in points.
class ReportTemplate
{
public:
    // The resource file of a template: ":/templates/" followed by the name and ".xml".
    static QString resourceFile(const QString &name);

    // Reads the template file; on failure the template stays empty and errorString() says why.
    bool load(const QString &fileName);
    QString errorString() const { return error_; }

    bool isEmpty() const { return elements_.empty(); }
    const QFont &font() const { return font_; }
    const QColor &textColor() const { return textColor_; }
    const std::vector<ReportElement> &elements() const { return elements_; }

private:
    QFont font_;
    QColor textColor_;
    std::vector<ReportElement> elements_;
    QString error_;
};
