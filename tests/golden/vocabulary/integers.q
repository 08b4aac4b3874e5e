guard-options:Types
Integer arithmetic is exact and fails where the result does not fit in 64 bits.
Q: 1 + 2 * 3

Q: 9223372036854775807 + 1

Q: least integer - 1

Q: greatest integer - -1

Q: 4294967296 * 4294967296

Q: 3037000499 * 3037000499

Q: least integer * -1

Q: least integer + greatest integer

Q: least integer * 1

Division rounds towards minus infinity; mod has the sign of the divisor.
Q: -7 / 2

Q: -7 mod 2

Q: 7 / -2

Q: 7 mod -2

Q: -7 / -2

Q: -7 mod -2

Q: 7 / 2

Q: 7 mod 2

Q: -6 / 3

Q: -6 mod 3

Q: 0 / -5

Q: 7 / 0

Q: 7 mod 0

Q: least integer / -1

Q: least integer mod -1

Q: least integer / 2

Q: least integer mod 3

Q: least integer / greatest integer

Q: greatest integer / least integer

Q: greatest integer mod least integer

Q: least integer mod greatest integer

Unary minus and absolute value fail only for the least integer.
Q: - 5

Q: - - 5

Q: - least integer

Q: - (greatest integer)

Q: absolute value of (-5)

Q: absolute value of 0

Q: absolute value of least integer

Q: absolute value of (least integer + 1)

Q: absolute values of (-3; 4; least integer; -9)

A numeral of 2^63 or more has no value; negation binds looser than a cast.
Q: 9223372036854775808

Q: -9223372036854775808

Q: -2 as string

Q: (-2) as string

Q: greatest integer

Q: least integer

Q: greatest integers

Q: 42 as integer

Reading integers from text.
Q: integer 5

Q: integer 0

Q: integer (-1)

Q: integer "+12"

Q: integer "-12"

Q: integer "00012"

Q: integer "-0"

Q: integer " 12"

Q: integer "12 "

Q: integer ""

Q: integer "+"

Q: integer "-"

Q: integer "+-1"

Q: integer "0x1f"

Q: integer "1e3"

Q: integer "1.0"

Q: integer "-9223372036854775808"

Q: integer "9223372036854775807"

Q: integer "9223372036854775808"

Q: integer "-9223372036854775809"

Q: integer "18446744073709551616"

Q: "42" as integer

Q: "4 2" as integer

Q: integers ("1"; "x"; "-3")

Writing integers as text.
Q: greatest integer as string

Q: least integer as string

Q: 0 as string

Q: 255 as hexadecimal

Q: 16 as hexadecimal

Q: 0 as hexadecimal

Q: (-1) as hexadecimal

Q: least integer as hexadecimal

Q: greatest integer as hexadecimal

Hexadecimal integers and hexadecimal strings.
Q: hexadecimal integer "7fffffffffffffff"

Q: hexadecimal integer "8000000000000000"

Q: hexadecimal integer "FF"

Q: hexadecimal integer "fF"

Q: hexadecimal integer "000000000000000000000000ff"

Q: hexadecimal integer ""

Q: hexadecimal integer "0x10"

Q: hexadecimal integer "-1"

Q: hexadecimal integer "g"

Q: hexadecimal integer "1 "

Q: hexadecimal integer (255 as hexadecimal)

Q: hexadecimal string "414243"

Q: hexadecimal string "4a4B"

Q: hexadecimal string "0a25e9"

Q: hexadecimal string ""

Q: hexadecimal string "41424"

Q: hexadecimal string "4g"

Q: "ABC" as hexadecimal

Q: "" as hexadecimal

Q: hexadecimal string ("%0a%ff" as hexadecimal)

Bits of an integer, keys outside 0 to 63 test the sign bit.
Q: bit 0 of 1

Q: bit 1 of 1

Q: bit 62 of greatest integer

Q: bit 63 of greatest integer

Q: bit 63 of least integer

Q: bit 64 of least integer

Q: bit -1 of -1

Q: bit (-1) of (-1)

Q: bit 64 of 5

Q: bit (least integer) of (-2)

Q: bits (0; 1; 2) of 5

Significant digits.
Q: significant digits 2 of -1250

Q: significant digits 2 of (-1250)

Q: significant digits 2 of 1250

Q: significant digits 2 of 1249

Q: significant digits 1 of 95

Q: significant digits 3 of 12

Q: significant digits 0 of 5

Q: significant digits 0 of 4

Q: significant digits 0 of (-99)

Q: significant digits 0 of 0

Q: significant digits 1 of greatest integer

Q: significant digits 19 of greatest integer

Q: significant digits 18 of greatest integer

Q: significant digits 0 of greatest integer

Q: significant digits 2 of least integer

Q: significant digits 4294967295 of 5

Q: significant digits 4294967296 of 5

Q: significant digits (-1) of 5

Ranges of integers.
Q: integers to 3

Q: integers to -2

Q: integers to (-2)

Q: integers to 0

Q: integer to 0

Q: integer to 1

Q: integers in (3, 1)

Q: integers in (5, 5)

Q: integers in (1, 10, 3)

Q: integers in (1, 9, 3)

Q: integers in (10, 1, -4)

Q: integers in (1, 3, -1)

Q: integers in (3, 1, 1)

Q: integers in (1, 3, 0)

Q: integers in (greatest integer - 2, greatest integer)

Q: integers in (least integer + 1, least integer)

Q: integers in (greatest integer - 1, greatest integer, 5)

Q: integers in (0, greatest integer, greatest integer)

Q: integers in (0, least integer, least integer)

Q: number of integers in (1, 10)

Q: number of integers in (1, 3, 0)

Q: integers in (1, 2, 3, 4)

Q: integer in (2, 2)

Comparisons.
Q: 2 < 3

Q: 3 <= 3

Q: 3 > 2

Q: 3 >= 4

Q: 3 = 3

Q: 3 != 3

Q: least integer < greatest integer

Q: 2 is greater than or equal to 2

Q: 1 + "1"

