#include "pipeline/IgnoreLineReceiver.h"

IgnoreLineReceiver& IgnoreLineReceiver::Shared()
{
    static IgnoreLineReceiver instance;
    return instance;
}
