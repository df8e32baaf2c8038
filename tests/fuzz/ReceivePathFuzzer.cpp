// Feeds arbitrary bytes to the program's receive path: as input reports of the held tester
// to the main window, with the poll timers firing in between, and as a byte stream of frames
// from a virtual tester to the frame decoder.

#include "app/Main.h"
#include "link/Timer.h"
#include "link/VirtualFrame.h"
#include "support/FakeFtpClient.h"
#include "support/FakeHidController.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace
{

// Message codes the tester answers with; a report may start with one of them so that every
// branch behind the code comparison is reached.
const char *const kCodes[] = {
    "KLT37_VERS|", "KLT37_RMLO|", "KLT37_SADB|", "KLT37_SFUE|", "KLT37_SCOO|", "KLT37_SOIL|",
    "KLT37_SHPD|", "KLT37_SFSI|", "KLT37_FUNC|", "KLT37_OIL_|", "KLT37_M003|", "KLT37_LOSS|",
    "KLT37_VACU|", "KLT37_FUEL|", "KLT37_ADBL|", "KLT37_M300|", "KLT37_M2K_|", "KLT37_CRHP|",
    "KLT37_HPPE|", "KLT37_COOL|", "KLT37_PART|", "KLT37_COM1|",
};

struct Program {
    Program()
    {
        form = new TForm1(folder.path() + QLatin1Char('/'), &hid, &ftp);
        tester = &hid.plug();
    }

    QTemporaryDir folder;
    FakeHidController hid;
    FakeFtpClient ftp;
    TForm1 *form;
    FakeHidDevice *tester;
};

Program &program()
{
    static int argc = 1;
    static char name[] = "receive_fuzzer";
    static char *argv[] = {name, nullptr};
    static QApplication *application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)application;
    static Program *instance = new Program;
    return *instance;
}

void feedReports(Program &p, const QByteArray &input)
{
    // Each report: a control byte (code, timers), a length byte, then that many bytes.
    qsizetype at = 0;
    while (at + 2 <= input.size()) {
        const auto control = quint8(input[at]);
        const qsizetype length = std::min<qsizetype>(quint8(input[at + 1]), input.size() - at - 2);
        QByteArray data = input.mid(at + 2, length);
        at += 2 + length;
        if (control % 32 < std::size(kCodes))
            data.prepend(kCodes[control % 32]);
        p.hid.report(*p.tester, data.left(64));
        if (control & 0x20)
            p.form->Timer2->fire();
        if (control & 0x40)
            p.form->Timer1->fire();
        p.tester->written.clear();
    }
}

void feedFrames(const QByteArray &input)
{
    VirtualFrameDecoder decoder;
    // The stream arrives in pieces of changing size.
    for (qsizetype at = 0, piece = 1; at < input.size(); at += piece, piece = piece % 7 + 1) {
        decoder.append(input.mid(at, piece));
        VirtualFrame frame;
        VirtualFrameDecoder::Result result;
        while ((result = decoder.next(frame)) == VirtualFrameDecoder::GotFrame) {
            if (frame.kind == VirtualFrame::Identity)
                VirtualIdentity::fromJson(frame.payload);
        }
        if (result == VirtualFrameDecoder::Malformed)
            return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    Program &p = program();
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(bytes + 1), qsizetype(size - 1));
    if (bytes[0] & 1)
        feedFrames(input);
    else
        feedReports(p, input);
    return 0;
}
