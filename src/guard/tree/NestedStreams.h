#pragma once
// Two child streams read as nested loops: for each value of the outer one,
// every value of the inner one, which starts again for each outer value.
// start() and advance() move to the next pair; positioned() tells whether
// there is one (false at the end). A failing code from either child ends
// the loops and is passed on.
#include "guard/tree/Expression.h"

namespace guard {

class NestedStreams {
public:
    void bind(Expression* outer, Expression* inner)
    {
        outer_ = ChildCursor(outer, outer->singular());
        inner_ = ChildCursor(inner, inner->singular());
    }

    EvalCode start() { return fromOuter(outer_.start()); }
    EvalCode advance() { return fromInner(inner_.advance()); }
    void close() noexcept
    {
        inner_.discard();
        outer_.discard();
    }
    bool positioned() const { return outer_.child->value && inner_.child->value; }

private:
    EvalCode fromOuter(EvalCode code)
    {
        if (code || !outer_.child->value)
            return code;
        return fromInner(inner_.start());
    }

    EvalCode fromInner(EvalCode code)
    {
        for (;;) {
            if (code) {
                outer_.discard();
                return code;
            }
            if (inner_.child->value)
                return kEvalOk;
            code = outer_.advance();
            if (code || !outer_.child->value)
                return code;
            code = inner_.start();
        }
    }

    ChildCursor outer_;
    ChildCursor inner_;
};

} // namespace guard
