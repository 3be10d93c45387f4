# MinGW-w64 i686 cross toolchain. The posix flavour is needed because GoogleTest uses std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
# windres runs the C preprocessor: have it list the headers a .rc includes, so that a changed
# header rebuilds the resources. (Pictures windres reads itself: OBJECT_DEPENDS.)
string(JOIN " " CMAKE_DEPFILE_FLAGS_RC --preprocessor-arg=-MD
       --preprocessor-arg=-MT --preprocessor-arg=<DEP_TARGET>
       --preprocessor-arg=-MF --preprocessor-arg=<DEP_FILE>)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages of the Linux host (its GoogleTest among them) are not for this target.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
