guard-options: Types Times
A file of questions about the question file format itself.

q: 1
X-Relevant-When: 2
Q:3
Q:   4
Q : 5
  Q: 6
Q: 1 +
   2
Q: 10

  + 1
A: 5
e: boom
  this continuation of a dropped line is dropped too
T: 17
I: integer
Note:  hello
just text

Q: "100%25 sure" & "%0a" & "%e9"
Q: "100% sure"
Q: "one" ; "two"
Q: (1 ; 2) whose (it > 5)
Q: 1 / 0
Q: (1;2) + 1
Q: 1 +
Q: "no end
Q: 3 $ 4
Q: it
Q: integers in (1, 3)
Q:
Q: "a" as integer
