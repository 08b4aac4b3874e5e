-- Evaluates every line of a file as a Lua expression (load + call) and
-- writes each result on a line of its own: the peer of answering a
-- question file. Usage: lua5.4 many-questions.lua EXPRESSIONS ANSWERS
function count_greater(list, limit)
  local count = 0
  for _, v in ipairs(list) do
    if v > limit then count = count + 1 end
  end
  return count
end

local out = assert(io.open(arg[2], "w"))
for line in io.lines(arg[1]) do
  local value = assert(load("return " .. line))()
  if type(value) == "table" then value = table.concat(value, ", ") end
  out:write(tostring(value), "\n")
end
out:close()
