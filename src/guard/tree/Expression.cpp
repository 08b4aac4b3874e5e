#include "guard/tree/Expression.h"

void ChildCursor::discard() noexcept
{
    if (child && child->value) {
        try {
            child->close();
        } catch (...) {
        }
    }
}
