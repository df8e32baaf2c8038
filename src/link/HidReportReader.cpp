#include "HidReportReader.h"

#include "HidBackend.h"

#include <QObject>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

namespace
{

// How long one read waits for a report before the reader looks for a stop request again.
constexpr std::chrono::milliseconds readTimeout(50);

struct Report {
    quint8 id = 0;
    QByteArray data;
};

} // namespace

// What the reader thread and the receiving thread share: the report waiting for the receiver,
// and whether the reader is to stop. The reader thread only signals that a report waits; the
// receiving thread takes it under the lock when the queued signal arrives. A signal still queued
// when the reader is destroyed goes with the exchange; a delivery in progress keeps the exchange
// alive until the receiver returns, also when the receiver has checked the device in.
class HidReportExchange : public QObject, public std::enable_shared_from_this<HidReportExchange>
{
    Q_OBJECT

public:
    explicit HidReportExchange(HidReportReader::Receiver receiver) : receiver_(std::move(receiver))
    {
        connect(this, &HidReportExchange::reportWaiting, this, &HidReportExchange::receive,
                Qt::QueuedConnection);
    }

    void stop()
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        changed_.notify_all();
    }

    bool isStopped()
    {
        const std::lock_guard lock(mutex_);
        return stopped_;
    }

    // On the reader thread: hands one report over and waits until the receiver has returned
    // from it. False when the reader is to stop.
    bool handOver(Report report)
    {
        std::unique_lock lock(mutex_);
        if (stopped_)
            return false;
        waiting_ = std::move(report);
        emit reportWaiting();
        changed_.wait(lock, [this] { return stopped_ || !waiting_; });
        return !stopped_;
    }

signals:
    void reportWaiting();

private:
    void receive()
    {
        const std::shared_ptr<HidReportExchange> keepAlive = shared_from_this();
        Report report;
        {
            const std::lock_guard lock(mutex_);
            report = *waiting_;
        }
        receiver_(report.id, report.data);
        const std::lock_guard lock(mutex_);
        waiting_.reset();
        changed_.notify_all();
    }

    const HidReportReader::Receiver receiver_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool stopped_ = false;
    std::optional<Report> waiting_;
};

HidReportReader::HidReportReader(HidHandle &handle, const HidReportLayout &layout,
                                 Receiver receiver)
    : exchange_(std::make_shared<HidReportExchange>(std::move(receiver)))
{
    // At least as long as the tester's reports, whatever the descriptor says.
    const int bufferSize = std::max(layout.inputReportLength, HidReportLayout().inputReportLength);
    const int idLength = layout.numberedReports ? 1 : 0;
    thread_ = std::thread([&handle, bufferSize, idLength, exchange = exchange_.get()] {
        std::vector<quint8> buffer(static_cast<size_t>(bufferSize));
        while (!exchange->isStopped()) {
            const int length = handle.read(buffer.data(), bufferSize, readTimeout);
            if (length < 0)
                return;
            if (length == 0)
                continue;
            const auto *const bytes = reinterpret_cast<const char *>(buffer.data());
            if (!exchange->handOver({idLength > 0 ? buffer[0] : quint8(0),
                                     QByteArray(bytes + idLength, length - idLength)}))
                return;
        }
    });
}

HidReportReader::~HidReportReader()
{
    exchange_->stop();
    thread_.join();
}

#include "HidReportReader.moc"
