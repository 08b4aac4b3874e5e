// "type" values: the registered types, their names, sizes and parents.
#include "Inspectors/Portable/IntrospectionValues.h"
#include "registry/InspectorErrors.h"
#include "registry/InspectorRegistry.h"
#include "registry/Inspectors.h"
#include "registry/Registration.h"
#include "registry/RegistryErrors.h"

namespace guard {

TypeRef typeNamed(std::string_view name)
{
    const TypeRecord* type = nullptr;
    try {
        type = InspectorRegistry::get().findType(name);
    } catch (const BadStructuredTypeName&) {
    } catch (const BadTypeList&) {
    }
    if (!type)
        throw NoSuchObject();
    return TypeRef{type};
}

namespace {

TypeRef typeOfName(const String& name) { return typeNamed(name.view()); }

using AllTypes = FilteredRecords<TypeRecord, TypeRef, firstRegisteredType, anyRecord<TypeRecord>>;

String typeName(const TypeRef& type) { return staticText(type.record->name); }
std::int64_t typeSize(const TypeRef& type) { return type.record->declaredSize; }

std::optional<TypeRef> typeParent(const TypeRef& type)
{
    if (!type.record->base)
        return std::nullopt;
    return TypeRef{type.record->base};
}

bool sameType(const TypeRef& a, const TypeRef& b) { return a.record == b.record; }

} // namespace

GUARD_INSPECTORS(type<TypeRef>(), property<Shape::Keyed, typeOfName>("type", "types"),
                 iterated<Shape::Global, AllTypes>("type", "types"), property<Shape::Of, typeName>("name", "names"),
                 property<Shape::Of, typeSize>("size", "sizes"), property<Shape::Of, typeParent>("parent", "parents"),
                 cast<typeName>("string"), binary<kEqual, sameType>())

} // namespace guard
