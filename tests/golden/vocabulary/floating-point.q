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

