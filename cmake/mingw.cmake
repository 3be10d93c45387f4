# MinGW-w64 cross toolchain for VEBO_MINGW_PROCESSOR (i686 or x86_64), included by the toolchain
# file of each. The posix flavour is needed because GoogleTest uses std::mutex.
set(VEBO_MINGW_TRIPLET ${VEBO_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VEBO_MINGW_PROCESSOR})
set(CMAKE_C_COMPILER ${VEBO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VEBO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VEBO_MINGW_TRIPLET}-windres)
# windres runs the C preprocessor: have it list the headers a .rc includes, so that a changed
# header rebuilds the resources. (Pictures windres reads itself: OBJECT_DEPENDS.)
string(JOIN " " CMAKE_DEPFILE_FLAGS_RC --preprocessor-arg=-MD
       --preprocessor-arg=-MT --preprocessor-arg=<DEP_TARGET>
       --preprocessor-arg=-MF --preprocessor-arg=<DEP_FILE>)
set(CMAKE_FIND_ROOT_PATH /usr/${VEBO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages of the Linux host (its GoogleTest among them) are not for this target.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
