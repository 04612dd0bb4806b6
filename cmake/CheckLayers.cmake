# Fails when a source includes a header from a layer folder its layer may not reach. Folders
# that are no layer of ours (system headers) are not checked.
# -DLAYER=<name> -DALLOWED=<folder,...> -DKNOWN=<every layer folder,...>
# -DFILES=<file listing the sources, one a line>
string(REPLACE "," ";" allowed "${ALLOWED}")
string(REPLACE "," ";" known "${KNOWN}")
file(STRINGS ${FILES} sources)
foreach(source ${sources})
  file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line ${lines})
    string(REGEX MATCH "[\"<]([^\">]*)[\">]" quoted "${line}")
    set(header "${CMAKE_MATCH_1}")
    get_filename_component(folder "${header}" DIRECTORY)
    list(FIND known "${folder}" layer)
    list(FIND allowed "${folder}" index)
    if(NOT layer EQUAL -1 AND index EQUAL -1)
      message(FATAL_ERROR "${source}: the ${LAYER} layer may not include \"${header}\"")
    endif()
  endforeach()
endforeach()
