#include "TesterWindow.h"

#include "TesterFunctions.h"
#include "TesterModel.h"
#include "TesterServer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace
{

constexpr int SliderSteps = 1000;
constexpr int SweepRefresh = 100;

QString functionText(const TesterFunction &function)
{
    return QStringLiteral("%1  %2").arg(QLatin1String(function.code),
                                        QString::fromUtf8(function.title));
}

QDoubleSpinBox *barBox(int perBar)
{
    auto *box = new QDoubleSpinBox;
    box->setDecimals(perBar == 1 ? 0 : 1);
    box->setSingleStep(perBar == 1 ? 10 : 0.1);
    box->setRange(0, 9999.0 / perBar);
    box->setSuffix(QStringLiteral(" bar"));
    box->setAlignment(Qt::AlignRight);
    return box;
}

} // namespace

TesterWindow::TesterWindow(TesterModel &model, TesterServer &server, const QString &socketPath,
                           QWidget *parent)
    : QWidget(parent), model_(model), server_(server), socketPath_(socketPath)
{
    setWindowTitle(QStringLiteral("Tester simulator"));
    auto *left = new QVBoxLayout;
    left->addWidget(createTesterGroup());
    left->addWidget(createFunctionGroup());
    left->addWidget(createVersionsGroup());
    left->addWidget(createCompressionGroup());
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(createReadingsGroup());
    right->addWidget(createStoredGroup());
    right->addStretch();
    auto *columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right, 1);

    connect(&server_, &TesterServer::connectionChanged, this, &TesterWindow::showState);
    connect(&sweepTimer_, &QTimer::timeout, this, &TesterWindow::showReadings);
    sweepTimer_.setInterval(SweepRefresh);
    if (model_.isSweeping())
        sweepTimer_.start();
    showState();
    showSelectedFunction();
    showReadings();
}

QWidget *TesterWindow::createTesterGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Tester"));
    auto *form = new QFormLayout(group);
    auto *socket = new QLabel(socketPath_);
    socket->setTextInteractionFlags(Qt::TextSelectableByMouse);
    socket->setWordWrap(true);
    form->addRow(QStringLiteral("Socket:"), socket);
    state_ = new QLabel;
    form->addRow(QStringLiteral("State:"), state_);
    auto *delay = new QSpinBox;
    delay->setRange(0, 10000);
    delay->setSingleStep(50);
    delay->setSuffix(QStringLiteral(" ms"));
    delay->setSpecialValueText(QStringLiteral("at once"));
    delay->setAlignment(Qt::AlignRight);
    connect(delay, &QSpinBox::valueChanged, this, [this](int ms) { server_.setAnswerDelay(ms); });
    form->addRow(QStringLiteral("Answer delay:"), delay);
    plugButton_ = new QPushButton;
    connect(plugButton_, &QPushButton::clicked, this, &TesterWindow::togglePlug);
    form->addRow(plugButton_);
    return group;
}

QWidget *TesterWindow::createFunctionGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Function on the tester"));
    auto *layout = new QVBoxLayout(group);
    auto *chooser = new QComboBox;
    for (const TesterFunction &function : testerFunctions())
        chooser->addItem(functionText(function), QByteArray(function.code));
    chooser->setCurrentIndex(chooser->findData(model_.function()));
    connect(chooser, &QComboBox::currentIndexChanged, this, [this, chooser] {
        model_.setFunction(chooser->currentData().toByteArray());
        showSelectedFunction();
    });
    layout->addWidget(chooser);
    return group;
}

QWidget *TesterWindow::createReadingsGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Readings"));
    auto *grid = new QGridLayout(group);
    auto *sweep = new QCheckBox(QStringLiteral("Auto sweep: move every reading up and down"));
    sweep->setChecked(model_.isSweeping());
    connect(sweep, &QCheckBox::toggled, this, [this](bool on) {
        model_.setSweeping(on);
        if (on)
            sweepTimer_.start();
        else
            sweepTimer_.stop();
        showReadings();
    });
    grid->addWidget(sweep, 0, 0, 1, 3);
    for (const TesterFunction &function : testerFunctions()) {
        if (!function.isLive())
            continue;
        const ReadingRow row{&function, new QLabel(functionText(function)),
                             new QSlider(Qt::Horizontal), new QDoubleSpinBox};
        row.slider->setRange(0, SliderSteps);
        row.value->setRange(function.minimum, function.maximum);
        row.value->setDecimals(function.decimals);
        row.value->setSingleStep((function.maximum - function.minimum) / 100);
        row.value->setSuffix(QLatin1Char(' ') + QString::fromUtf8(function.unit));
        row.value->setAlignment(Qt::AlignRight);
        connect(row.slider, &QSlider::valueChanged, this, [this, row](int step) {
            const TesterFunction &f = *row.function;
            setReading(row, f.minimum + (f.maximum - f.minimum) * step / SliderSteps);
        });
        connect(row.value, &QDoubleSpinBox::valueChanged, this,
                [this, row](double reading) { setReading(row, reading); });
        const int line = grid->rowCount();
        grid->addWidget(row.label, line, 0);
        grid->addWidget(row.slider, line, 1);
        grid->addWidget(row.value, line, 2);
        readings_.append(row);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget *TesterWindow::createVersionsGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Versions"));
    auto *form = new QFormLayout(group);
    const struct {
        const char *label;
        int value;
        void (TesterModel::*set)(int);
    } numbers[] = {
        {"Firmware:", model_.firmware(), &TesterModel::setFirmware},
        {"Logo:", model_.logo(), &TesterModel::setLogo},
    };
    for (const auto &number : numbers) {
        auto *box = new QSpinBox;
        box->setRange(0, 999);
        box->setValue(number.value);
        box->setAlignment(Qt::AlignRight);
        connect(box, &QSpinBox::valueChanged, this,
                [this, set = number.set](int value) { (model_.*set)(value); });
        form->addRow(QString::fromLatin1(number.label), box);
    }
    auto *answers = new QComboBox;
    answers->addItem(QStringLiteral("VERS and RMLO"), int(TesterModel::VersionAnswer::VersAndLogo));
    answers->addItem(QStringLiteral("Only RMLO"), int(TesterModel::VersionAnswer::LogoOnly));
    answers->addItem(QStringLiteral("Neither"), int(TesterModel::VersionAnswer::None));
    answers->setCurrentIndex(answers->findData(int(model_.versionAnswer())));
    connect(answers, &QComboBox::currentIndexChanged, this, [this, answers] {
        model_.setVersionAnswer(TesterModel::VersionAnswer(answers->currentData().toInt()));
    });
    form->addRow(QStringLiteral("Answers:"), answers);
    return group;
}

QWidget *TesterWindow::createStoredGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Stored tests"));
    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Pressure")), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("Maximum")), 0, 2, Qt::AlignCenter);
    for (const StoredTest &test : storedTests()) {
        const QByteArray code(test.code);
        const int line = grid->rowCount();
        grid->addWidget(new QLabel(QStringLiteral("%1  %2").arg(QLatin1String(test.code),
                                                                QString::fromUtf8(test.title))),
                        line, 0);
        QDoubleSpinBox *pressure = barBox(test.perBar);
        QDoubleSpinBox *maximum = barBox(test.perBar);
        pressure->setValue(double(model_.stored(code).pressure) / test.perBar);
        maximum->setValue(double(model_.stored(code).maximum) / test.perBar);
        const auto store = [this, code, pressure, maximum, perBar = test.perBar] {
            model_.setStored(code, {int(std::lround(pressure->value() * perBar)),
                                    int(std::lround(maximum->value() * perBar))});
        };
        connect(pressure, &QDoubleSpinBox::valueChanged, this, store);
        connect(maximum, &QDoubleSpinBox::valueChanged, this, store);
        grid->addWidget(pressure, line, 1);
        grid->addWidget(maximum, line, 2);
    }
    grid->setColumnStretch(0, 1);
    return group;
}

QWidget *TesterWindow::createCompressionGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Compression"));
    auto *form = new QFormLayout(group);
    for (int cylinder = 0; cylinder < TesterModel::Cylinders; ++cylinder) {
        QDoubleSpinBox *box = barBox(10);
        box->setValue(model_.compression(cylinder) / 10.0);
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, cylinder](double bar) {
            model_.setCompression(cylinder, int(std::lround(bar * 10)));
        });
        form->addRow(QStringLiteral("Cylinder %1:").arg(cylinder + 1), box);
    }
    return group;
}

void TesterWindow::togglePlug()
{
    if (server_.isPlugged()) {
        server_.unplug();
        showState();
        return;
    }
    const bool listening = server_.plug(socketPath_);
    showState();
    if (!listening)
        state_->setText(QStringLiteral("Cannot listen: ") + server_.errorString());
}

void TesterWindow::showState()
{
    const bool plugged = server_.isPlugged();
    if (server_.isConnected())
        state_->setText(QStringLiteral("Connected to the program"));
    else if (plugged)
        state_->setText(QStringLiteral("Plugged in, waiting for the program"));
    else
        state_->setText(QStringLiteral("Unplugged"));
    plugButton_->setText(plugged ? QStringLiteral("Unplug") : QStringLiteral("Plug in"));
}

void TesterWindow::showSelectedFunction()
{
    for (const ReadingRow &row : std::as_const(readings_)) {
        QFont font = row.label->font();
        font.setBold(model_.function() == row.function->code);
        row.label->setFont(font);
    }
}

void TesterWindow::showReadings()
{
    const bool sweeping = model_.isSweeping();
    for (const ReadingRow &row : std::as_const(readings_)) {
        const TesterFunction &function = *row.function;
        const double reading = function.reading(model_.liveField(function));
        const QSignalBlocker blockSlider(row.slider);
        const QSignalBlocker blockValue(row.value);
        row.value->setValue(reading);
        row.slider->setValue(qRound((reading - function.minimum) * SliderSteps /
                                    (function.maximum - function.minimum)));
        row.slider->setEnabled(!sweeping);
        row.value->setEnabled(!sweeping);
    }
}

void TesterWindow::setReading(const ReadingRow &row, double reading)
{
    model_.setReadingField(row.function->code, row.function->field(reading));
    showReadings();
}
