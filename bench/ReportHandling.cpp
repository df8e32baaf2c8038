// Time to handle one report of the tester, from its bytes to the dispatched state, without
// painting: a live reading on its active screen, and a function answer.

#include "app/Main.h"
#include "support/FakeFtpClient.h"
#include "support/FakeHidController.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

QByteArray report(const char *text)
{
    QByteArray data(text);
    data.append(64 - data.size(), '\0');
    return data;
}

void handle(benchmark::State &state, const char *setUp, const char *text)
{
    QTemporaryDir folder;
    FakeHidController hid;
    FakeFtpClient ftp;
    TForm1 form(folder.path() + QLatin1Char('/'), &hid, &ftp);
    FakeHidDevice &tester = hid.plug();
    hid.answer(tester, QString::fromLatin1(setUp));
    const QByteArray data = report(text);
    for (auto _ : state)
        form.HidContDeviceData(&tester, 0, data);
}

void liveReading(benchmark::State &state)
{
    handle(state, "KLT37_FUNC|OIL_", "KLT37_OIL_|0123");
}
void functionAnswer(benchmark::State &state)
{
    handle(state, "KLT37_FUNC|OIL_", "KLT37_FUNC|OIL_");
}

BENCHMARK(liveReading);
BENCHMARK(functionAnswer);

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
