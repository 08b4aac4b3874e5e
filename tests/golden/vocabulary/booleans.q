guard-options:Types
Q: true

Q: false

Q: trues

Q: falses

Q: true as string

Q: false as boolean

Q: boolean "true"

Q: boolean "FaLsE"

Q: boolean "TRUE"

Q: boolean " true"

Q: boolean "true "

Q: boolean "truee"

Q: boolean "yes"

Q: boolean "1"

Q: boolean ""

Q: booleans ("True"; "no"; "false")

Q: "False" as boolean

Q: "0" as boolean

Q: true = false

Q: false = false

Q: true != false

Q: true = 1

Q: true < false

Q: not true

Conjunction and disjunction, also of no elements at all.
Q: conjunction of (true; false; true)

Q: conjunction of (true; true)

Q: conjunction of (true; false) whose (false)

Q: disjunction of (false; true; false)

Q: disjunction of (false; false)

Q: disjunction of (true; false) whose (false)

Q: conjunction of true

Q: conjunctions of (true; false)

Q: disjunction of bits (0; 1; 2) of 2

Q: conjunction of bits (0; 1; 2) of 7

Q: conjunction of (1; 2)

Q: minimum of (true; false)

Q: unique values of (true; false)

Every element is read, even after the result is settled.
Q: conjunction of (false; error "x")

Q: disjunction of (true; error "x")

