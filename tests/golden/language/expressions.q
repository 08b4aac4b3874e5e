guard-options: Types
Plural operands under exists, number of and if.
Q: exists integers in (1, 3)

Q: number of integers in (1, 3)

Q: number of (integers in (1, 3)) + 1

Q: if true then (1; 2) else 3

Q: if false then nothing else 4

Q: exists (1; 2) whose (false)

Q: exists (integers in (1, 5)) whose (it > 4)

Q: exists (2; integer "x")

A singular phrase of a plural object has one value per object value.
Q: absolute value of (2; -4)

Q: absolute values of (2; -4)

Q: absolute value of integer "x"

Q: ""

And, or and if evaluate only what they need.
Q: false and boolean "x"

Q: true or boolean "x"

Q: true and boolean "x"

Q: false or boolean "x"

Q: not boolean "x"

Q: if true then 1 else integer "x"

Q: if false then integer "x" else 2

Q: number of (if true then integer "x" else 1)

Q: number of (if false then (1; 2) else integer "x")

Q: number of (if true then (1; 2) else integer "x")

Q: if (1 = 1) then "yes" else "no"

A bar falls back on any failure of its left.
Q: integer "x" | 7

Q: (1 / 0) | 7

Q: 5 | integer "x"

Q: integer "x" | integer "y"

Q: integer "x" | (1 / 0)

Q: integer "x" | error "right"

Q: error "x" | true

Q: (absolute value of (2; 4)) | 9

Its right side is read as a singular child, so a second value, or a failure after the first, is reported.
Q: (10 / 0) | absolute value of (3; 4)

Q: (10 / 0) | absolute value of (3; error "x")

Q: number of ((10 / 0) | integer in (1, 3))

Q: (1; 2) whose ((1 / 0 = 1) | bit 0 of (it; 2))

A second value of a singular operand is reported by "not", unary operators, casts and aggregates, which finish it, but not by a binary operator, which keeps its operands open; number of takes any number.
Q: not bit 0 of (1; 2)

Q: - absolute value of (3; 4)

Q: absolute value of (3; 4) as string

Q: absolute value of (3; 4) + 1

Q: sum of absolute value of (1; 2)

Q: number of absolute value of (1; 2)

Whose filters.
Q: (integers in (1, 6)) whose (it mod 2 = 0)

Q: (integers in (1, 6)) whose (6 / (it - 3) > 2)

Q: (integers in (1, 3)) whose (if it = 2 then error "x" else true)

A singular condition without a value, or with two, rejects; a plural one without values accepts.

Q: (1; 2; 3) whose (boolean "x")

Q: (1; 2; 3) whose (if it = 2 then boolean "x" else true)

Q: 5 whose (item 0 of ((true; true), 1))

Q: (1; 2) whose ((true; false) whose (false))

Q: (integers in (1, 3)) whose ((true; false))

Q: (integers in (1, 3)) whose ((false; false) whose (it))

Q: (integers in (1, 3)) whose (exists (integers in (1, it)) whose (it > 1))

Q: (integers in (1, 9)) whose (it > 3) whose (it < 6)

Q: 3 whose (it > 5)

Q: number of (integers in (1, 10)) whose (it > 5)

Q: number of (integers in (1, 20)) whose (it mod 3 = 0) whose (it mod 2 = 0)

Q: number of (integers in (1, 5)) whose (10 / (it - 3) > 0)

Q: sum of (integers in (1, 10)) whose (it > 5)

Q: maximum of (integers in (1, 10)) whose (it mod 4 = 0)

Q: number of (integers in (1, 3)) whose (it > 5)

Q: sum of (integers in (1, 3)) whose (it > 5)

Tuples, items, collections and computed properties.
Q: (1; 2), (3; 4)

Tuples compare element by element, with the elements' own "=" and "<".
Q: (true, 1) = (true, 1)

Q: (true, 1) < (true, 2)

Q: (true, 1) < (false, 2)

Q: (1, true) < (2, false)

Q: (1, (2, 3)) < (1, (2, 2))

Q: (2, 1) <= (1, 5)

Q: (1, 2) <= (1, 2)

Q: 1, (2, 3)

Q: item 1 of (1, "b", 3)

Q: items 0 of ((1, 2); (3, 4))

Q: item 0 of (integers in (1, 2), 5)

Q: (1; 2); (3; 4)

Q: (integers in (1, 0, 1)); 1

Q: (it * 10) of (1; 2)

Q: (it, it + 1) of (integers in (1, 2))

Q: (integers in (1, it)) of (integers in (1, 3))

Q: (sum of integers in (1, it)) of (integers in (1, 3))

Binding failures are found before any value is made, each with its own sentence.
Q: it

Q: it + 1

Q: (integers in (1, 3)) + 1

Q: - integers in (1, 3)

Q: not (true; false)

Q: (true; false) and true

Q: (1; 2) | 3

Q: not 1

Q: 1 and true

Q: true or 1

Q: if 1 then 2 else 3

Q: (1; 2) whose (it)

Q: (1; 2) and true

Q: if true then 1 else "a"

Q: 1; "a"

Q: 1 | "a"

Q: item 2 of (1, 2)

Q: item 0 of 5

Q: item (1 + 0) of (1, 2)

Q: item 9223372036854775808 of (1, 2)

Q: no such phrase

Q: 1 as no such cast

Q: 1 + "a"

Q: - "a"

