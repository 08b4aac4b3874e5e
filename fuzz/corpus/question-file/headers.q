Q: 1 +
   2
q:"a" & "b"X-Relevant-When: exists integers in (1,3)

A: 5
e: boom
T: 17
I: integer
  continued
Note:  hello
just text

Q : 1
Q:   (1;2;3) whose (it > 1)

  more
Q: item 2 of (1, 2)
Q: "%" & "é"
Q: it
Q: 1 = 1 = 1
Q: names of types
