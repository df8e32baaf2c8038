#include "HidControllerFactory.h"

#include "HidapiController.h"
#include "VirtualHidController.h"

#include <QDir>

std::unique_ptr<HidController> createHidController()
{
    const QString folder = qEnvironmentVariable("ORVALUX_VIRTUAL_HID");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        return std::make_unique<VirtualHidController>(folder);
    }
    return std::make_unique<HidapiController>();
}
