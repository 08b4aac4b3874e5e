just text
CR endedCRLF ended
LFCR ended

last line, after an empty one
