#pragma once
// The catalogue's vocabulary for registering types and inspectors: one row
// per registration, each row one line.
//
//   GUARD_INSPECTORS(
//       type<FloatingPoint>(),
//       property<Shape::Of, absoluteValue>("absolute value", "absolute values"),
//       property<Shape::Keyed, integerFromText>("integer", "integers"),
//       iterated<Shape::Keyed, IntegersIn>("integer in", "integers in"),
//       aggregate<IntegerSum>("sum", "sums"),
//       cast<integerAsString>("string"),
//       binary<kPlus, integerPlus>(),
//       unary<kUnaryMinus, integerNegate>())
//
// Every type name of a row comes from the C++ types of its function (through
// GuardType), so a row that does not fit its function fails to compile. The
// rows of one GUARD_INSPECTORS list are registered in their order when the
// program starts. A row depends only on its operands unless it says
// otherwise with .isVolatile() or .dependingOn(function).
#include <algorithm>
#include <array>
#include <cstddef>

#include "registry/CoreValues.h"
#include "registry/InspectorAdapters.h"
#include "registry/Registration.h"

namespace guard {

struct InspectorRow {
    enum class Kind : unsigned char { Type, Property, Cast, BinaryOperator, UnaryOperator };

    struct TypeFields {
        const char* name;
        std::uint32_t valueSize;
        std::uint32_t declaredSize;
        const char* baseName;
        HashFunction hash;
        bool selfContained;
    };

    constexpr InspectorRow() : kind(Kind::Type), type{nullptr, 0, 0, nullptr, nullptr, false} { }
    constexpr InspectorRow(TypeFields fields) : kind(Kind::Type), type(fields) { }
    constexpr InspectorRow(const PropertyRecord& record) : kind(Kind::Property), property(record) { }
    constexpr InspectorRow(const CastRecord& record) : kind(Kind::Cast), cast(record) { }
    constexpr InspectorRow(const BinaryOperatorRecord& record) : kind(Kind::BinaryOperator), binary(record) { }
    constexpr InspectorRow(const UnaryOperatorRecord& record) : kind(Kind::UnaryOperator), unary(record) { }

    // The inspector's result is never reused: it may change between calls.
    constexpr InspectorRow isVolatile() const { return dependingOn(nullptr); }
    // The inspector's result depends on global state that `dependency` adds.
    constexpr InspectorRow dependingOn(DependencyFunction dependency) const
    {
        InspectorRow row = *this;
        switch (row.kind) {
        case Kind::Type: break;
        case Kind::Property: row.property.dependency = dependency; break;
        case Kind::Cast: row.cast.dependency = dependency; break;
        case Kind::BinaryOperator: row.binary.dependency = dependency; break;
        case Kind::UnaryOperator: row.unary.dependency = dependency; break;
        }
        return row;
    }

    Kind kind;
    union {
        TypeFields type;
        PropertyRecord property;
        CastRecord cast;
        BinaryOperatorRecord binary;
        UnaryOperatorRecord unary;
    };
};

// The bytes one row takes in registration storage: a type's record (the
// registry writes into it), rounded up to 16 bytes; nothing for the other
// kinds, whose records stay where the rows are, beside a slot each.
constexpr std::size_t registeredSize(const InspectorRow& row)
{
    return row.kind == InspectorRow::Kind::Type ? (sizeof(TypeRecord) + 15) / 16 * 16 : 0;
}

template <std::size_t N>
constexpr std::size_t registeredSize(const std::array<InspectorRow, N>& rows)
{
    std::size_t size = 0;
    for (const InspectorRow& row : rows)
        size += registeredSize(row);
    return size;
}

// The rows with row i's record pointing at slots[i] (`slots` has static
// storage, so this is a constant expression).
template <std::size_t N>
constexpr std::array<InspectorRow, N> withSlots(std::array<InspectorRow, N> rows, RecordSlot* slots)
{
    for (std::size_t i = 0; i < N; ++i) {
        switch (rows[i].kind) {
        case InspectorRow::Kind::Type: break;
        case InspectorRow::Kind::Property: rows[i].property.slot = &slots[i]; break;
        case InspectorRow::Kind::Cast: rows[i].cast.slot = &slots[i]; break;
        case InspectorRow::Kind::BinaryOperator: rows[i].binary.slot = &slots[i]; break;
        case InspectorRow::Kind::UnaryOperator: rows[i].unary.slot = &slots[i]; break;
        }
    }
    return rows;
}

// Registers the rows in their order: the types into `storage` (16-byte
// aligned, registeredSize(rows) bytes), every other record where it is,
// through the slot withSlots gave it. Returns true (for use in an
// initialiser).
bool registerRows(const InspectorRow* rows, std::size_t count, unsigned char* storage, std::size_t storageSize);

namespace RowDetail {

template <class T>
void hashValue(HashAccumulator& accumulator, const void* value)
{
    GuardType<T>::hash(accumulator, *static_cast<const T*>(value));
}

template <class T>
constexpr HashFunction hashFunction()
{
    if constexpr (requires(HashAccumulator & a, const T& v) { GuardType<T>::hash(a, v); })
        return &hashValue<T>;
    else
        return nullptr;
}

} // namespace RowDetail

// The type of C++ value type T, named by GuardType<T> (with its base, if
// it names one). Values are copied as raw bytes and never destroyed.
template <GuardValue T>
constexpr InspectorRow type()
{
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
                  "values live in the stack allocator and are never destroyed");
    static_assert(alignof(T) <= 8, "values are aligned to 8 bytes");
    return InspectorRow::TypeFields{GuardType<T>::name,     std::uint32_t(sizeof(T)),     guardDeclaredSize<T>(),
                                    guardBaseTypeName<T>(), RowDetail::hashFunction<T>(), guardSelfContained<T>()};
}

template <Shape shape, auto F>
constexpr InspectorRow property(const char* singular, const char* plural)
{
    using S = Adapters::Signature<decltype(F)>;
    PropertyRecord record;
    record.dependency = dependsOnOperandsOnly;
    record.perOperand = &Adapters::property<shape, F>;
    record.singularName = singular;
    record.pluralName = plural;
    record.keyTypeName = Adapters::keyTypeName<shape, typename S::Arguments>();
    record.objectTypeName = Adapters::objectTypeName<shape, typename S::Arguments>();
    record.resultTypeName = GuardType<typename Adapters::Stored<typename S::Result>::Value>::name;
    return record;
}

template <Shape shape, class State>
constexpr InspectorRow iterated(const char* singular, const char* plural)
{
    static_assert(alignof(State) <= 8, "inspector state is aligned to 8 bytes");
    using S = Adapters::MemberSignature<decltype(&State::first)>;
    PropertyRecord record;
    record.dependency = dependsOnOperandsOnly;
    record.stateSize = sizeof(State);
    record.constructState = &Adapters::constructState<State>;
    record.destroyState = &Adapters::destroyState<State>;
    record.perOperand = &Adapters::iteratedFirst<shape, State>;
    record.perOperandNext = &Adapters::iteratedNext<State>;
    record.kind = PropertyKind::Iterated;
    record.iterated = true;
    record.singularName = singular;
    record.pluralName = plural;
    record.keyTypeName = Adapters::keyTypeName<shape, typename S::Arguments>();
    record.objectTypeName = Adapters::objectTypeName<shape, typename S::Arguments>();
    record.resultTypeName = GuardType<typename S::Result>::name;
    return record;
}

template <class State>
constexpr InspectorRow aggregate(const char* singular, const char* plural)
{
    static_assert(alignof(State) <= 8, "inspector state is aligned to 8 bytes");
    using Add = Adapters::MemberSignature<decltype(&State::add)>;
    constexpr Shape shape = Add::arity == 2 ? Shape::KeyedOf : Shape::Of;
    PropertyRecord record;
    record.dependency = dependsOnOperandsOnly;
    record.stateSize = sizeof(State);
    record.constructState = &Adapters::constructState<State>;
    record.destroyState = &Adapters::destroyState<State>;
    record.start = &Adapters::aggregateStart<State>;
    record.perOperand = &Adapters::aggregateAdd<State>;
    record.perOperandNext = &Adapters::answerNothing;
    record.end = &Adapters::aggregateEnd<State>;
    if constexpr (Adapters::PluralResult<State>)
        record.endNext = &Adapters::iteratedNext<State>;
    record.kind = PropertyKind::Aggregate;
    record.iterated = true;
    record.singularName = singular;
    record.pluralName = plural;
    record.keyTypeName = Adapters::keyTypeName<shape, typename Add::Arguments>();
    record.objectTypeName = Adapters::objectTypeName<shape, typename Add::Arguments>();
    record.resultTypeName = GuardType<Adapters::AggregateResult<State>>::name;
    return record;
}

template <auto F>
constexpr InspectorRow cast(const char* name)
{
    using S = Adapters::Signature<decltype(F)>;
    CastRecord record;
    record.dependency = dependsOnOperandsOnly;
    record.adapter = &Adapters::unary<F>;
    record.castName = name;
    record.sourceTypeName = Adapters::argumentTypeName<typename S::Arguments, 0>();
    record.resultTypeName = GuardType<typename Adapters::Stored<typename S::Result>::Value>::name;
    return record;
}

template <unsigned index, auto F>
constexpr InspectorRow binary()
{
    static_assert(index < kBinaryOperatorCount, "there are twelve binary operators");
    using S = Adapters::Signature<decltype(F)>;
    BinaryOperatorRecord record;
    record.dependency = dependsOnOperandsOnly;
    record.adapter = &Adapters::binary<F>;
    record.operatorIndex = index;
    record.leftTypeName = Adapters::argumentTypeName<typename S::Arguments, 0>();
    record.rightTypeName = Adapters::argumentTypeName<typename S::Arguments, 1>();
    record.resultTypeName = GuardType<typename Adapters::Stored<typename S::Result>::Value>::name;
    return record;
}

template <unsigned index, auto F>
constexpr InspectorRow unary()
{
    static_assert(index == kUnaryMinus, "the only unary operator is minus");
    using S = Adapters::Signature<decltype(F)>;
    UnaryOperatorRecord record;
    record.dependency = dependsOnOperandsOnly;
    record.adapter = &Adapters::unary<F>;
    record.operatorIndex = index;
    record.operandTypeName = Adapters::argumentTypeName<typename S::Arguments, 0>();
    record.resultTypeName = GuardType<typename Adapters::Stored<typename S::Result>::Value>::name;
    return record;
}

// Joins row arrays made by bundle templates into one array.
template <std::size_t... N>
constexpr auto joinRows(const std::array<InspectorRow, N>&... parts)
{
    std::array<InspectorRow, (N + ...)> rows{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), rows.begin() + at), at += N), ...);
    return rows;
}

#define GUARD_CONCAT_INNER(a, b) a##b
#define GUARD_CONCAT(a, b) GUARD_CONCAT_INNER(a, b)

// Registers the rows at start-up, in their order.
#define GUARD_INSPECTORS(...) GUARD_INSPECTOR_ARRAY((std::array{__VA_ARGS__}))

// Registers a std::array of rows (such as a bundle's) at start-up.
#define GUARD_INSPECTOR_ARRAY(...) GUARD_INSPECTOR_ARRAY_AT(__COUNTER__, __VA_ARGS__)
#define GUARD_INSPECTOR_ARRAY_AT(n, ...)                                                                               \
    namespace {                                                                                                        \
    constexpr auto GUARD_CONCAT(guardRowsAsWritten, n) = __VA_ARGS__;                                                  \
    RecordSlot GUARD_CONCAT(guardSlots, n)[GUARD_CONCAT(guardRowsAsWritten, n).size()];                                \
    constexpr auto GUARD_CONCAT(guardRows, n) = withSlots(GUARD_CONCAT(guardRowsAsWritten, n),                         \
                                                          GUARD_CONCAT(guardSlots, n));                                \
    alignas(16) unsigned char GUARD_CONCAT(guardStorage,                                                               \
                                           n)[std::max<std::size_t>(registeredSize(GUARD_CONCAT(guardRows, n)), 1)];   \
    [[maybe_unused]] const bool GUARD_CONCAT(guardRegistered, n) = registerRows(GUARD_CONCAT(guardRows, n).data(),     \
                                                                                GUARD_CONCAT(guardRows, n).size(),     \
                                                                                GUARD_CONCAT(guardStorage, n),         \
                                                                                sizeof GUARD_CONCAT(guardStorage, n)); \
    }

} // namespace guard
