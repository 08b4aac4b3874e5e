guard-options:Types
Q: hz

Q: khz

Q: mhz

Q: ghz

Q: hzs

Q: ghzs

Q: greatest hz

Q: least hz

Q: greatest hzs

Q: least hzs

Arithmetic as on integers, failing where integers fail.
Q: 3 * mhz

Q: mhz * 3

Q: ghz + mhz

Q: mhz - ghz

Q: ghz / 1000

Q: ghz / mhz

Q: mhz / ghz

Q: - mhz / ghz

Q: - ghz

Q: (7 * hz) mod (2 * hz)

Q: (-7 * hz) mod (2 * hz)

Q: (7 * hz) mod (-2 * hz)

Q: (-7 * hz) / 2

Q: greatest hz + hz

Q: least hz - hz

Q: - least hz

Q: greatest hz * 2

Q: 2 * greatest hz

Q: least hz / -1

Q: least hz / (- hz)

Q: least hz mod (- hz)

Q: hz / 0

Q: hz mod (0 * hz)

Q: hz / (0 * hz)

Q: absolute value of (- mhz)

Q: absolute value of least hz

Q: absolute value of (least hz + hz)

Q: significant digits 2 of (1250 * hz)

Q: significant digits 2 of (-1250 * hz)

Q: significant digits 1 of greatest hz

Q: significant digits 0 of greatest hz

Q: significant digits (-1) of hz

Hertz do not mix with plain integers except in products and quotients by an integer.
Q: hz + 1

Q: 1 - hz

Q: 1 / hz

Q: hz mod 2

Q: hz = 1

Q: hz as integer

Q: hz as string

Order, extremes and unique values.
Q: hz = hz

Q: khz < mhz

Q: mhz <= khz

Q: ghz > mhz

Q: least hz < greatest hz

Q: minimum of (mhz; khz; ghz)

Q: maximum of (mhz; khz; ghz)

Q: extrema of (mhz; khz; ghz)

Q: minimum of (mhz; khz) whose (it > ghz)

Q: unique values of (hz; khz; hz)

Q: multiplicities of unique values of (hz; khz; hz)

Q: (unique value of (hz; hz)) / 1000

