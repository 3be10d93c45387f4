# The programs as they ship: 32-bit Windows executables.
set(VEBO_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
