#include "link/VirtualHidController.h"

#include "link/HidControllerFactory.h"
#include "link/HidDevice.h"
#include "link/VirtualFrame.h"
#include "support/VirtualTester.h"
#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace
{

constexpr quint16 TesterVendor = 1240;
constexpr quint16 TesterProduct = 62356;

QByteArray frame(char kind, const QByteArray &payload)
{
    QByteArray header(4, '\0');
    header[0] = kind;
    header[2] = char(payload.size() & 0xFF);
    header[3] = char(payload.size() >> 8);
    return header + payload;
}

QByteArray identityJson(quint16 productId = TesterProduct, const char *product = "Raw tester")
{
    VirtualIdentity identity = TesterServer::testerIdentity();
    identity.productId = productId;
    identity.product = QString::fromLatin1(product);
    return identity.toJson();
}

QByteArray identityFrame(quint16 productId = TesterProduct)
{
    return frame('I', identityJson(productId));
}

// Report ID 0, then the text filled up with zero bytes to 64 data bytes.
QByteArray report(const QByteArray &text)
{
    return '\0' + text + QByteArray(64 - text.size(), '\0');
}

VirtualIdentity identityWith(quint16 productId, const char *product, int outputLength = 65)
{
    VirtualIdentity identity = TesterServer::testerIdentity();
    identity.productId = productId;
    identity.product = QString::fromLatin1(product);
    identity.outputReportLength = outputLength;
    return identity;
}

// A tester end that sends whatever bytes the test gives it, well-formed or not.
class RawTester
{
public:
    explicit RawTester(const QString &path)
    {
        QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
            while (QLocalSocket *socket = server_.nextPendingConnection()) {
                ++connections;
                socket_ = socket;
                QObject::connect(socket, &QLocalSocket::readyRead, socket,
                                 [this, socket] { received += socket->readAll(); });
            }
        });
        server_.listen(path);
    }

    bool isConnected() const
    {
        return !socket_.isNull() && socket_->state() == QLocalSocket::ConnectedState;
    }
    void send(const QByteArray &bytes)
    {
        socket_->write(bytes);
        socket_->flush();
    }
    void close() { socket_->abort(); }

    int connections = 0;
    QByteArray received;

private:
    QLocalServer server_;
    QPointer<QLocalSocket> socket_;
};

// --- The frame codec ------------------------------------------------------------------------

struct DecodedFrame {
    VirtualFrameDecoder::Result result;
    char kind;
    QByteArray payload;
};

// Feeds the bytes in pieces of the given size and takes every frame out after each piece.
QList<DecodedFrame> decode(const QByteArray &bytes, int piece)
{
    VirtualFrameDecoder decoder;
    QList<DecodedFrame> frames;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        decoder.append(bytes.mid(at, piece));
        VirtualFrame taken;
        VirtualFrameDecoder::Result result;
        while ((result = decoder.next(taken)) == VirtualFrameDecoder::GotFrame)
            frames.append({result, char(taken.kind), taken.payload});
        if (result == VirtualFrameDecoder::Malformed) {
            frames.append({result, 0, {}});
            break;
        }
    }
    return frames;
}

TEST(VirtualFrameTest, PutsKindZeroAndLittleEndianLengthBeforeThePayload)
{
    const QByteArray payload(300, 'x');
    EXPECT_EQ(VirtualFrame::encode(VirtualFrame::InputReport, payload),
              QByteArray("N\x00\x2C\x01", 4) + payload);
    EXPECT_EQ(VirtualFrame::encode(VirtualFrame::OutputReport, {}), QByteArray("O\0\0\0", 4));
}

TEST(VirtualFrameTest, DecodesGoodFramesAndRefusesBadHeaders)
{
    const struct {
        const char *name;
        QByteArray bytes;
        bool good;
    } cases[] = {
        {"identity", frame('I', "{}"), true},
        {"input report", frame('N', QByteArray(65, 'a')), true},
        {"empty output report", frame('O', {}), true},
        {"longest payload", frame('O', QByteArray(4096, 'b')), true},
        {"unknown kind", frame('X', "a"), false},
        {"lower-case kind", frame('n', "a"), false},
        {"nonzero second byte", QByteArray("N\x01\x01\0a", 5), false},
        {"payload over 4096", QByteArray("N\x00\x01\x10", 4) + QByteArray(4097, 'c'), false},
        {"largest length", QByteArray("N\x00\xFF\xFF", 4), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QList<DecodedFrame> frames = decode(c.bytes, int(c.bytes.size()));
        ASSERT_EQ(frames.size(), 1);
        if (c.good) {
            EXPECT_EQ(frames[0].result, VirtualFrameDecoder::GotFrame);
            EXPECT_EQ(frames[0].kind, c.bytes[0]);
            EXPECT_EQ(frames[0].payload, c.bytes.mid(4));
        } else {
            EXPECT_EQ(frames[0].result, VirtualFrameDecoder::Malformed);
        }
    }
}

TEST(VirtualFrameTest, RefusesABadHeaderBeforeItIsComplete)
{
    for (const QByteArray &start : {QByteArray("X"), QByteArray("I\x05", 2)}) {
        VirtualFrameDecoder decoder;
        decoder.append(start);
        VirtualFrame taken;
        EXPECT_EQ(decoder.next(taken), VirtualFrameDecoder::Malformed) << start.toHex().data();
        decoder.append(frame('N', "a"));
        EXPECT_EQ(decoder.next(taken), VirtualFrameDecoder::Malformed);
    }
}

TEST(VirtualFrameTest, JoinsFramesSplitAcrossReadsAtAnyPoint)
{
    const QByteArray stream = frame('I', "{\"a\":1}") + frame('N', report("KLT37_FUNC|OIL_")) +
                              frame('O', {}) + frame('N', "\x07z");
    for (int piece = 1; piece <= stream.size(); ++piece) {
        SCOPED_TRACE(piece);
        const QList<DecodedFrame> frames = decode(stream, piece);
        ASSERT_EQ(frames.size(), 4);
        EXPECT_EQ(frames[0].payload, QByteArray("{\"a\":1}"));
        EXPECT_EQ(frames[1].payload, report("KLT37_FUNC|OIL_"));
        EXPECT_EQ(frames[2].kind, 'O');
        EXPECT_EQ(frames[2].payload, QByteArray());
        EXPECT_EQ(frames[3].payload, QByteArray("\x07z"));
    }
}

TEST(VirtualIdentityTest, ReadsBackWhatItWrites)
{
    const VirtualIdentity written = identityWith(7, "Gadget", 33);
    const std::optional<VirtualIdentity> read = VirtualIdentity::fromJson(written.toJson());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->vendorId, TesterVendor);
    EXPECT_EQ(read->productId, 7);
    EXPECT_EQ(read->product, QStringLiteral("Gadget"));
    EXPECT_EQ(read->vendor, QStringLiteral("Kelvaro"));
    EXPECT_EQ(read->outputReportLength, 33);
    EXPECT_EQ(read->inputReportLength, 65);
}

TEST(VirtualIdentityTest, RefusesTextThatIsNotACompleteIdentity)
{
    const char *const fields = R"("product":"P","vendor":"V","outputReportLength":65,)"
                               R"("inputReportLength":65)";
    const QByteArray cases[] = {
        "",
        "not json",
        "[1240, 62356]",
        QByteArray(R"({"vendorId":1240,)") + fields,
        QByteArray(R"({"productId":1,)") + fields + "}",
        QByteArray(R"({"vendorId":"1240","productId":1,)") + fields + "}",
        QByteArray(R"({"vendorId":1240,"productId":70000,)") + fields + "}",
        QByteArray(R"({"vendorId":12.5,"productId":1,)") + fields + "}",
        R"({"vendorId":1,"productId":1,"product":5,"vendor":"V","outputReportLength":65,)"
        R"("inputReportLength":65})",
        R"({"vendorId":1,"productId":1,"product":"P","vendor":"V","outputReportLength":0,)"
        R"("inputReportLength":65})",
    };
    for (const QByteArray &json : cases)
        EXPECT_FALSE(VirtualIdentity::fromJson(json).has_value()) << json.data();
}

// --- The controller -------------------------------------------------------------------------

struct Delivery {
    HidDevice *device;
    quint8 reportId;
    QByteArray data;
};

class VirtualHidControllerTest : public ::testing::Test
{
protected:
    // The controller on the folder, counting its signals from its start on.
    VirtualHidController &startController()
    {
        hid = std::make_unique<VirtualHidController>(folder.path());
        QObject::connect(hid.get(), &HidController::deviceChange, [this] { ++changes; });
        QObject::connect(hid.get(), &HidController::deviceData,
                         [this](HidDevice *device, quint8 reportId, const QByteArray &data) {
                             deliveries.append({device, reportId, data});
                         });
        return *hid;
    }

    // Plugs the tester in and waits until the controller has it.
    HidDevice *plugAndCheckOut(VirtualTester &tester, quint16 productId = TesterProduct)
    {
        EXPECT_TRUE(tester.plug());
        HidDevice *device = nullptr;
        waitUntil([&] { return (device = hid->checkOutByID(TesterVendor, productId)) != nullptr; });
        return device;
    }

    bool waitForChanges(int count)
    {
        return waitUntil([&] { return changes >= count; }) && changes == count;
    }

    QString socket(const char *name) const { return folder.filePath(QLatin1String(name)); }

    QTemporaryDir folder;
    std::unique_ptr<VirtualHidController> hid;
    int changes = 0;
    QList<Delivery> deliveries;
};

TEST_F(VirtualHidControllerTest, TellsEachArrivalAndRemovalOnce)
{
    startController();
    ASSERT_TRUE(waitForChanges(1));
    VirtualTester tester(folder.path());
    ASSERT_TRUE(tester.plug());
    ASSERT_TRUE(waitForChanges(2));
    HidDevice *device = hid->checkOutByID(TesterVendor, TesterProduct);
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(device->isPluggedIn());

    tester.unplug();
    ASSERT_TRUE(waitForChanges(3));
    EXPECT_FALSE(device->isPluggedIn());
    // A later arrival brings exactly one more: no removal was told twice.
    VirtualTester other(folder.path(), identityWith(2, "Other"), QStringLiteral("other.sock"));
    ASSERT_TRUE(other.plug());
    EXPECT_TRUE(waitForChanges(4));
    hid->checkIn(device);
}

TEST_F(VirtualHidControllerTest, FindsATesterThatWasThereBeforeTheStart)
{
    VirtualTester tester(folder.path());
    ASSERT_TRUE(tester.plug());
    startController();
    ASSERT_TRUE(waitUntil([&] { return changes >= 1; }));
    // The first change may come before the identity; the arrival then brings a second one.
    ASSERT_TRUE(waitForChanges(2));
    EXPECT_NE(hid->checkOutByID(TesterVendor, TesterProduct), nullptr);
}

TEST_F(VirtualHidControllerTest, ChecksOutTheFirstFreeDeviceInArrivalOrder)
{
    startController();
    VirtualTester first(folder.path(), identityWith(TesterProduct, "First"),
                        QStringLiteral("z-first.sock"));
    VirtualTester second(folder.path(), identityWith(TesterProduct, "Second", 33),
                         QStringLiteral("a-second.sock"));
    ASSERT_TRUE(first.plug());
    ASSERT_TRUE(waitForChanges(2));
    ASSERT_TRUE(second.plug());
    ASSERT_TRUE(waitForChanges(3));

    HidDevice *a = hid->checkOutByID(TesterVendor, TesterProduct);
    HidDevice *b = hid->checkOutByID(TesterVendor, TesterProduct);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->productName(), QStringLiteral("First"));
    EXPECT_EQ(a->vendorName(), QStringLiteral("Kelvaro"));
    EXPECT_EQ(a->outputReportLength(), 65);
    EXPECT_EQ(b->productName(), QStringLiteral("Second"));
    EXPECT_EQ(b->outputReportLength(), 33);
    EXPECT_EQ(hid->checkOutByID(TesterVendor, TesterProduct), nullptr);
    EXPECT_EQ(hid->checkOutByID(TesterVendor, 1), nullptr);
}

TEST_F(VirtualHidControllerTest, TellsDevicesWithOtherIdsApart)
{
    startController();
    VirtualTester tester(folder.path());
    VirtualTester other(folder.path(), identityWith(77, "Gadget"), QStringLiteral("other.sock"));
    HidDevice *gadget = plugAndCheckOut(other, 77);
    HidDevice *device = plugAndCheckOut(tester);
    ASSERT_NE(gadget, nullptr);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(gadget->productName(), QStringLiteral("Gadget"));
    EXPECT_EQ(device->productName(), QStringLiteral("Multifunction tester"));
}

TEST_F(VirtualHidControllerTest, APresentDeviceCheckedInIsFreeAgain)
{
    startController();
    VirtualTester tester(folder.path());
    HidDevice *device = plugAndCheckOut(tester);
    ASSERT_NE(device, nullptr);
    HidDevice *held = device;
    hid->checkIn(held);
    EXPECT_EQ(held, nullptr);
    EXPECT_TRUE(device->isPluggedIn());
    EXPECT_EQ(hid->checkOutByID(TesterVendor, TesterProduct), device);
}

TEST_F(VirtualHidControllerTest, AnUnpluggedDeviceLivesUntilCheckedIn)
{
    startController();
    VirtualTester tester(folder.path());
    HidDevice *device = plugAndCheckOut(tester);
    ASSERT_NE(device, nullptr);
    bool destroyed = false;
    QObject::connect(dynamic_cast<QObject *>(device), &QObject::destroyed,
                     [&destroyed] { destroyed = true; });

    tester.unplug();
    ASSERT_TRUE(waitUntil([&] { return !device->isPluggedIn(); }));
    EXPECT_FALSE(device->writeOutputReport(report("KLT37_FUNC|")));
    EXPECT_FALSE(destroyed);
    HidDevice *held = device;
    hid->checkIn(held);
    EXPECT_EQ(held, nullptr);
    EXPECT_TRUE(destroyed);
}

TEST_F(VirtualHidControllerTest, AnUnpluggedFreeDeviceGoesAtItsRemoval)
{
    startController();
    VirtualTester tester(folder.path());
    HidDevice *device = plugAndCheckOut(tester);
    ASSERT_NE(device, nullptr);
    bool destroyed = false;
    QObject::connect(dynamic_cast<QObject *>(device), &QObject::destroyed,
                     [&destroyed] { destroyed = true; });
    HidDevice *held = device;
    hid->checkIn(held);
    tester.unplug();
    EXPECT_TRUE(waitUntil([&] { return destroyed; }));
}

TEST_F(VirtualHidControllerTest, ConnectsAgainToASocketFileMadeAnew)
{
    startController();
    VirtualTester tester(folder.path());
    HidDevice *first = plugAndCheckOut(tester);
    ASSERT_NE(first, nullptr);
    // Out and in again at once, before the controller has seen the file go.
    tester.unplug();
    ASSERT_TRUE(tester.plug());
    HidDevice *second = nullptr;
    ASSERT_TRUE(waitUntil(
        [&] { return (second = hid->checkOutByID(TesterVendor, TesterProduct)) != nullptr; }));
    EXPECT_FALSE(first->isPluggedIn());
    EXPECT_TRUE(second->writeOutputReport(report("KLT37_FUNC|")));
    EXPECT_TRUE(waitUntil([&] { return tester.received().size() == 1; }));
    hid->checkIn(first);
}

TEST_F(VirtualHidControllerTest, WritesEachOutputReportAsOneFrame)
{
    startController();
    RawTester raw(socket("raw.sock"));
    ASSERT_TRUE(waitUntil([&] { return raw.isConnected(); }));
    raw.send(identityFrame());
    HidDevice *device = nullptr;
    ASSERT_TRUE(waitUntil(
        [&] { return (device = hid->checkOutByID(TesterVendor, TesterProduct)) != nullptr; }));

    const QByteArray written = report("KLT37_VERS|");
    EXPECT_TRUE(device->writeOutputReport(written));
    ASSERT_TRUE(waitUntil([&] { return raw.received.size() >= 69; }));
    EXPECT_EQ(raw.received, QByteArray("O\0\x41\0", 4) + written);
    hid->checkIn(device);
}

TEST_F(VirtualHidControllerTest, HandsOverReportsOfACheckedOutDeviceOnly)
{
    startController();
    RawTester raw(socket("raw.sock"));
    ASSERT_TRUE(waitUntil([&] { return raw.isConnected(); }));
    raw.send(identityFrame() + frame('N', report("early")));
    HidDevice *device = nullptr;
    ASSERT_TRUE(waitUntil(
        [&] { return (device = hid->checkOutByID(TesterVendor, TesterProduct)) != nullptr; }));

    raw.send(frame('N', QByteArray(1, 7) + "abc") + frame('N', report("late")));
    ASSERT_TRUE(waitUntil([&] { return deliveries.size() >= 2; }));
    ASSERT_EQ(deliveries.size(), 2);
    EXPECT_EQ(deliveries[0].device, device);
    EXPECT_EQ(deliveries[0].reportId, 7);
    EXPECT_EQ(deliveries[0].data, QByteArray("abc"));
    EXPECT_EQ(deliveries[1].reportId, 0);
    EXPECT_EQ(deliveries[1].data, report("late").mid(1));
    hid->checkIn(device);
}

TEST_F(VirtualHidControllerTest, ReadsFramesThatArriveInPieces)
{
    startController();
    RawTester raw(socket("raw.sock"));
    ASSERT_TRUE(waitUntil([&] { return raw.isConnected(); }));
    HidDevice *device = nullptr;
    const QByteArray identity = identityFrame();
    for (qsizetype at = 0; at + 5 < identity.size(); at += 5) {
        raw.send(identity.mid(at, 5));
        QCoreApplication::processEvents();
        EXPECT_EQ(hid->checkOutByID(TesterVendor, TesterProduct), nullptr);
    }
    raw.send(identity.right(identity.size() % 5 == 0 ? 5 : identity.size() % 5));
    ASSERT_TRUE(waitUntil(
        [&] { return (device = hid->checkOutByID(TesterVendor, TesterProduct)) != nullptr; }));
    const QByteArray input = frame('N', report("KLT37_FUNC|OIL_"));
    for (const char byte : input) {
        raw.send(QByteArray(1, byte));
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(waitUntil([&] { return deliveries.size() == 1; }));
    EXPECT_EQ(deliveries[0].data, report("KLT37_FUNC|OIL_").mid(1));
    hid->checkIn(device);
}

struct MalformedCase {
    const char *name;
    QByteArray bytes;
    // Whether the bytes begin with a good identity, so that the device arrived first.
    bool arrivesFirst;
};

void PrintTo(const MalformedCase &c, std::ostream *out)
{
    *out << c.name;
}

class MalformedFrameTest : public VirtualHidControllerTest,
                           public ::testing::WithParamInterface<MalformedCase>
{
};

TEST_P(MalformedFrameTest, ClosesOnlyThatConnectionForGood)
{
    startController();
    VirtualTester tester(folder.path());
    HidDevice *device = plugAndCheckOut(tester);
    ASSERT_NE(device, nullptr);
    RawTester raw(socket("raw.sock"));
    ASSERT_TRUE(waitUntil([&] { return raw.isConnected(); }));

    raw.send(GetParam().bytes);
    ASSERT_TRUE(waitUntil([&] { return !raw.isConnected(); }));
    EXPECT_EQ(hid->checkOutByID(TesterVendor, 5), nullptr);
    // The other device goes on.
    EXPECT_TRUE(device->isPluggedIn());
    tester.answer(QStringLiteral("KLT37_FUNC|OIL_"));
    ASSERT_TRUE(waitUntil([&] { return deliveries.size() == 1; }));
    EXPECT_EQ(deliveries[0].device, device);

    // Once a further tester has been found, the closed socket has not been connected to again,
    // and the changes were one per arrival and removal.
    VirtualTester later(folder.path(), identityWith(9, "Later"), QStringLiteral("later.sock"));
    EXPECT_NE(plugAndCheckOut(later, 9), nullptr);
    EXPECT_EQ(raw.connections, 1);
    EXPECT_TRUE(waitForChanges(GetParam().arrivesFirst ? 5 : 3));
}

const QByteArray BadIdentity = identityFrame(5);

INSTANTIATE_TEST_SUITE_P(
    EachKind, MalformedFrameTest,
    ::testing::Values(
        MalformedCase{"UnknownKind", frame('X', "a"), false},
        MalformedCase{"NonzeroSecondByte", QByteArray("I\x01\x02\x00{}", 6), false},
        MalformedCase{"TooLong", QByteArray("N\x00\x01\x10", 4) + QByteArray(4097, 'a'), false},
        MalformedCase{"ReportBeforeIdentity", frame('N', report("KLT37_FUNC|OIL_")), false},
        MalformedCase{"IdentityNotJson", frame('I', "{\"vendorId\":"), false},
        MalformedCase{"IdentityNotAnObject", frame('I', "[1240, 5]"), false},
        MalformedCase{"IdentityWithoutALength",
                      frame('I', R"({"vendorId":1240,"productId":5,"product":"P","vendor":"V",)"
                                 R"("outputReportLength":65})"),
                      false},
        MalformedCase{"IdentityWithATextId",
                      frame('I', identityJson(5).replace("1240", "\"1240\"")), false},
        MalformedCase{"SecondIdentity", BadIdentity + BadIdentity, true},
        MalformedCase{"EmptyReport", BadIdentity + frame('N', {}), true},
        MalformedCase{"OutputReportFromTheTester", BadIdentity + frame('O', report("x")), true}),
    [](const ::testing::TestParamInfo<MalformedCase> &info) { return info.param.name; });

TEST_F(VirtualHidControllerTest, GivesNoReportInsideTheSlotOfThePreviousOne)
{
    startController();
    VirtualTester tester(folder.path());
    HidDevice *device = plugAndCheckOut(tester);
    ASSERT_NE(device, nullptr);
    int depth = 0;
    QList<int> depthAtEntry;
    QObject::connect(hid.get(), &HidController::deviceData, [&] {
        depthAtEntry.append(depth);
        if (depthAtEntry.size() > 1)
            return;
        ++depth;
        // The tester sends two more and leaves; the removal is told inside this slot's loop,
        // so both reports have been read by then.
        tester.answer(QStringLiteral("second"));
        tester.answer(QStringLiteral("third"));
        tester.unplug();
        EXPECT_TRUE(waitUntil([&] { return !device->isPluggedIn(); }));
        --depth;
    });
    tester.answer(QStringLiteral("first"));

    ASSERT_TRUE(waitUntil([&] { return deliveries.size() == 3; }));
    EXPECT_EQ(depthAtEntry, (QList<int>{0, 0, 0}));
    EXPECT_EQ(deliveries[1].data, report("second").mid(1));
    EXPECT_EQ(deliveries[2].data, report("third").mid(1));
    hid->checkIn(device);
}

TEST_F(VirtualHidControllerTest, DropsTheQueuedReportsOfADeviceCheckedInInsideTheSlot)
{
    startController();
    VirtualTester tester(folder.path());
    HidDevice *device = plugAndCheckOut(tester);
    ASSERT_NE(device, nullptr);
    QObject::connect(hid.get(), &HidController::deviceData, [&] {
        if (deliveries.size() > 1)
            return;
        tester.answer(QStringLiteral("second"));
        tester.unplug();
        EXPECT_TRUE(waitUntil([&] { return !device->isPluggedIn(); }));
        // Destroys the unplugged device while its report is being handed over.
        hid->checkIn(device);
    });
    tester.answer(QStringLiteral("first"));
    ASSERT_TRUE(waitUntil([&] { return device == nullptr; }));

    VirtualTester later(folder.path(), identityWith(9, "Later"), QStringLiteral("later.sock"));
    ASSERT_NE(plugAndCheckOut(later, 9), nullptr);
    later.answer(QStringLiteral("later"));
    ASSERT_TRUE(waitUntil([&] { return deliveries.size() >= 2; }));
    ASSERT_EQ(deliveries.size(), 2);
    EXPECT_EQ(deliveries[1].data, report("later").mid(1));
}

TEST_F(VirtualHidControllerTest, ClosesEveryConnectionWhenDestroyed)
{
    startController();
    VirtualTester tester(folder.path());
    VirtualTester other(folder.path(), identityWith(2, "Other"), QStringLiteral("other.sock"));
    ASSERT_NE(plugAndCheckOut(tester), nullptr);
    ASSERT_TRUE(other.plug());
    ASSERT_TRUE(waitUntil([&] { return other.isConnected(); }));
    hid.reset();
    EXPECT_TRUE(waitUntil([&] { return !tester.isConnected() && !other.isConnected(); }));
}

TEST(HidControllerFactoryTest, MakesAVirtualControllerOnTheNamedFolder)
{
    const QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("virtual"));
    qputenv("ORVALUX_VIRTUAL_HID", folder.toLocal8Bit());
    const std::unique_ptr<HidController> hid = createHidController();
    qunsetenv("ORVALUX_VIRTUAL_HID");
    ASSERT_NE(dynamic_cast<VirtualHidController *>(hid.get()), nullptr);
    EXPECT_TRUE(QFileInfo(folder).isDir());

    VirtualTester tester(folder);
    ASSERT_TRUE(tester.plug());
    EXPECT_TRUE(waitUntil([&] { return hid->checkOutByID(TesterVendor, TesterProduct); }));
}

} // namespace
