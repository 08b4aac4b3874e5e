#include "guard/Expression.h"

void ChildCursor::discard() noexcept
{
    if (child && child->value) {
        try {
            child->close();
        } catch (...) {
        }
    }
}
