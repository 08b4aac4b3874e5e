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

Arithmetic next to the limits.
Q: (greatest integer - 1) + 1

Q: least integer + -1

Q: 5 - 7

Q: (least integer + 1) - 1

Q: 0 - least integer

Q: -1 - least integer

Q: 4294967296 * 2147483648

Q: 4294967296 * 2147483647

Q: (-4294967296) * 2147483648

Q: -3 * 7

Q: greatest integer * 0

Q: -8 / 2

Q: -1 / 3

Q: 0 / 0

Q: greatest integer / -1

Q: least integer / 1

Q: -8 mod 2

Q: -1 mod greatest integer

Q: conjunction of ((it / -3) * -3 + it mod -3 = it) of integers in (-9, 9)

Q: conjunction of ((it / 4) * 4 + it mod 4 = it) of integers in (-9, 9)

Q: conjunction of ((it / greatest integer) * greatest integer + it mod greatest integer = it) of (least integer + 1; -1; 0; greatest integer)

Q: integer (greatest integer)

Q: bit 3 of 8

Q: bit 63 of (-1)

Q: bit 64 of (-1)

Q: bit 64 of greatest integer

Q: bit (-1) of least integer

Q: bit (-1) of 1

Integers and text, more edges.
Q: integer "99999999999999999999999"

Q: integer "--1"

Q: integer "1 2"

Q: integer (least integer as string)

Q: hexadecimal integer "aBcD"

Q: hexadecimal integer "ffffffffffffffff"

Q: hexadecimal integer "10000000000000000"

Q: hexadecimal integer "+1"

Q: hexadecimal integer " 1"

Q: 4096 as hexadecimal

Q: hexadecimal integer (305441741 as hexadecimal)

Q: hexadecimal string "41624300fF" as hexadecimal

Q: hexadecimal string "1"

Q: hexadecimal string "0g"

Q: hexadecimal string "g0"

Q: hexadecimal string " 41"

Q: hexadecimal string "4 1"

Q: hexadecimal string "0x41"

Q: hexadecimal string "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f202122232425262728292a2b2c2d2e2f303132333435363738393a3b3c3d3e3f404142434445464748494a4b4c4d4e4f505152535455565758595a5b5c5d5e5f606162636465666768696a6b6c6d6e6f707172737475767778797a7b7c7d7e7f808182838485868788898a8b8c8d8e8f909192939495969798999a9b9c9d9e9fa0a1a2a3a4a5a6a7a8a9aaabacadaeafb0b1b2b3b4b5b6b7b8b9babbbcbdbebfc0c1c2c3c4c5c6c7c8c9cacbcccdcecfd0d1d2d3d4d5d6d7d8d9dadbdcdddedfe0e1e2e3e4e5e6e7e8e9eaebecedeeeff0f1f2f3f4f5f6f7f8f9fafbfcfdfeff" as hexadecimal

Q: significant digits 3 of 1250

Q: significant digits 100 of 1250

Q: significant digits 1 of 94

Q: significant digits 0 of 4999

Q: significant digits 0 of 5000

Q: significant digits 0 of (-7)

Q: significant digits 1 of 0

Q: significant digits 18 of 9223372036854775000

Q: significant digits 18 of least integer

Q: significant digits 17 of least integer

Q: significant digits 19 of least integer

Ranges, more edges.
Q: integers in (-1, -1)

Q: integers in (5, 5, -1)

Q: integers in (greatest integer - 5, greatest integer, 4)

Q: integers in (least integer, greatest integer, greatest integer)

Q: integers in (greatest integer, least integer, least integer)

