#include "FunctionCodes.h"
#include "LiveFunctions.h"
#include "app/Main.h"
#include "app/ScreenGroupBox.h"
#include "widgets/BlockBar.h"
#include "widgets/Dial.h"
#include "widgets/ReadingLabel.h"

#include <QLabel>
#include <QPushButton>

namespace
{

// Places on a screen of 489 x 265. The USB indicator of the window covers the screens' lower
// right corner from x 389 and y 239, so nothing is placed there.
const QRect kDial(8, 16, 223, 233);
constexpr int kLabelsLeft = 236;
constexpr int kLabelsRight = 478;
const QRect kBar(28, 42, 433, 49);
const QRect kLossBar(28, 22, 433, 49);

QPushButton *resetButton(QWidget *screen, const LiveFunction &function, const QRect &geometry)
{
    auto *button = new QPushButton(QLatin1String(function.reset.caption), screen);
    button->setObjectName(QLatin1String(function.reset.name));
    button->setGeometry(geometry);
    return button;
}

QLabel *label(QWidget *screen, const LiveFunction &function, const LiveLabel &label,
              const QRect &geometry, Qt::Alignment alignment)
{
    return createReadingLabel(screen, QLatin1String(label.name), QLatin1String(label.text),
                              function.labels.pixels, geometry, alignment);
}

Dial *createDial(QWidget *screen, const LiveInstrument &instrument)
{
    auto *dial = new Dial(screen);
    dial->setObjectName(QLatin1String(instrument.name));
    dial->setGeometry(kDial);
    dial->setScale(instrument.minimum, instrument.maximum, instrument.majorTicks,
                   instrument.reversed);
    dial->setZones(instrument.zones);
    dial->setCaption(QString::fromLatin1(instrument.caption));
    if (instrument.peakHand)
        dial->addPeakHand();
    return dial;
}

BlockBar *createBar(QWidget *screen, const LiveInstrument &instrument, const QRect &geometry)
{
    auto *bar = new BlockBar(screen);
    bar->setObjectName(QLatin1String(instrument.name));
    bar->setGeometry(geometry);
    bar->setRange(instrument.minimum, instrument.maximum);
    bar->setZones(instrument.zones, instrument.kind == InstrumentKind::LossBar);
    return bar;
}

// The particle bar's scale: six values above the bar, each centred over its place.
void addParticleScale(QWidget *screen, const BlockBar *bar)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(21);
    for (int i = 0; i <= 5; ++i) {
        auto *value = new QLabel(QString::number(i * 10), screen);
        value->setObjectName(QStringLiteral("lblParticleScale%1").arg(i));
        value->setFont(font);
        value->setAlignment(Qt::AlignCenter);
        const int centre = bar->x() + qRound(bar->positionOf(i / 5.0));
        value->setGeometry(centre - 20, bar->y() - 28, 40, 26);
    }
}

// A dial at the left; right of it the labels, right-aligned one below the other (value,
// maximum, minimum), and the Reset button below them.
void layOutDialScreen(QWidget *screen, const LiveFunction &function, TForm1::LiveScreen &widgets)
{
    widgets.gauge = createDial(screen, function.instrument);
    const bool withMinimum = function.hasMinimum;
    const int pitch = withMinimum ? 48 : 56;
    int top = withMinimum ? 18 : 34;
    QLabel **const labels[] = {&widgets.value, &widgets.maximum, &widgets.minimum};
    const LiveLabel *const kinds[] = {&function.labels.value, &function.labels.maximum,
                                      &function.labels.minimum};
    for (int i = 0; i < (withMinimum ? 3 : 2); ++i, top += pitch) {
        *labels[i] =
            label(screen, function, *kinds[i],
                  QRect(kLabelsLeft, top, kLabelsRight - kLabelsLeft, pitch - 4), Qt::AlignRight);
    }
    const int buttonWidth = withMinimum ? 120 : 100;
    widgets.reset =
        resetButton(screen, function, QRect(kLabelsRight - buttonWidth, top + 10, buttonWidth, 28));
}

// The bar across the top, both labels centred under it one above the other, the Reset button
// at the lower left.
void layOutLossScreen(QWidget *screen, const LiveFunction &function, TForm1::LiveScreen &widgets)
{
    widgets.bar = createBar(screen, function.instrument, kLossBar);
    widgets.value = label(screen, function, function.labels.value,
                          QRect(kLossBar.left(), 92, kLossBar.width(), 44), Qt::AlignHCenter);
    widgets.maximum = label(screen, function, function.labels.maximum,
                            QRect(kLossBar.left(), 140, kLossBar.width(), 44), Qt::AlignHCenter);
    widgets.reset = resetButton(screen, function, QRect(kLossBar.left(), 218, 100, 28));
}

// The scale and the bar across the top, the labels side by side under it, the Reset button
// centred below them.
void layOutParticleScreen(QWidget *screen, const LiveFunction &function,
                          TForm1::LiveScreen &widgets)
{
    widgets.bar = createBar(screen, function.instrument, kBar);
    addParticleScale(screen, widgets.bar);
    const int half = kBar.width() / 2;
    widgets.value = label(screen, function, function.labels.value,
                          QRect(kBar.left(), 112, half, 46), Qt::AlignHCenter);
    widgets.maximum = label(screen, function, function.labels.maximum,
                            QRect(kBar.left() + half, 112, half, 46), Qt::AlignHCenter);
    widgets.reset = resetButton(screen, function, QRect(kBar.center().x() - 50, 180, 100, 28));
}

} // namespace

void TForm1::createLiveScreens()
{
    for (int i = 0; i < int(kLiveFunctions.size()); ++i) {
        const LiveFunction &function = kLiveFunctions[i];
        QWidget *screen = this->*screenOfCode(function.code);
        LiveScreen &widgets = LiveScreens[i];
        switch (function.instrument.kind) {
        case InstrumentKind::Dial:
            layOutDialScreen(screen, function, widgets);
            break;
        case InstrumentKind::LossBar:
            layOutLossScreen(screen, function, widgets);
            break;
        case InstrumentKind::ParticleBar:
            layOutParticleScreen(screen, function, widgets);
            break;
        }
        connect(widgets.reset, &QPushButton::clicked, this, [this, i] { resetRunningValues(i); });
    }
}
