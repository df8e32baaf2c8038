// Painters for the pictures the front end ships as resources.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

enum class Brand { Vornax, Zorvane };

// Accent colour of the Zorvane branding (logo mark and word).
inline const QColor kZorvaneOrange(0xF2, 0x6A, 0x1B);

// Front of the hand-held tester, 700 x 487, switched off or on.
QImage drawTester(Brand brand, bool on);

// USB badge, 100 x 34: muted grey without tester, coloured when connected.
QImage drawUsbLogo(bool connected);

// Zorvane logo for the top of the printed test report, 500 x 82, on white.
QImage drawReportLogo();

// The program's icon, size x size: the tester with a dial on its display.
QImage drawProgramIcon(int size);

// Zorvane mark and word, as large as fits into box, at its left.
void drawZorvaneLogo(QPainter &p, const QRectF &box);
