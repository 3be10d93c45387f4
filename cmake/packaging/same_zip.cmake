# Run by cpack (CPACK_POST_BUILD_SCRIPTS) after each package is made, before cpack copies it to
# the packages folder: a ZIP is written again by same_zip.py, every file dated
# SOURCE_DATE_EPOCH (seconds since 1970), or the time of the last commit when that is not set.
if(NOT CPACK_PACKAGE_FILES MATCHES "\\.zip$")
    return()
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git -C ${CPACK_VEBO_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Not a git checkout: set SOURCE_DATE_EPOCH to the release's time.")
    endif()
endif()
# ZIP dates start in 1980.
if(NOT epoch MATCHES "^[0-9]+$" OR epoch LESS 315532800)
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is '${epoch}', not seconds since 1970 after 1980.")
endif()
foreach(made IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND ${CPACK_VEBO_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/same_zip.py ${made}
                            ${epoch}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Could not write ${made} again.")
    endif()
endforeach()
