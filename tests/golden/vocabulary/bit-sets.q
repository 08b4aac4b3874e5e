guard-options:Types
Reading and writing bit sets.
Q: bit set "1000"

Q: bit set "0001"

Q: bit set "0"

Q: bit set ""

Q: bit set "1111111111111111111111111111111111111111111111111111111111111111"

Q: bit set "01111111111111111111111111111111111111111111111111111111111111111"

Q: bit set "11111111111111111111111111111111111111111111111111111111111111111"

Q: bit set "102"

Q: bit set " 1"

Q: bit set "1 "

Q: bit set "2"

Q: (bit set "1111111111111111111111111111111111111111111111111111111111111111") as integer

Q: bit set "101" as integer

Q: 5 as bit set

Q: 5 as bits

Q: (-1) as bit set

Q: least integer as bits

Q: (-1) as bits as integer

Q: 0 as bits

Single bits.
Q: bit 0

Q: bit 3

Q: bit 63

Q: bit 63 as integer

Q: bit 64

Q: bit (-1)

Q: bits (0; 2; 64)

Q: bit 3 of bit set "1000"

Q: bit 2 of bit set "1000"

Q: bit 63 of bit 63

Q: bit 64 of bit set "1"

Q: bit (-1) of bit set "1"

Q: least significant one bit of bit set "1000"

Q: most significant one bit of bit set "1011000"

Q: least significant one bit of bit set "1011000"

Q: most significant one bit of bit set ""

Q: least significant one bit of bit set "0"

Q: most significant one bit of bit set "1111111111111111111111111111111111111111111111111111111111111111"

Q: one bits of bit set "10110"

Q: one bits of bit set ""

Q: one bit of bit set "10"

Q: one bit of bit set "110"

Q: one bit of bit set ""

Q: number of one bits of bit set "1111111111111111111111111111111111111111111111111111111111111111"

Q: one bits of bit 63

Shifts; a set bit shifted out of the word fails.
Q: right shift 1 of bit 0

Q: right shift 2 of bit set "1011"

Q: right shift 63 of bit 63

Q: right shift 64 of bit 63

Q: right shift (greatest integer) of bit 63

Q: right shift (-63) of bit 0

Q: right shift (-64) of bit 0

Q: right shift (-2) of bit 62

Q: right shift (-1) of bit 62

Q: right shift (least integer) of bit 0

Q: right shift (least integer) of bit set ""

Q: left shift 63 of bit 0

Q: left shift 64 of bit 0

Q: left shift 1 of bit 62

Q: left shift 2 of bit 62

Q: left shift 0 of bit 63

Q: left shift (-64) of bit 0

Q: left shift (-1) of bit set "110"

Q: left shift (-63) of bit 63

Q: left shift (least integer) of bit 5

Q: left shift (greatest integer) of bit set ""

Q: left shift 3 of bit set "101"

Set operations.
Q: bit set "1100" + bit set "1010"

Q: bit set "1100" - bit set "1010"

Q: bit set "1100" * bit set "1010"

Q: bit set "1100" * bit set "0011"

Q: bit set "0011" = bit set "11"

Q: bit set "0011" = bit set "111"

Q: bit set "0011" != bit set "111"

Q: bit set "1110" contains bit set "110"

Q: bit set "1110" contains bit set "1"

Q: bit set "1110" contains bit set ""

Q: bit set "" contains bit set ""

Q: bit set "110" is contained by bit set "1110"

Q: bit set "1" < bit set "10"

Q: bit set "1" + 1

Q: right shift greatest integer of bit 63

