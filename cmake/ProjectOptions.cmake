# Flags shared by every target of the project (not by GoogleTest's own sources). Warnings are
# errors where CMAKE_COMPILE_WARNING_AS_ERROR is on, as in every preset.

function(vebo_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow)
    if(VEBO_WIN32)
        # Exact C99 printf from MinGW instead of the inexact one of the C runtime DLL.
        target_compile_definitions(${target} PRIVATE __USE_MINGW_ANSI_STDIO=1 NOMINMAX)
    endif()
endfunction()

# Code that goes into the programs: it uses neither exceptions nor RTTI, and is smaller without.
# In the release nothing unwinds its frames either, so it carries no unwind tables (1 KB of
# VeboCALC, 2.5 KB of VeboWAVE); x86_64 Windows needs them for its exception handling.
function(vebo_program_code target)
    vebo_defaults(${target})
    target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti)
    if(VEBO_RELEASE)
        target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables)
    endif()
endfunction()

if(VEBO_WIN32)
    # One self-contained .exe: no libgcc, libstdc++ or libwinpthread DLL beside it.
    add_link_options(-static)
    # The same bytes from any build folder at any time: no link time in the PE header, and no
    # source or build folder in the objects.
    add_link_options(-Wl,--no-insert-timestamp)
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>
                        $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>)
    add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-ffunction-sections> $<$<COMPILE_LANGUAGE:CXX>:-fdata-sections>)
    add_link_options(-Wl,--gc-sections)
else()
    # Sanitizers for everything built on the host, tests and fuzzers alike.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    # Coverage in every object, so that a fuzzer is guided by the branches of the library it
    # drives and not only by its own.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        add_compile_options(-fsanitize=fuzzer-no-link)
    endif()
endif()

# Platform-free code that the programs link too: built as they are for Windows, with the
# defaults (and so the sanitizers and fuzzers) on the host.
function(vebo_linked_code target)
    if(VEBO_WIN32)
        vebo_program_code(${target})
    else()
        vebo_defaults(${target})
    endif()
endfunction()

# A Windows GUI program: no console, stripped, small. Its relocations let Windows load it at a
# random address (DYNAMIC_BASE, from Vista on) and its data is never run (NX_COMPAT); Windows
# 95 and NT 4.0 ignore both marks and load it at its preferred base.
# It links no C runtime DLL, whose copy planted beside the program Windows would load in its
# place: program_runtime starts it and gives it the C string functions, and libgcc (static)
# the helpers the compiler calls (64-bit division on i686, stack probes, static constructors).
# Nothing applies the pseudo-relocations of data imported from a DLL without its import mark
# (that was mingw-w64's start-up): such data is refused when the program links.
function(vebo_gui_program target)
    vebo_program_code(${target})
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    target_link_options(${target} PRIVATE -s -Wl,--dynamicbase -Wl,--nxcompat -nostartfiles
                        -Wl,--disable-runtime-pseudo-reloc -specs=${VEBO_NO_CRT_SPECS}
                        -e ${VEBO_PROGRAM_ENTRY})
    target_link_libraries(${target} PRIVATE program_runtime)
endfunction()

if(VEBO_WIN32)
    # GCC ends every link with its libgcc spec, which for MinGW also names mingw-w64's start-up
    # and C library and msvcrt.dll; the programs' spec names libgcc alone. It stays at the end
    # of the line, after every library that needs it.
    set(VEBO_NO_CRT_SPECS ${CMAKE_BINARY_DIR}/no_crt.specs)
    file(WRITE ${VEBO_NO_CRT_SPECS} "*libgcc:\n-lgcc\n")
    # The entry point as the linker names it: a stdcall function's name carries its argument
    # bytes on i686.
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(VEBO_PROGRAM_ENTRY _programStart@0)
    else()
        set(VEBO_PROGRAM_ENTRY programStart)
    endif()
endif()

# A program's version resource and application manifest, from the project's version.
# UTF8_CODE_PAGE: every *A function of the program speaks UTF-8 (Windows 10 1903 and later), so
# that a file name in any script reaches a program that keeps paths as byte strings.
function(vebo_program_identity target description)
    cmake_parse_arguments(ARG "UTF8_CODE_PAGE" "" "" ${ARGN})
    set(VEBO_CODE_PAGE_SETTING "")
    if(ARG_UTF8_CODE_PAGE)
        set(VEBO_CODE_PAGE_SETTING "<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">UTF-8</activeCodePage>")
    endif()
    set(VEBO_PROGRAM ${target})
    set(VEBO_DESCRIPTION ${description})
    set(VEBO_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    set(templates ${PROJECT_SOURCE_DIR}/shared/resources)
    configure_file(${templates}/program.manifest.in ${VEBO_MANIFEST} @ONLY)
    configure_file(${templates}/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}_identity.rc
                   @ONLY)
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}_identity.rc PROPERTIES
                                OBJECT_DEPENDS ${VEBO_MANIFEST})
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_identity.rc)
endfunction()
