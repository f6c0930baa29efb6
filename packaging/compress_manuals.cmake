# Run by cpack on the staged files, before the package is made: Debian wants every manual page
# gzipped at maximum compression without a time stamp, whichever part of the build installed it.
if(NOT CPACK_TEMPORARY_DIRECTORY OR NOT CPACK_BRISANEL_GZIP)
    message(FATAL_ERROR "compress_manuals.cmake runs inside cpack only")
endif()
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file IN LISTS staged)
    if(file MATCHES "/share/man/[^/]+/[^/]+$" AND NOT file MATCHES "\\.gz$")
        execute_process(COMMAND ${CPACK_BRISANEL_GZIP} -9 -n -f ${file} RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "cannot compress ${file}")
        endif()
    endif()
endforeach()
