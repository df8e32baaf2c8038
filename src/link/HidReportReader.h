#pragma once

#include "HidReportDescriptor.h"

#include <QByteArray>

#include <functional>
#include <memory>
#include <thread>

class HidHandle;
class HidReportExchange;

// Reads the input reports of one opened device on a thread of its own and hands each to the
// receiver on the thread that created the reader, one at a time: it reads the next report only
// once the receiver has returned from the previous one, however long that takes (the receiver
// may run a nested event loop). Destroying the reader stops its thread, also while a report
// waits for the receiver or the receiver is running; a report not yet received is dropped. A
// failed read ends the thread quietly.
class HidReportReader
{
public:
    using Receiver = std::function<void(quint8 reportId, const QByteArray &data)>;

    // The handle must outlive the reader.
    HidReportReader(HidHandle &handle, const HidReportLayout &layout, Receiver receiver);
    ~HidReportReader();

    HidReportReader(const HidReportReader &) = delete;
    HidReportReader &operator=(const HidReportReader &) = delete;

private:
    std::shared_ptr<HidReportExchange> exchange_;
    std::thread thread_;
};
