#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>

#include <array>

struct TesterFunction;

// What the simulated tester is set to, and its answers to the program's commands.
class TesterModel
{
public:
    enum class VersionAnswer {
        // Answers KLT37_VERS| and KLT37_RMLO|, as the tester does.
        VersAndLogo,
        // Answers only KLT37_RMLO|, like a tester that does not know KLT37_VERS|.
        LogoOnly,
        None,
    };
    struct StoredValues {
        int pressure = 0;
        int maximum = 0;
    };
    static constexpr int Cylinders = 6;
    // One sweep from the bottom of a dial's scale to its top and back.
    static constexpr qint64 SweepPeriod = 8000;

    TesterModel();

    // The answer text to a command, its 11 characters "KLT37_CODE|"; empty when the tester
    // does not answer it.
    QByteArray answer(const QByteArray &command) const;

    // The function selected on the tester: the code of one of testerFunctions().
    QByteArray function() const { return function_; }
    void setFunction(const QByteArray &code) { function_ = code; }

    // The reading field set for a live function, answered as it is unless sweeping.
    QByteArray readingField(const QByteArray &code) const { return readings_.value(code); }
    void setReadingField(const QByteArray &code, const QByteArray &field);
    // The field a live function answers with now.
    QByteArray liveField(const TesterFunction &function) const;
    // The swept field at that time since the start: at the bottom of the dial's scale at 0,
    // at its top half a period later.
    static QByteArray sweptField(const TesterFunction &function, qint64 elapsedMs);
    bool isSweeping() const { return sweeping_; }
    void setSweeping(bool sweeping) { sweeping_ = sweeping; }

    int firmware() const { return firmware_; }
    void setFirmware(int firmware) { firmware_ = firmware; }
    int logo() const { return logo_; }
    void setLogo(int logo) { logo_ = logo; }
    VersionAnswer versionAnswer() const { return versionAnswer_; }
    void setVersionAnswer(VersionAnswer answer) { versionAnswer_ = answer; }

    // Fields of a stored test, by its code, in the test's units (see StoredTest::perBar).
    StoredValues stored(const QByteArray &code) const { return stored_.value(code); }
    void setStored(const QByteArray &code, StoredValues values) { stored_.insert(code, values); }

    // Compression of cylinders 0 to 5 in tenths of a bar.
    int compression(int cylinder) const { return compression_.at(cylinder); }
    void setCompression(int cylinder, int tenths) { compression_.at(cylinder) = tenths; }

private:
    QByteArray versionText() const;
    QByteArray compressionText() const;

    QByteArray function_ = "OIL_";
    QHash<QByteArray, QByteArray> readings_;
    bool sweeping_ = false;
    QElapsedTimer sweepClock_;
    int firmware_ = 105;
    int logo_ = 4;
    VersionAnswer versionAnswer_ = VersionAnswer::VersAndLogo;
    QHash<QByteArray, StoredValues> stored_;
    std::array<int, Cylinders> compression_{125, 128, 121, 126, 124, 127};
};
