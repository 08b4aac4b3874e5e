#include "driver/ProcessSetUp.h"

#include "crypto/CryptoInitialization.h"
#include "platform/ExecutableLocation.h"
#include "platform/FileLocation.h"
#include "platform/ModuleTable.h"
#include "platform/ProcessLocations.h"

namespace guard {

bool prepareProcess()
{
    Platform::processModules().Add("HostApplication", Platform::hostApplicationModule());
    FileLocation directory = Platform::executableDirectory();
    Platform::setLibLocation(directory.Join("ArdoLib"));
    Platform::setStorageLocation(directory);
    FileLocation masthead = directory.Join("ActionSite.aqzm");
    return InitializeCrypto(masthead);
}

} // namespace guard
