guard-options:Types
Reading, the significance of the written digits, and writing in standard notation.
Q: floating point "1.5"

Q: floating point "+1.5"

Q: floating point "-1.5"

Q: floating point "1.50"

Q: floating point ".5"

Q: floating point "5."

Q: floating point "1500"

Q: floating point "1500.0"

Q: floating point "15e2"

Q: floating point "0.001"

Q: floating point "0"

Q: floating point "-0"

Q: floating point "0.000"

Q: significance threshold of floating point "1500"

Q: significance threshold of floating point "1500.0"

Q: significance threshold of floating point "15e2"

Q: significance threshold of floating point "1.5e-3"

Q: significance threshold of floating point "0"

Q: significance threshold of floating point "000"

Q: significance threshold of floating point "1e-400"

Q: "2.5" as floating point

Q: floating points ("1"; "x"; "2.0")

Texts that are not floating point numbers.
Q: floating point ""

Q: floating point "."

Q: floating point "1e"

Q: floating point "e5"

Q: floating point "1.5.2"

Q: floating point "1e+"

Q: floating point "1e1.5"

Q: floating point " 1"

Q: floating point "1 "

Q: floating point "0x10"

Q: floating point "1,5"

Q: floating point "--1"

Q: floating point "-"

Q: floating point "-.e1"

Non-finite values, spelled in any case, with optional blanks around the sign.
Q: floating point "1e400"

Q: floating point "-1e400"

Q: floating point "+inf"

Q: floating point "- Infinity"

Q: floating point "  -INF"

Q: floating point "infinity"

Q: floating point "nan"

Q: floating point "NaN"

Q: floating point "-nan"

Q: floating point "inf "

Q: floating point "infinite"

Q: floating point "1n"

Q: floating point "+"

Q: significance threshold of floating point "nan"

Flags from reading.
Q: overflow of floating point "1e400"

Q: finite of floating point "1e400"

Q: infinite of floating point "1e400"

Q: inexact of floating point "1e400"

Q: floating point "1e-400"

Q: underflow of floating point "1e-400"

Q: inexact of floating point "1e-400"

Q: underflow of floating point "0e-400"

Q: normal of floating point "1e-310"

Q: underflow of floating point "1e-310"

Q: normal of floating point "1e-300"

Q: normal of floating point "0"

Q: inexact of floating point "0.1"

Q: inexact of floating point "9007199254740995"

Q: floating point "9007199254740995"

Q: inexact of floating point "9007199254740993"

Q: nan of floating point "nan"

Q: finite of floating point "nan"

Q: infinite of floating point "nan"

Q: finite of floating point "1.5"

Q: (overflow of it, underflow of it, inexact of it, invalid of it, divided by zero of it) of floating point "1.5"

Exceptions of arithmetic are recorded in the flags, never fail.
Q: floating point "1" / floating point "0"

Q: divided by zero of (floating point "1" / floating point "0")

Q: floating point "-1" / 0

Q: divided by zero of (1 / floating point "0")

Q: floating point "0" / floating point "0"

Q: invalid of (floating point "0" / floating point "0")

Q: nan of (floating point "inf" - floating point "inf")

Q: invalid of (floating point "inf" - floating point "inf")

Q: inexact of (floating point "1" / floating point "3")

Q: overflow of (floating point "1e300" * floating point "1e300")

Q: underflow of (floating point "1e-300" * floating point "1e-300")

Q: inexact of (floating point "0.1" + floating point "0.2")

Q: inexact of (floating point "1.5" + floating point "2.25")

Q: invalid of (floating point "0" / floating point "0" + 1)

Q: inexact of (greatest integer as floating point)

Q: inexact of (9007199254740992 as floating point)

Arithmetic and the significance of its result.
Q: floating point "1.5" + floating point "2.26"

Q: floating point "0.1" + floating point "0.2"

Q: floating point "1.5" * 2

Q: 2 * floating point "1.5"

Q: floating point "1.5" / 2

Q: 3 / floating point "1.5"

Q: floating point "10" / floating point "4"

Q: floating point "1.5" - 1

Q: 1 - floating point "1.5"

Q: 1 + floating point "1.5"

Q: - floating point "1.5"

Q: - floating point "inf"

Q: floating point "2.5" * floating point "4.0"

Q: floating point "1.5" - floating point "1.5"

Q: significance threshold of (floating point "2.5" * floating point "4.0")

Comparisons, with integers in either order; NaN compares false.
Q: floating point "1.5" < 2

Q: 2 < floating point "1.5"

Q: floating point "2" = 2

Q: 2 = floating point "2.0"

Q: floating point "2" <= 2

Q: 3 <= floating point "2.5"

Q: floating point "2.5" > 2

Q: floating point "2.5" >= 3

Q: floating point "1.5" = floating point "1.50"

Q: floating point "1" > floating point "0.5"

Q: floating point "1" <= floating point "1"

Q: floating point "nan" = floating point "nan"

Q: floating point "nan" < 1

Q: 1 <= floating point "nan"

Q: floating point "nan" != 1

Q: floating point "nan" <= floating point "nan"

Q: greatest integer = (greatest integer as floating point)

Q: floating point "-inf" < least integer

Integer floor, integer ceiling and the integer cast.
Q: integer floor of floating point "-0.5"

Q: integer ceiling of floating point "-0.5"

Q: integer floor of floating point "2.7"

Q: integer ceiling of floating point "2.1"

Q: integer floor of floating point "1e19"

Q: integer floor of floating point "-9223372036854775808"

Q: integer ceiling of floating point "9223372036854775807"

Q: integer floor of floating point "9223372036854774784"

Q: integer floor of floating point "nan"

Q: integer ceiling of floating point "-inf"

Q: floating point "1.5" as integer

Q: floating point "2.5" as integer

Q: floating point "3.5" as integer

Q: floating point "-2.5" as integer

Q: floating point "-1.0" as integer

Q: floating point "-0.5" as integer

Q: floating point "0.49999" as integer

Q: floating point "-3.7" as integer

Q: floating point "1e19" as integer

Q: floating point "nan" as integer

Q: floating point "inf" as integer

Q: floating point "-9.3e18" as integer

Integers as floating point numbers.
Q: 5 as floating point

Q: (-5) as floating point

Q: greatest integer as floating point

Q: 9007199254740991 as floating point as standard notation

Q: 9007199254740992 as floating point as standard notation

Q: significance threshold of (5 as floating point)

Q: (floating point "1.5") as floating point

Q: floating point (floating point "1.5")

Q: floating point 5

Significance properties.
Q: significance threshold of floating point "1.5"

Q: significance place of floating point "1.5"

Q: significance place of floating point "1500"

Q: relative significance place of floating point "1.5"

Q: more significance 2 of floating point "1.5"

Q: less significance 1 of floating point "1.55"

Q: less significance 2 of floating point "1549"

Q: less significance 1 of floating point "1549"

Q: significance place 2 of floating point "12345"

Q: significance place 0 of floating point "2.25"

Q: relative significance place 3 of floating point "12346"

Q: relative significance place 0 of floating point "12346"

Q: more significance (-1) of floating point "1.5"

Q: less significance (-1) of floating point "1.5"

Q: significance place (-1) of floating point "1.5"

Q: relative significance place (-1) of floating point "1.5"

Q: more significance 0 of floating point "1.5"

The string cast chooses standard notation below 10^61 with a significance place above -61.
Q: floating point "9e60"

Q: floating point "1e60"

Q: floating point "1e61"

Q: floating point "-2.5e70"

Q: floating point "1.5e-59"

Q: floating point "1.5e-60"

Q: floating point "1e-61"

Q: floating point "123456789012345678901234567890"

Q: floating point "123456789012345678901234567890" as standard notation

Q: floating point "123456789012345678901234567890" as scientific notation

Q: floating point "1.5" as scientific notation

Q: floating point "1500" as scientific notation

Q: floating point "1500.0" as scientific notation

Q: floating point "0.0015" as scientific notation

Q: floating point "-0.0015" as standard notation

Q: floating point "1e61" as standard notation

Q: floating point "0" as scientific notation

Q: floating point "-inf" as standard notation

Q: floating point "nan" as scientific notation

Q: floating point "1.5" as string

Significance never finer than the spacing of doubles; rounding carries into a new digit.
Q: floating point "1.0000000000000000001"

Q: inexact of floating point "1.0000000000000000001"

Q: less significance 1 of floating point "99.6"

Q: less significance 1 of floating point "99.6" as scientific notation

Q: 9007199254740993 = floating point "9007199254740992"

Reading, the significance is the place of the last written digit, never finer than the spacing of doubles.
Q: significance threshold of floating point "1500."

Q: significance threshold of floating point "1500e-2"

Q: significance threshold of floating point "1.50E+2"

Q: significance threshold of floating point "2.5e-3"

Q: significance threshold of floating point "0100"

Q: significance threshold of floating point "0.0"

Q: significance threshold of floating point "1e-5"

Q: floating point "1e0000000000000000000000000000001"

Q: significance threshold of floating point "1e0000000000000000000000000000001"

Q: significance threshold of floating point "12345678901234567890"

Q: inexact of floating point "12345678901234567890"

Q: significance threshold of floating point "9007199254740993.0"

Q: inexact of floating point "9007199254740993.0"

Q: significance threshold of floating point "9007199254740993"

Q: significance threshold of floating point "1.0e-306"

Q: inexact of floating point "1.0e-306"

Q: significance threshold of floating point "1.0e-307"

Q: inexact of floating point "1.0e-307"

Q: significance threshold of floating point "0e-400"

Q: floating point "1e99999999999999999999"

Q: floating point "0.0001e312"

Q: inexact of floating point "0.0001e312"

Q: floating point "-1e-400"

Q: floating point "1e-99999999999999999999"

Q: underflow of floating point "100000e-313"

Q: significance threshold of floating point "1e-310"

Q: floating point "+Infinity"

Q: floating point "- inf"

Q: floating point " inf"

Q: floating point "NAN"

Q: significance threshold of floating point "-inf"

Q: floating point "E"

Q: floating point "+."

Q: floating point ".e1"

Q: floating point "1e-"

Q: floating point "1E+-5"

Q: floating point "1 .5"

Q: floating point "1f"

Q: floating point "1e5e5"

Q: floating point "	1"

Q: floating point "1d"

Q: floating point "+nan"

Q: floating point "nan(1)"

Q: floating point "in"

Q: floating point "infinit"

Q: floating point "infinityy"

Q: floating point "-infx"

Q: floating point "n"

Q: floating point "- -inf"

Q: floating point "-+inf"

Q: floating point "+ nan"

Q: floating point "nana"

Q: floating point "inf" as string

Q: floating point (floating point "-inf" as string)

Q: floating point (floating point "nan" as string)

Arithmetic, significances propagate and flags are kept.
Q: (floating point "1.0" * 3) + (floating point "2.0" * 4)

Q: significance threshold of ((floating point "1.0" * 3) + (floating point "2.0" * 4))

Q: significance threshold of ((floating point "1.0" * 3) - (floating point "2.0" * 4))

Q: significance threshold of (floating point "6.0" / floating point "2.0")

Q: significance threshold of (floating point "6.0" / floating point "-2.0")

Q: floating point "6.0" / floating point "-2.0"

Q: significance threshold of (floating point "-2.0" * floating point "3.0")

Q: significance threshold of (- floating point "1.5")

Q: inexact of (- (floating point "0.1" + floating point "0.2"))

Q: significance threshold of (floating point "1.5" + 2)

Q: significance threshold of (2 - floating point "1.5")

Q: significance threshold of (floating point "1.5" * 4)

Q: significance threshold of (4 * floating point "1.5")

Q: significance threshold of (floating point "1.5" * -2)

Q: significance threshold of (floating point "3.0" / 2)

Q: 3 / floating point "1.5"

Q: significance threshold of (3 / floating point "1.5")

Q: floating point "1e308" * 10

Q: overflow of (floating point "1e308" * 10)

Q: underflow of (floating point "1e-308" / floating point "1e10")

Q: inexact of (floating point "1e-308" / floating point "1e10")

Q: inexact of (floating point "1" + floating point "2")

Q: floating point "1" / 0

Q: divided by zero of (floating point "1" / 0)

Q: invalid of (0 / floating point "0")

Q: inexact of (floating point "1" / 3)

Q: divided by zero of (floating point "1" / floating point "0" + floating point "1")

Q: divided by zero of (1 - floating point "1" / floating point "0")

Q: (underflow of it, overflow of it) of (floating point "1e-400" + floating point "1e400")

Q: invalid of ((floating point "0" / floating point "0") * 3)

Q: inexact of ((floating point "0.1" + floating point "0.2") * floating point "1")

Q: 9007199254740993 as floating point

Q: inexact of (9007199254740993 as floating point)

Q: inexact of (least integer as floating point)

Q: inexact of (floating point "0.5" + 9007199254740993)

Q: significance threshold of (3 as floating point)

Q: floating point "-0" = 0

Q: 0 <= floating point "-0"

Q: floating point "inf" > greatest integer

Q: greatest integer < floating point "inf"

Q: floating point "2.5" <= 2

Q: 2 < floating point "2.5"

Q: floating point "nan" = 0

Q: 0 < floating point "nan"

Q: 0 = floating point "nan"

Q: floating point "1.5" < floating point "1.6"

Q: floating point "1.50" <= floating point "1.5"

Properties of the significance.
Q: significance threshold of floating point "0.1"

Q: inexact of significance threshold of floating point "12345678901234567890"

Q: significance place of floating point "-150.0"

Q: relative significance place of floating point "-150.0"

Q: more significance 400 of floating point "-150.0"

Q: significance threshold of more significance 400 of floating point "-150.0"

Q: significance threshold of less significance 400 of floating point "-150.0"

Q: significance threshold of less significance 2 of floating point "-150.0"

Q: significance threshold of significance place 25 of floating point "-150.0"

Q: significance threshold of significance place 23 of floating point "-150.0"

Q: significance threshold of relative significance place 2 of floating point "-150.0"

Q: significance threshold of relative significance place 0 of floating point "-150.0"

Q: underflow of more significance 2 of floating point "1e-310"

Q: more significance (least integer) of floating point "1.5"

Q: less significance (least integer) of floating point "1.5"

Q: significance place (least integer) of floating point "1.5"

Q: relative significance place (least integer) of floating point "1.5"

Q: (inexact of it, underflow of it, overflow of it, divided by zero of it, invalid of it) of (floating point "1e400" / floating point "0")

Q: (finite of it, infinite of it, nan of it, normal of it) of floating point "-1.7976931348623157e308"

Q: (finite of it, infinite of it, nan of it, normal of it) of floating point "2.2250738585072014e-308"

Q: (finite of it, infinite of it, nan of it, normal of it) of floating point "1.1125369292536007e-308"

Q: (finite of it, infinite of it, nan of it, normal of it) of floating point "-inf"

Q: integer floor of floating point "0.49999999999999994"

Q: floating point "0.49999999999999994" as integer

Q: integer ceiling of floating point "0.49999999999999994"

Q: integer floor of floating point "9223372036854775808"

Q: integer ceiling of floating point "-9223372036854777856"

Q: floating point "-9223372036854775808" as integer

Q: integer ceiling of floating point "-9223372036854775808"

Q: integer floor of floating point "inf"

Q: integer ceiling of floating point "nan"

Signs of zero and single flags.
Q: floating point "+-1"

Q: floating point "1" / floating point "-0"

Q: floating point "1" / floating point "-1e-400"

Q: (inexact of it, underflow of it, overflow of it, divided by zero of it, invalid of it) of (floating point "1e-400" + floating point "1" / floating point "0")

Writing at a chosen significance, the limits of standard notation and of the string cast.
Q: significance place 1 of (9007199254740992 as floating point) as standard notation

Q: significance place 7 of floating point "1e22" as standard notation

Q: significance place 5 of floating point "1e20" as standard notation

Q: significance place 5 of floating point "1e22" as standard notation

Q: more significance 1 of floating point "-900719925474099." as standard notation

Q: more significance 16 of floating point "1e15" as standard notation

Q: more significance 59 of floating point "0.1" as standard notation

Q: more significance 12 of floating point "1.0e-40" as standard notation

Q: more significance 19 of floating point "1.0e-50" as standard notation

Q: significance place 45 of floating point "1e60"

Q: significance place 50 of floating point "-9e60"

Q: significance place 0 of floating point "9e60"

Q: significance place 50 of floating point "1e61"

Q: significance place 61 of floating point "-1e61"

Q: significance place 290 of floating point "1e300"

Q: significance place 0 of floating point "18014398509481988"

Q: significance place 8 of floating point "1e23"

Q: significance place 0 of floating point "1e23"

Q: more significance 59 of floating point "0.1"

Q: more significance 60 of floating point "0.1"

Q: more significance 400 of floating point "0.1"

Q: significance place 8 of floating point "1e23" as scientific notation

Q: floating point "1e23" as scientific notation

Q: significance place 21 of floating point "1e22" as scientific notation

Q: more significance 29 of floating point "1.0" as scientific notation

Q: significance place 0 of floating point "-1.7976931348623157e308" as scientific notation

Q: more significance 400 of floating point "2.2250738585072014e-308" as scientific notation

The last written digit is rounded to nearest, ties to even.
Q: significance place 2 of floating point "1234"

Q: significance place 2 of floating point "1234" as scientific notation

Q: significance place 2 of floating point "1250"

Q: significance place 2 of floating point "1250" as scientific notation

Q: significance place 2 of floating point "-1351"

Q: significance place 2 of floating point "-1351" as scientific notation

Q: less significance 1 of floating point "9.96"

Q: less significance 1 of floating point "9.96" as scientific notation

Q: significance place 0 of floating point "99.5"

Q: significance place 0 of floating point "99.5" as scientific notation

Q: significance place 0 of floating point "2.5"

Q: significance place 0 of floating point "2.5" as scientific notation

Q: significance place 0 of floating point "3.5"

Q: significance place 0 of floating point "3.5" as scientific notation

Q: significance place 2 of floating point "40"

Q: significance place 2 of floating point "40" as scientific notation

Q: significance place 3 of floating point "96"

Q: significance place 3 of floating point "96" as scientific notation

Q: significance place 3 of floating point "94"

Q: significance place 3 of floating point "94" as scientific notation

Q: significance place 2 of floating point "0.96"

Q: significance place 2 of floating point "0.96" as scientific notation

Q: significance place 2 of floating point "60"

Q: significance place 2 of floating point "60" as scientific notation

Q: significance place 2 of floating point "50"

Q: significance place 2 of floating point "50" as scientific notation

Q: significance place 0 of floating point "0.7"

Q: significance place 0 of floating point "0.7" as scientific notation

Q: significance place 0 of floating point "-0.3"

Q: significance place 0 of floating point "-0.3" as scientific notation

Q: significance place 0 of floating point "0.0007"

Q: significance place 0 of floating point "0.0007" as scientific notation

Q: floating point "-1.5"

Q: floating point "-1.5" as scientific notation

Q: floating point "0.5"

Q: floating point "0.5" as scientific notation

