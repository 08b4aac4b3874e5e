#include "guard/tree/Expression.h"

namespace guard {

void ChildCursor::discard() noexcept
{
    if (child && child->value) {
        try {
            child->close();
        } catch (...) {
        }
    }
}

} // namespace guard
