# cmake -DOUTPUT=<file.cpp> -DSYMBOL=<name> "-DINPUTS=<a;b>" -P EmbedText.cmake
# Writes the inputs, joined in order, as one NUL-terminated char array of that name.
set(bytes "")
foreach(input IN LISTS INPUTS)
  file(READ "${input}" hex HEX)
  string(APPEND bytes "${hex}0a")
endforeach()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp" "// Generated from the build's text files; do not edit.\nextern const char ${SYMBOL}[];\nconst char ${SYMBOL}[] = {\n${bytes}'\\0'};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
