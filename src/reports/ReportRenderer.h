#pragma once

#include "ReportTemplate.h"

#include <QPageLayout>
#include <QPicture>

#include <functional>

class QPainter;

// What a page is filled with at the moment it is drawn.
struct ReportContent {
    // The current text of a parameter; empty when it was never set.
    std::function<QString(const QString &name)> parameter;
    // The picture a chart connection delivers for one of its columns; a null picture leaves
    // the frame blank.
    std::function<QPicture(const QString &connection, const QString &column)> picture;
};

// Draws one report page: a template filled with its content, at its true size.
//
// Texts are drawn in the template's font (Arial; where it is missing the font configuration's
// metric-compatible substitute, Liberation Sans). A text wider than its element is drawn in the
// smaller size that fits the element's width. A line of width 1 is 1/96 inch (0.26 mm) thick on
// paper, a line of width 2 is 0.53 mm. A chart picture keeps its proportions and is centred in
// its frame, as large as the frame allows.
class ReportRenderer
{
public:
    ReportRenderer(ReportTemplate layout, ReportContent content);

    // A4 portrait on the whole sheet: every report page.
    static QPageLayout pageLayout();

    // Draws the page onto the painter's device, whose origin must be the page's top-left corner.
    void render(QPainter &painter) const;

private:
    ReportTemplate layout_;
    ReportContent content_;
};
