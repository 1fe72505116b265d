# cmake -DINPUT=file -DOUTPUT=file.inc -P EmbedText.cmake
# Writes the bytes of INPUT as a comma-separated list of hex numbers, to be #included into an array.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" body "${body}")
file(WRITE "${OUTPUT}.tmp" "${body}\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
