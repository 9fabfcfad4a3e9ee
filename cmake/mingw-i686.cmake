# 32-bit x86 Windows, the release target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Doubles in SSE2 registers: the x87 unit's 80-bit intermediates would make
# the synthesis and the patterns differ from the host's in the last bit.
# Windows calls our thread procedures, window procedures and timer callbacks
# with a stack aligned to 4 bytes only; SSE2 code needs 16, so every function
# realigns its stack. Said here, not left to a default of -msse2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
# No link time stamp (the PE header's is then zero): two builds of one commit
# give the same bytes. A link option rather than an _INIT flag, so that a build
# tree configured before it takes it up too.
add_link_options(-Wl,--no-insert-timestamp)
