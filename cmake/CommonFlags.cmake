# Compiler settings every target of the project shares.
add_library(tarvelo_flags INTERFACE)
target_compile_options(tarvelo_flags INTERFACE -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor
                                               -Woverloaded-virtual)
# Every conversion between catalog bytes and Qt text goes through the text
# codec: no implicit one from or to char*, nor from a byte array.
target_compile_definitions(tarvelo_flags INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
                                                   QT_NO_CAST_FROM_BYTEARRAY)
if(TARVELO_SANITIZE)
  target_compile_options(tarvelo_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(tarvelo_flags INTERFACE -fsanitize=address,undefined)
endif()
if(TARVELO_FUZZ)
  # Coverage for the fuzzers in every library they link.
  target_compile_options(tarvelo_flags INTERFACE -fsanitize=fuzzer-no-link)
endif()
