#include "pipeline/IgnoreLineReceiver.h"

namespace guard {

IgnoreLineReceiver& IgnoreLineReceiver::Shared()
{
    static IgnoreLineReceiver instance;
    return instance;
}

} // namespace guard
