// Prints how long the process took from its start to the first paint of its main window, and its
// resident memory a second later. "program" shows the program's main window as main() does,
// "bare" a plain window of the same size, for comparison.
//
// The time is counted from BENCH_START_NS (CLOCK_REALTIME in nanoseconds, taken by the caller
// just before it starts the process).

#include "app/Main.h"
#include "app/Program.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>

namespace
{

long long nowNs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const long long start = qgetenv("BENCH_START_NS").toLongLong();
            const double ms = (nowNs() - start) / 1e6;
            QTimer::singleShot(1000, [ms] {
                std::printf("%.1f %ld\n", ms, residentKiB());
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(object, event);
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalux"));
    const bool bare = argc > 1 && QByteArray(argv[1]) == "bare";

    std::unique_ptr<QMainWindow> bareWindow;
    std::unique_ptr<Program> program;
    QMainWindow *window = nullptr;
    if (bare) {
        bareWindow = std::make_unique<QMainWindow>();
        bareWindow->setCentralWidget(new QLabel(QStringLiteral("Multifunction tester")));
        bareWindow->statusBar()->showMessage(QStringLiteral("Version 1.05"));
        bareWindow->setFixedSize(900, 600);
        window = bareWindow.get();
    } else {
        program = std::make_unique<Program>(
            QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/'));
        window = &program->window();
    }
    FirstPaint probe;
    window->installEventFilter(&probe);
    window->show();
    return application.exec();
}
