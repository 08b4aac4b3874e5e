// "cast" values: the registered casts and what their records say.
#include "Inspectors/Portable/IntrospectionValues.h"
#include "registry/Inspectors.h"
#include "registry/Registration.h"

namespace guard {

namespace {

bool named(const CastRecord& record, const String& name) { return record.castName == name.view(); }

bool from(const CastRecord& record, const TypeRef& type)
{
    return record.sourceTypeName == std::string_view(type.record->name);
}

bool returning(const CastRecord& record, const TypeRef& type)
{
    return record.resultTypeName == std::string_view(type.record->name);
}

template <auto Accept, class... Keys>
using Casts = FilteredRecords<CastRecord, CastRef, firstRegisteredCast, Accept, Keys...>;

using AllCasts = Casts<anyRecord<CastRecord>>;
using CastsNamed = Casts<named, String>;
using CastsFrom = Casts<from, TypeRef>;
using CastsReturning = Casts<returning, TypeRef>;

String castName(const CastRef& c) { return staticText(c.record->castName); }
TypeRef operandType(const CastRef& c) { return typeNamed(c.record->sourceTypeName); }
TypeRef resultType(const CastRef& c) { return typeNamed(c.record->resultTypeName); }

// "<source> as name: result"
String castAsString(const CastRef& c)
{
    const CastRecord& r = *c.record;
    return String::join({"<", r.sourceTypeName, "> as ", r.castName, ": ", r.resultTypeName});
}

} // namespace

GUARD_INSPECTORS(type<CastRef>(), iterated<Shape::Global, AllCasts>("cast", "casts"),
                 iterated<Shape::Keyed, CastsNamed>("cast", "casts"),
                 iterated<Shape::Keyed, CastsReturning>("cast returning", "casts returning"),
                 iterated<Shape::Of, CastsFrom>("cast from", "casts from"),
                 property<Shape::Of, castName>("name", "names"),
                 property<Shape::Of, operandType>("operand type", "operand types"),
                 property<Shape::Of, resultType>("result type", "result types"), cast<castAsString>("string"))

} // namespace guard
