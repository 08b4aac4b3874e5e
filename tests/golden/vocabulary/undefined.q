guard-options:Types
Nothing and errors; the plural of null is nothing, that of nil is nothings.
Q: null

Q: nothing

Q: nil

Q: nothings

Q: nothing as string

Q: null as string

Q: number of nothing

Q: exists null

Q: exists nothings

Q: (1; nothing; 2)

Q: if true then 1 else null

Q: if false then 1 else null

Q: if false then "a" else nothing

Q: error "boom"

Q: errors "boom"

Q: error "50%25 off"

Q: error ("a" & "b")

Q: if false then 1 else error "x"

Q: if true then 1 else error "x"

Q: (1; error "x"; 2)

Q: conjunction of (true; error "x")

Q: error "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"

Q: 1 + null

Q: null = null

Q: error 5

