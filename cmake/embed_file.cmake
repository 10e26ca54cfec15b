# Turns a file into a C++ source that defines `extern const char NAME[]` (NUL-terminated) and
# `extern const unsigned NAME_size`. Run as: cmake -DINPUT=... -DOUTPUT=... -DNAME=... -P this
file(READ "${INPUT}" content HEX)
string(LENGTH "${content}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\nextern const char ${NAME}[] = {\n${bytes}0x00};\nextern const unsigned ${NAME}_size = ${byte_count};\n")
