guard-options:Types
Types.
Q: type "integer"

Q: type "integer" as string

Q: name of type "hertz"

Q: type "nonexistent"

Q: types "nonexistent"

Q: type "Integer"

Q: type ""

Q: type "( integer, integer )"

Q: type "(integer, integer)"

Q: type "( integer,integer )"

Q: type "( integer, nonexistent )"

Q: (size of type "boolean", size of type "integer", size of type "floating point", size of type "hertz", size of type "bit set", size of type "integer with multiplicity")
Sizes are the language's, whatever this machine's layout: a string is a reference and a length, a record a reference, a tuple the rest's size plus a reference (the empty tuple is one byte).
Q: (size of type "string", size of type "string with multiplicity", size of type "type", size of type "property", size of type "cast", size of type "binary operator", size of type "unary operator", size of type "undefined")
Q: (size of type "( integer )", size of type "( integer, integer )", size of type "( integer, string, boolean )", size of type "floating point with multiplicity")

Q: parent of type "integer"

Q: parent of type "string with multiplicity"

Q: parent of type "integer with multiplicity"

Q: parent of type "floating point with multiplicity"

Q: parent of type "hertz with multiplicity"

Q: parent of parent of type "hertz with multiplicity"

Q: type "integer" = type "integer"

Q: type "integer" = type "string"

Q: type "integer" != parent of type "integer with multiplicity"

Q: type "integer" < type "string"

Q: exists type "integer set" and exists type "string set" and exists type "integer range"

Q: exists type "integer set set"

Properties.
Q: properties "name"

Q: properties "names" of type "type"

Q: properties "nonexistent"

Q: properties "Bit"

Q: properties of type "bit set"

Q: properties of type "integer range"

Q: properties of type "integer set"

Q: properties of type "string with multiplicity"

Q: properties "bit"

Q: properties returning (type "bit set") of type ""

Q: properties returning (type "boolean") of type "floating point"

Q: properties returning (type "hertz")

Q: properties returning type "hertz"

Q: property "least integer"

Q: (singular name of it, plural name of it, usual name of it, multivalued of it, dependency known of it) of property "greatest integer"

Q: (singular name of it, plural name of it, usual name of it, multivalued of it, dependency known of it) of properties "integers in"

Q: usual names of properties "binary operators"

Q: usual names of properties "conjunction"

Q: index types of properties "integers in"

Q: index type of property "least integer"

Q: direct object type of property "least integer"

Q: result type of property "least integer"

Q: direct object types of properties "extrema"

Q: result types of properties "extrema"

Q: properties "significant digitss"

Q: properties "divided by zeroes"

Q: properties "dependencies known"

Q: properties "nothing"

Q: properties "nothings"

Casts.
Q: casts "bits"

Q: cast "bits"

Q: casts "nothing"

Q: casts from of type "bit set"

Q: casts returning (type "bit set")

Q: (name of it, operand type of it, result type of it) of casts "hexadecimal"

Q: casts "standard notation"

Operators; the symbol of mod is %.
Q: binary operators "mod"

Q: binary operators "%25"

Q: binary operators "nothing"

Q: binary operators "+" whose (left operand type of it = type "integer")

Q: (name of it, symbol of it, left operand type of it, right operand type of it, result type of it) of binary operators "contains"

Q: binary operators returning (type "hertz")

Q: unary operators

Q: unary operators "-"

Q: unary operators "minus"

Q: unary operators "+"

Q: (name of it, symbol of it, operand type of it, result type of it) of unary operators

Q: unary operators returning (type "hertz")

Q: unary operator returning (type "integer") as string

The size of the vocabulary (these counts grow with every type and inspector added).
Q: number of types

Q: number of properties

Q: number of casts

Q: number of binary operators

Q: number of unary operators

