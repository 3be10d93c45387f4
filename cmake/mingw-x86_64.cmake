# The same sources as 64-bit Windows executables, for testing under a 64-bit Wine on machines
# that run no 32-bit code. Nothing of this build ships.
set(VEBO_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
