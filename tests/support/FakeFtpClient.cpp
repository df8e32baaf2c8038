#include "FakeFtpClient.h"

void FakeFtpClient::report(StatusCode code, const QString &text)
{
    emit ftpStatus(code, text);
}
