#pragma once
// The operations through which the parser builds an expression, in
// reverse-Polish order: operands first, then the operation that combines
// them. Reset clears the builder; the Push operations are called for tokens,
// the Make operations (and AddWhose, EndTuple, FinishTree) by grammar rules.
//
// Operator flags: byte 0 is the swap flag (exchange the operands), byte 1
// the negate flag (wrap the result in "not").
#include <cstdint>

namespace guard {

class GuardRPNSemantics {
public:
    static constexpr std::uint32_t kSwapFlag = 0x1;
    static constexpr std::uint32_t kNegateFlag = 0x100;

    virtual ~GuardRPNSemantics() = default;
    virtual void Reset() = 0;
    virtual void PushInteger(std::uint32_t low, std::uint32_t high) = 0;
    virtual void PushString(const char* begin, const char* end) = 0;
    virtual void PushPhrase(const char* begin, const char* end) = 0;
    virtual void PushOperator(std::uint32_t code, std::uint32_t flags) = 0;
    virtual void PushIt() = 0;
    virtual void MakePhraseWithArgument() = 0;
    virtual void MakePrimaryItem() = 0;
    virtual void MakeBarePhrase() = 0;
    virtual void AddWhose() = 0;
    virtual void MakeOf() = 0;
    virtual void MakeOfNothing() = 0;
    virtual void MakeExists() = 0;
    virtual void MakeExistsNo() = 0;
    virtual void MakeCast() = 0;
    virtual void MakeBinaryOperator() = 0;
    virtual void MakeNot() = 0;
    virtual void MakeNegation() = 0;
    virtual void MakeBar() = 0;
    virtual void MakeMinus() = 0;
    virtual void MakeAnd() = 0;
    virtual void MakeOr() = 0;
    virtual void EndTuple() = 0;
    virtual void MakeTuple() = 0;
    virtual void MakeCollection() = 0;
    virtual void MakeIf() = 0;
    virtual void FinishTree() = 0;
};

} // namespace guard
