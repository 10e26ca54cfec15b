# Turns a file into a C++ source that defines `extern const unsigned char NAME[]` (with a NUL
# byte after the contents) and `extern const unsigned NAME_size`.
# Run as: cmake -DINPUT=... -DOUTPUT=... -DNAME=... -P embed_file.cmake
file(READ "${INPUT}" content HEX)
string(LENGTH "${content}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "(..)" "0x\\1," bytes "${content}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\nextern const unsigned char ${NAME}[] = {${bytes}0x00};\nextern const unsigned ${NAME}_size = ${byte_count};\n")
