# orv_gzipped(SOURCE OUTPUT): OUTPUT (a path ending in .gz) is SOURCE gzipped at build time
# the way Debian installs manual pages and changelogs (-n: no name or time stamp in the
# archive, so the package is the same from build to build).
find_program(GZIP_PROGRAM gzip REQUIRED)

function(orv_gzipped source output)
  string(REGEX REPLACE "\\.gz$" "" copy ${output})
  get_filename_component(name ${source} NAME)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND ${GZIP_PROGRAM} -9nf ${copy}
    DEPENDS ${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
endfunction()
