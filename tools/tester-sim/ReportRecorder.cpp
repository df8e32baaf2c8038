#include "ReportRecorder.h"

namespace
{

constexpr int CommandLength = 11;

} // namespace

ReportRecorder::ReportRecorder()
{
    clock_.start();
}

bool ReportRecorder::open(const QString &path)
{
    file_.setFileName(path);
    return file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

void ReportRecorder::record(const QByteArray &report)
{
    QByteArray command = report.mid(1, CommandLength);
    for (char &byte : command) {
        if (byte < 0x20 || byte > 0x7E)
            byte = '.';
    }
    const double milliseconds = double(clock_.nsecsElapsed()) / 1e6;
    file_.write(QByteArray::number(milliseconds, 'f', 3) + ' ' + QByteArray::number(report.size()) +
                ' ' + command + '\n');
}
