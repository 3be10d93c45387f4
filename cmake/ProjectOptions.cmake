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

if(VEBO_RELEASE)
    # The C runtime that every 32-bit Windows has in its system folder, from Windows 95 and NT
    # on, is crtdll.dll; msvcrt.dll came with Visual C++ 4.2 in 1996. GCC picks the runtime in its
    # libgcc spec (this GCC has no -mcrtdll): the programs link with that same spec, mingw-w64's
    # crtdll import library in place of its msvcrt one, and mingw-w64's own start-up code.
    # The win64 test build keeps msvcrt.dll (no 64-bit Windows has crtdll.dll). The difference
    # is the DLL's name alone for the C functions (memcpy, malloc, strlen, vfprintf and the
    # like), and the start-up code reads the command line and file modes under crtdll's names
    # (__GetMainArgs, _acmdln_dll, _fmode_dll, _commode_dll, __mb_cur_max_dll).
    execute_process(COMMAND ${CMAKE_C_COMPILER} -dumpspecs OUTPUT_VARIABLE specs
                    RESULT_VARIABLE failed)
    string(REGEX MATCH "\\*libgcc:\n[^\n]*\n" libgcc "${specs}")
    string(REPLACE " -lmsvcrt " " -lcrtdll " crtdll_libgcc "${libgcc}")
    if(failed OR crtdll_libgcc STREQUAL libgcc)
        message(FATAL_ERROR "${CMAKE_C_COMPILER} links no -lmsvcrt to replace with -lcrtdll")
    endif()
    set(VEBO_CRTDLL_SPECS ${CMAKE_BINARY_DIR}/crtdll.specs)
    file(WRITE ${VEBO_CRTDLL_SPECS} "${crtdll_libgcc}")
endif()

# A Windows GUI program: no console, stripped, small. Its relocations let Windows load it at a
# random address (DYNAMIC_BASE, from Vista on) and its data is never run (NX_COMPAT); Windows
# 95 and NT 4.0 ignore both marks and load it at its preferred base.
function(vebo_gui_program target)
    vebo_program_code(${target})
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    target_link_options(${target} PRIVATE -s -Wl,--dynamicbase -Wl,--nxcompat)
    if(VEBO_RELEASE)
        target_link_options(${target} PRIVATE -specs=${VEBO_CRTDLL_SPECS})
    endif()
endfunction()

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
