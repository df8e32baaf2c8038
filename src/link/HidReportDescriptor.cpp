#include "HidReportDescriptor.h"

#include <algorithm>
#include <map>
#include <vector>

namespace
{

enum ItemType : quint8 { MainItem = 0, GlobalItem = 1 };
enum MainTag : quint8 { InputTag = 0x8, OutputTag = 0x9 };
enum GlobalTag : quint8 {
    ReportSizeTag = 0x7,
    ReportIdTag = 0x8,
    ReportCountTag = 0x9,
    PushTag = 0xA,
    PopTag = 0xB,
};

constexpr quint8 longItemPrefix = 0xFE;
// The longest descriptor, largest field and field count the Linux HID core accepts; beyond
// them the descriptor is broken. Within them no report is too long for an int.
constexpr qsizetype maxDescriptorSize = 4096;
constexpr quint32 maxReportSize = 256;
constexpr quint32 maxReportCount = 12288;
constexpr quint32 maxReportId = 255;

struct GlobalState {
    quint32 reportSize = 0;
    quint32 reportCount = 0;
    quint32 reportId = 0;
};

// Bits of data of each report, by report ID.
using ReportBits = std::map<quint32, quint64>;

int reportLength(const ReportBits &reports)
{
    quint64 longest = 0;
    for (const auto &[id, bits] : reports)
        longest = std::max(longest, bits);
    return int((longest + 7) / 8) + 1;
}

} // namespace

std::optional<HidReportLayout> parseHidReportDescriptor(const QByteArray &descriptor)
{
    if (descriptor.isEmpty() || descriptor.size() > maxDescriptorSize)
        return std::nullopt;
    const auto byteAt = [&descriptor](qsizetype index) { return quint8(descriptor[index]); };

    GlobalState global;
    std::vector<GlobalState> pushed;
    ReportBits input;
    ReportBits output;
    bool numbered = false;
    qsizetype position = 0;
    while (position < descriptor.size()) {
        const quint8 prefix = byteAt(position);
        if (prefix == longItemPrefix) {
            if (position + 3 > descriptor.size())
                return std::nullopt;
            position += 3 + byteAt(position + 1);
            if (position > descriptor.size())
                return std::nullopt;
            continue;
        }
        const int dataSize = (prefix & 0x3) == 0x3 ? 4 : prefix & 0x3;
        if (position + 1 + dataSize > descriptor.size())
            return std::nullopt;
        quint32 value = 0;
        for (int i = 0; i < dataSize; ++i)
            value |= quint32(byteAt(position + 1 + i)) << (8 * i);
        position += 1 + dataSize;

        const quint8 type = (prefix >> 2) & 0x3;
        const quint8 tag = prefix >> 4;
        const quint64 fieldBits = quint64(global.reportSize) * global.reportCount;
        if (type == MainItem && tag == InputTag) {
            input[global.reportId] += fieldBits;
        } else if (type == MainItem && tag == OutputTag) {
            output[global.reportId] += fieldBits;
        } else if (type == GlobalItem) {
            switch (tag) {
            case ReportSizeTag:
                if (value > maxReportSize)
                    return std::nullopt;
                global.reportSize = value;
                break;
            case ReportCountTag:
                if (value > maxReportCount)
                    return std::nullopt;
                global.reportCount = value;
                break;
            case ReportIdTag:
                if (value == 0 || value > maxReportId)
                    return std::nullopt;
                global.reportId = value;
                numbered = true;
                break;
            case PushTag:
                pushed.push_back(global);
                break;
            case PopTag:
                if (pushed.empty())
                    return std::nullopt;
                global = pushed.back();
                pushed.pop_back();
                break;
            default:
                break;
            }
        }
    }
    return HidReportLayout{numbered, reportLength(input), reportLength(output)};
}
