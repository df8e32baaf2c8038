#pragma once

#include <QList>
#include <QTimer>
#include <QWidget>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;
class TesterModel;
class TesterServer;
struct TesterFunction;

// The simulator's window: sets everything the simulated tester answers, and plugs the tester
// in and out.
class TesterWindow : public QWidget
{
    Q_OBJECT

public:
    TesterWindow(TesterModel &model, TesterServer &server, const QString &socketPath,
                 QWidget *parent = nullptr);

private:
    struct ReadingRow {
        const TesterFunction *function;
        QLabel *label;
        QSlider *slider;
        QDoubleSpinBox *value;
    };

    QWidget *createTesterGroup();
    QWidget *createFunctionGroup();
    QWidget *createReadingsGroup();
    QWidget *createVersionsGroup();
    QWidget *createStoredGroup();
    QWidget *createCompressionGroup();
    void togglePlug();
    void showState();
    void showSelectedFunction();
    // Shows what each reading row answers: its set field, or the swept one.
    void showReadings();
    void setReading(const ReadingRow &row, double reading);

    TesterModel &model_;
    TesterServer &server_;
    QString socketPath_;
    QLabel *state_ = nullptr;
    QPushButton *plugButton_ = nullptr;
    QList<ReadingRow> readings_;
    QTimer sweepTimer_;
};
