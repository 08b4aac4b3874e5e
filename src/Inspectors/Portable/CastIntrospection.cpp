// "cast" values: the registered casts and what their records say.
#include "Inspectors/Portable/IntrospectionValues.h"
#include "registry/Inspectors.h"
#include "registry/Registration.h"

namespace {

using CastList = RegisteredRecords<CastRecord, CastRef, firstRegisteredCast>;

class AllCasts : CastList {
public:
    bool first(CastRef& out)
    {
        restart();
        return next(out);
    }
    bool next(CastRef& out)
    {
        return find(out, [](const CastRecord&) { return true; });
    }
};

class CastsNamed : CastList {
public:
    bool first(CastRef& out, const String& name)
    {
        name_ = name;
        restart();
        return next(out);
    }
    bool next(CastRef& out)
    {
        return find(out, [this](const CastRecord& r) { return r.castName == name_.view(); });
    }

private:
    String name_;
};

// Casts whose source (or result) type is the given one.
template <const char* CastRecord::*Field>
class CastsByType : CastList {
public:
    bool first(CastRef& out, const TypeRef& type)
    {
        type_ = type;
        restart();
        return next(out);
    }
    bool next(CastRef& out)
    {
        return find(out, [this](const CastRecord& r) { return r.*Field == std::string_view(type_.record->name); });
    }

private:
    TypeRef type_{};
};

using CastsFrom = CastsByType<&CastRecord::sourceTypeName>;
using CastsReturning = CastsByType<&CastRecord::resultTypeName>;

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

GUARD_INSPECTORS(type<CastRef>(),
                 iterated<Shape::Global, AllCasts>("cast", "casts"),
                 iterated<Shape::Keyed, CastsNamed>("cast", "casts"),
                 iterated<Shape::Keyed, CastsReturning>("cast returning", "casts returning"),
                 iterated<Shape::Of, CastsFrom>("cast from", "casts from"),
                 property<Shape::Of, castName>("name", "names"),
                 property<Shape::Of, operandType>("operand type", "operand types"),
                 property<Shape::Of, resultType>("result type", "result types"),
                 cast<castAsString>("string"))
