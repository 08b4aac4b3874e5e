#include "crypto/CryptoInitialization.h"

bool InitializeCrypto(const FileLocation&)
{
    return true;
}
