#pragma once

#include <QElapsedTimer>
#include <QFile>

// Appends one line per output report the tester receives to a file, written through at once:
// milliseconds since the recorder was made (three decimals), the report length, and the
// command text of data bytes 1 to 11, with a dot for each byte that is not printable ASCII.
class ReportRecorder
{
public:
    ReportRecorder();

    bool open(const QString &path);
    QString errorString() const { return file_.errorString(); }
    void record(const QByteArray &report);

private:
    QElapsedTimer clock_;
    QFile file_;
};
