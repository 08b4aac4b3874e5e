guard-options:Types
Unique values, in ascending order, with their multiplicities.
Q: unique values of (3; 1; 3; 2; 3)

Q: multiplicities of unique values of (3; 1; 3; 2; 3)

Q: (it, multiplicity of it) of unique values of (3; 1; 3; 2; 3)

Q: unique values of (1; 2) whose (it > 5)

Q: unique value of (5; 5)

Q: unique value of (5; 6)

Q: (unique value of (4; 4)) + 1

Q: multiplicity of unique value of (least integer; least integer)

Q: unique values of ("b"; "a"; "b")

Q: multiplicities of unique values of ("b"; "a"; "b")

Q: unique values of ("ab"; "a"; ""; "B"; "a")

Q: (unique value of ("a"; "a")) & "b"

Q: unique values of (floating point "2"; floating point "1"; floating point "2.0")

Q: multiplicities of unique values of (floating point "2"; floating point "1"; floating point "2.0")

Q: multiplicity of 5

Minimum, maximum and extrema; the first of equal elements is kept.
Q: minimum of (2; 5; 1)

Q: maximum of (2; 5; 1)

Q: extrema of (2; 5; 1)

Q: minima of (2; 5; 1)

Q: maxima of (2; 5; 1)

Q: extremas of (2; 5; 1)

Q: extrema of 7

Q: minimum of (2; 5; 1) whose (it > 5)

Q: maximum of (2; 5; 1) whose (it > 5)

Q: extrema of (2; 5; 1) whose (it > 5)

Q: maxima of (2; 5; 1) whose (it > 5)

Q: minimum of (greatest integer; least integer)

Q: minimum of (floating point "1.0"; floating point "1")

Q: maximum of (floating point "1.0"; floating point "1")

Q: minimum of (floating point "nan"; floating point "1")

Q: maximum of (floating point "1"; floating point "nan"; floating point "3")

Q: extrema of (floating point "nan"; floating point "1")

Q: extrema of (floating point "2.5"; floating point "-1.5")

Q: minimum of ("b"; "a")

Integer and string sets.
Q: elements of set of (3; 1; 3)

Q: size of set of (3; 1; 3)

Q: elements of set of (1; 2) whose (it > 5)

Q: size of set of (1; 2) whose (it > 5)

Q: element of set of 5

Q: number of elements of set of integers in (1, 1000)

Q: elements of set of (least integer; greatest integer; 0; -1)

Q: elements of set of ("ab"; "a"; "B"; ""; "a")

Q: size of set of ("b"; "a"; "b")

Q: elements of intersection of (set of (1; 2); set of (2; 3))

Q: elements of union of (set of (1; 2); set of (2; 3))

Q: elements of intersection of (set of (1; 2; 3); set of (2; 3; 4); set of (3; 2))

Q: size of union of (set of (1; 2); set of (3; 4)) whose (size of it > 5)

Q: size of intersection of (set of (1; 2); set of (3; 4)) whose (size of it > 5)

Q: elements of intersection of (set of (1; 2); set of (1; 2) whose (false))

Q: elements of (set of (1; 3) + set of (2; 3))

Q: elements of (set of (1; 2; 3) - set of 2)

Q: elements of (set of (1; 2; 3) * set of (3; 2; 5))

Q: elements of (set of (1; 2) * set of (3; 4))

Q: elements of (set of ("x"; "y") - set of ("y"; "z"))

Q: set of (1; 2) = set of (2; 1; 1)

Q: set of (1; 2) = set of 1

Q: set of (1; 2) != set of 1

Q: set of (1; 2; 3) contains 2

Q: set of (1; 2; 3) contains 5

Q: set of (1; 2; 3) contains set of (1; 3)

Q: set of (1; 2; 3) contains set of (1; 4)

Q: set of (1; 2) contains set of (1; 2) whose (false)

Q: set of ("a"; "b") contains "a"

Q: set of ("a"; "b") contains "A"

Q: set of ("a"; "b") contains set of "b"

Q: 2 is contained by set of (1; 2)

Q: set of (1; 2) contains "1"

Q: set of (1; 2) < set of (1; 3)

Q: set of (1; 2) + set of "a"

Q: set of (1; 2)

Q: set of (true; false)

Sums and products of integers are exact; any overflow fails the whole aggregate.
Q: sum of (1; 2; 3)

Q: product of (1; 2; 3; 4)

Q: sums of (1; 2)

Q: sum of integers in (1, 100)

Q: sum of integers in (1, 3, -1)

Q: product of integers in (1, 3, -1)

Q: sum of (9223372036854775807; 1; -1)

Q: sum of (9223372036854775807; -1; 1)

Q: product of (least integer; -1; 0)

Q: product of (4294967296; 4294967296)

Q: product of (least integer; 1)

Q: sum of ("a"; "b")

Means and standard deviations; of no elements they are NaN with the invalid flag.
Q: mean of (1; 2)

Q: mean of (1; 2; 3; 4)

Q: mean of (1; 1; 2)

Q: mean of (1; 2) whose (false)

Q: invalid of mean of (1; 2) whose (false)

Q: standard deviation of (2; 4; 4; 4; 5; 5; 7; 9)

Q: standard deviation of 5

Q: standard deviation of (1; 2) whose (false)

Q: invalid of standard deviation of (1; 2) whose (false)

Q: mean of (greatest integer; greatest integer)

Q: inexact of mean of (greatest integer; greatest integer)

Q: inexact of mean of (1; 2)

Q: sum of (floating point "1.5"; floating point "2.5")

Q: sum of (floating point "1.5"; floating point "2.5") whose (false)

Q: significance threshold of product of (floating point "1.5"; floating point "2.5") whose (false)

Q: product of (floating point "1.5"; floating point "2")

Q: mean of (floating point "1.5"; floating point "2.5")

Q: standard deviation of (floating point "1"; floating point "3")

Q: mean of (floating point "1"; floating point "3") whose (false)

Q: sum of (floating point "inf"; floating point "-inf")

Q: mean of (1; floating point "2")

Strings are ordered byte by byte, bytes from 128 up after the ASCII letters.
Q: elements of set of ("%e9"; "a"; "%00"; "")

Q: unique values of ("%e9"; "a"; "%e9")

Q: size of set of ("a%00b"; "a%00c"; "a")

