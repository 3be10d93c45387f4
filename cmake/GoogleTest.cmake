# GoogleTest for the test programs: the system's own where it has one for the toolchain in force
# (Debian's libgtest-dev, on the host), otherwise built here from Debian's sources (MinGW has no
# packaged GoogleTest). Either way the test programs link GTest::gtest_main.
find_package(GTest QUIET)
if(NOT GTest_FOUND)
    block()
        # GoogleTest's own sources are not held to the project's warnings.
        set(CMAKE_COMPILE_WARNING_AS_ERROR OFF)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
        set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
        add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL
                         SYSTEM)
    endblock()
endif()
include(GoogleTest)
