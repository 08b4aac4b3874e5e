#pragma once
// Moving along any stream while `visit()` answers true, as the nodes' own
// advanceWhile does: a property or a whose filter runs the loop itself, so
// that its values are made without a call of next() for each; any other node
// is advanced by next(). Called while a value is current (already visited);
// stops at the first value visit() answers false for (kEvalOk, the value in
// place), at the end of the stream (no value) or at a failing code.
#include "guard/tree/PropertyExpression.h"
#include "guard/tree/StructureExpressions.h"

namespace guard {

template <class Visit>
EvalCode advanceStreamWhile(Expression* stream, Visit&& visit)
{
    switch (stream->kind) {
    case NodeKind::Property: return static_cast<PropertyExpression*>(stream)->advanceWhile(visit);
    case NodeKind::Whose: return static_cast<WhoseExpression*>(stream)->advanceWhile(visit);
    default:
        for (;;) {
            EvalCode code = stream->next();
            if (code || !stream->value || !visit())
                return code;
        }
    }
}

} // namespace guard
