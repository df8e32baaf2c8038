#include "VirtualFrame.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace
{

bool isKnownKind(char kind)
{
    return kind == VirtualFrame::Identity || kind == VirtualFrame::InputReport ||
           kind == VirtualFrame::OutputReport;
}

// A whole number in [minimum, maximum], or empty.
std::optional<int> wholeNumber(const QJsonValue &value, int minimum, int maximum)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < minimum || number > maximum)
        return std::nullopt;
    return int(number);
}

} // namespace

QByteArray VirtualFrame::encode(Kind kind, const QByteArray &payload)
{
    Q_ASSERT(payload.size() <= MaxPayloadSize);
    QByteArray frame;
    frame.reserve(HeaderSize + payload.size());
    frame.append(char(kind));
    frame.append('\0');
    frame.append(char(payload.size() & 0xFF));
    frame.append(char(payload.size() >> 8));
    frame.append(payload);
    return frame;
}

void VirtualFrameDecoder::append(const QByteArray &bytes)
{
    if (!malformed_)
        buffer_.append(bytes);
}

VirtualFrameDecoder::Result VirtualFrameDecoder::next(VirtualFrame &frame)
{
    // A bad header is refused as soon as its first bytes are in, without waiting for the rest.
    if (!malformed_ && !buffer_.isEmpty())
        malformed_ = !isKnownKind(buffer_[0]) || (buffer_.size() > 1 && buffer_[1] != '\0');
    if (!malformed_ && buffer_.size() >= VirtualFrame::HeaderSize) {
        const int length = quint8(buffer_[2]) | quint8(buffer_[3]) << 8;
        malformed_ = length > VirtualFrame::MaxPayloadSize;
        if (!malformed_ && buffer_.size() >= VirtualFrame::HeaderSize + length) {
            frame.kind = VirtualFrame::Kind(buffer_[0]);
            frame.payload = buffer_.mid(VirtualFrame::HeaderSize, length);
            buffer_.remove(0, VirtualFrame::HeaderSize + length);
            return GotFrame;
        }
    }
    if (malformed_) {
        buffer_.clear();
        return Malformed;
    }
    return NeedMore;
}

bool VirtualFrameDecoder::feed(const QByteArray &bytes,
                               const std::function<bool(const VirtualFrame &)> &accept)
{
    append(bytes);
    VirtualFrame frame;
    for (;;) {
        switch (next(frame)) {
        case NeedMore:
            return true;
        case GotFrame:
            if (!accept(frame))
                return false;
            break;
        case Malformed:
            return false;
        }
    }
}

QByteArray VirtualIdentity::toJson() const
{
    const QJsonObject object{
        {QStringLiteral("vendorId"), vendorId},
        {QStringLiteral("productId"), productId},
        {QStringLiteral("product"), product},
        {QStringLiteral("vendor"), vendor},
        {QStringLiteral("outputReportLength"), outputReportLength},
        {QStringLiteral("inputReportLength"), inputReportLength},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<VirtualIdentity> VirtualIdentity::fromJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const auto vendorId = wholeNumber(object.value(QLatin1String("vendorId")), 0, 0xFFFF);
    const auto productId = wholeNumber(object.value(QLatin1String("productId")), 0, 0xFFFF);
    const auto outputLength = wholeNumber(object.value(QLatin1String("outputReportLength")), 1,
                                          VirtualFrame::MaxPayloadSize);
    const auto inputLength = wholeNumber(object.value(QLatin1String("inputReportLength")), 1,
                                         VirtualFrame::MaxPayloadSize);
    const QJsonValue product = object.value(QLatin1String("product"));
    const QJsonValue vendor = object.value(QLatin1String("vendor"));
    if (!vendorId || !productId || !outputLength || !inputLength || !product.isString() ||
        !vendor.isString())
        return std::nullopt;
    return VirtualIdentity{quint16(*vendorId), quint16(*productId), product.toString(),
                           vendor.toString(),  *outputLength,       *inputLength};
}
