#pragma once

#include "FakeFtpClient.h"
#include "FakeHidController.h"
#include "ProgramFolder.h"
#include "app/Main.h"

#include <QStringList>

#include <gtest/gtest.h>
#include <memory>

// A main window on a fake HID controller and an FTP client that reaches no server, with its log
// pane shown so that every log line can be read. Tests that need a settings file write it, and
// tests that need another FTP client set ftpClient, before calling createForm().
class FormTest : public ::testing::Test
{
protected:
    TForm1 &createForm();
    TForm1 &window() { return form ? *form : createForm(); }

    // Plugs in the tester (identified by default) and lets the window connect it.
    FakeHidDevice &connectTester();
    // One report of the held tester: the text followed by zero bytes.
    void answer(const QString &text);

    QStringList log() const;
    // The log lines written since the given count of lines.
    QStringList logSince(qsizetype lines) const { return log().mid(lines); }

    ProgramFolder folder;
    FakeHidController hid;
    FakeFtpClient ftp;
    FtpClient *ftpClient = &ftp;
    FakeHidDevice *tester = nullptr;
    std::unique_ptr<TForm1> form;
};
