// "property" values: the registered properties, plural properties and
// aggregates, and what their records say.
#include "Inspectors/Portable/IntrospectionValues.h"
#include "registry/Inspectors.h"
#include "registry/Registration.h"

namespace guard {

namespace {

bool named(const PropertyRecord& record, const String& name)
{
    return record.singularName == name.view() || record.pluralName == name.view();
}

bool ofType(const PropertyRecord& record, const TypeRef& type)
{
    return record.objectTypeName == std::string_view(type.record->name);
}

bool returning(const PropertyRecord& record, const TypeRef& type)
{
    return record.resultTypeName == std::string_view(type.record->name);
}

bool namedOfType(const PropertyRecord& record, const String& name, const TypeRef& type)
{
    return named(record, name) && ofType(record, type);
}

bool returningOfType(const PropertyRecord& record, const TypeRef& result, const TypeRef& type)
{
    return returning(record, result) && ofType(record, type);
}

template <auto Accept, class... Keys>
using Properties = FilteredRecords<PropertyRecord, PropertyRef, firstRegisteredProperty, Accept, Keys...>;

using AllProperties = Properties<anyRecord<PropertyRecord>>;
using PropertiesNamed = Properties<named, String>;
using PropertiesReturning = Properties<returning, TypeRef>;
using PropertiesOfType = Properties<ofType, TypeRef>;
using PropertiesNamedOfType = Properties<namedOfType, String, TypeRef>;
using PropertiesReturningOfType = Properties<returningOfType, TypeRef, TypeRef>;

String singularName(const PropertyRef& p) { return staticText(p.record->singularName); }
String pluralName(const PropertyRef& p) { return staticText(p.record->pluralName); }
String usualName(const PropertyRef& p) { return p.record->iterated ? pluralName(p) : singularName(p); }
TypeRef resultType(const PropertyRef& p) { return typeNamed(p.record->resultTypeName); }

std::optional<TypeRef> optionalType(const char* name)
{
    if (!*name)
        return std::nullopt;
    return typeNamed(name);
}

std::optional<TypeRef> indexType(const PropertyRef& p) { return optionalType(p.record->keyTypeName); }
std::optional<TypeRef> directObjectType(const PropertyRef& p) { return optionalType(p.record->objectTypeName); }
bool multivalued(const PropertyRef& p) { return p.record->iterated; }
bool dependencyKnown(const PropertyRef& p) { return p.record->dependency != nullptr; }

// "name <key> of <object>: result", the key and object parts only when the
// property has them.
String propertyAsString(const PropertyRef& p)
{
    const PropertyRecord& r = *p.record;
    bool keyed = *r.keyTypeName;
    bool hasObject = *r.objectTypeName;
    return String::join({r.iterated ? r.pluralName : r.singularName, keyed ? " <" : "", r.keyTypeName, keyed ? ">" : "",
                         hasObject ? " of <" : "", r.objectTypeName, hasObject ? ">" : "", ": ", r.resultTypeName});
}

} // namespace

GUARD_INSPECTORS(type<PropertyRef>(), iterated<Shape::Global, AllProperties>("property", "properties"),
                 iterated<Shape::Keyed, PropertiesNamed>("property", "properties"),
                 iterated<Shape::Keyed, PropertiesReturning>("property returning", "properties returning"),
                 iterated<Shape::Of, PropertiesOfType>("property", "properties"),
                 iterated<Shape::KeyedOf, PropertiesNamedOfType>("property", "properties"),
                 iterated<Shape::KeyedOf, PropertiesReturningOfType>("property returning", "properties returning"),
                 property<Shape::Of, singularName>("singular name", "singular names"),
                 property<Shape::Of, pluralName>("plural name", "plural names"),
                 property<Shape::Of, usualName>("usual name", "usual names"),
                 property<Shape::Of, resultType>("result type", "result types"),
                 property<Shape::Of, indexType>("index type", "index types"),
                 property<Shape::Of, directObjectType>("direct object type", "direct object types"),
                 property<Shape::Of, multivalued>("multivalued", "multivalueds"),
                 property<Shape::Of, dependencyKnown>("dependency known", "dependencies known"),
                 cast<propertyAsString>("string"))

} // namespace guard
