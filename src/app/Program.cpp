#include "Program.h"

#include "Main.h"
#include "link/HidController.h"
#include "link/HidControllerFactory.h"
#include "update/CurlFtpClient.h"
#include "update/FtpSettings.h"

Program::Program(const QString &programFolder)
    : hidController_(createHidController()),
      ftpClient_(std::make_unique<CurlFtpClient>(FtpSettings::load(programFolder))),
      window_(std::make_unique<TForm1>(programFolder, hidController_.get(), ftpClient_.get()))
{
}

Program::~Program() = default;
