This file is a small tour of the relevance language. Lines that are not
questions, like these two, are copied to the answer file unchanged.
Q: 1+1
Q: "guard" as uppercase
Q: number of integers in (1, 10)
Q: length of "relevance"
