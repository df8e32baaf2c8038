#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// One frame between the program and a virtual tester: the kind byte, a zero byte, the payload
// length in two bytes, low byte first, then the payload.
struct VirtualFrame {
    enum Kind : quint8 {
        // The tester's identity as a JSON object; the tester's first frame, sent once.
        Identity = 'I',
        // An input report of the tester: the report ID byte, then the data bytes.
        InputReport = 'N',
        // An output report of the program, exactly as it was written.
        OutputReport = 'O',
    };

    static constexpr int HeaderSize = 4;
    static constexpr int MaxPayloadSize = 4096;

    // The frame as bytes; the payload must not be longer than MaxPayloadSize.
    static QByteArray encode(Kind kind, const QByteArray &payload);

    Kind kind = Identity;
    QByteArray payload;
};

// Cuts the received byte stream into frames, whatever pieces it arrives in.
class VirtualFrameDecoder
{
public:
    enum Result {
        NeedMore,
        GotFrame,
        // The stream cannot be read on: the connection has to be closed.
        Malformed,
    };

    void append(const QByteArray &bytes);
    // Takes the next complete frame out of the received bytes.
    Result next(VirtualFrame &frame);
    // Appends bytes and hands every complete frame to accept, in order. Returns false when the
    // stream is malformed or accept refused a frame: the connection has to be closed then.
    bool feed(const QByteArray &bytes, const std::function<bool(const VirtualFrame &)> &accept);

private:
    QByteArray buffer_;
    bool malformed_ = false;
};

// What an identity frame tells about the tester.
struct VirtualIdentity {
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString product;
    QString vendor;
    // Report lengths: the report ID byte plus the data bytes.
    int outputReportLength = 0;
    int inputReportLength = 0;

    QByteArray toJson() const;
    // Empty unless the text is a JSON object with every field, each of its type and range.
    static std::optional<VirtualIdentity> fromJson(const QByteArray &json);
};
