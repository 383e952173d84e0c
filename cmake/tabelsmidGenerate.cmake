# tabelsmid_generate(OUTPUT <dir>/conv.c PROLOGUE <file> HEADER <kruisdef.h>
#                    [LABEL <text>])
#
# At build time, and again whenever the header, the prologue or the tool
# change, writes the prologue (everything up to and including the opening of
# convFillTables) to OUTPUT and runs tabelsmid on HEADER in OUTPUT's
# directory, which appends the table statements and the closing line. The
# prologue is written afresh each time, so a second build gives the same
# conv.c. When tabelsmid ends with a status other than 0, the build fails
# with its messages and OUTPUT is removed. LABEL names the output in the
# tool's messages (default CONV.C). Relative paths are taken from the current
# source directory, OUTPUT's from the current binary directory.
cmake_minimum_required(VERSION 3.17)

function(tabelsmid_generate)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "OUTPUT;PROLOGUE;HEADER;LABEL" "")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "tabelsmid_generate: unknown arguments: ${arg_UNPARSED_ARGUMENTS}")
  endif()
  foreach(required OUTPUT PROLOGUE HEADER)
    if(NOT arg_${required})
      message(FATAL_ERROR "tabelsmid_generate: ${required} is required")
    endif()
  endforeach()
  get_filename_component(output_name "${arg_OUTPUT}" NAME)
  if(NOT output_name STREQUAL "conv.c")
    message(FATAL_ERROR "tabelsmid_generate: OUTPUT must name a file conv.c "
                        "(the tool always writes conv.c in its working directory)")
  endif()
  if(NOT DEFINED arg_LABEL)
    set(arg_LABEL CONV.C)
  endif()
  get_filename_component(output "${arg_OUTPUT}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  get_filename_component(prologue "${arg_PROLOGUE}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  get_filename_component(header "${arg_HEADER}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")

  set(run_script "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/tabelsmidGenerateRun.cmake")
  set(depends "${header}" "${prologue}" "${run_script}" "$<TARGET_FILE:tabelsmid::tabelsmid>")
  get_target_property(tool_target tabelsmid::tabelsmid ALIASED_TARGET)
  if(tool_target)  # built in this project: build the tool first
    list(APPEND depends ${tool_target})
  endif()
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" "-DTOOL=$<TARGET_FILE:tabelsmid::tabelsmid>" "-DHEADER=${header}"
            "-DPROLOGUE=${prologue}" "-DOUTPUT=${output}" "-DLABEL=${arg_LABEL}" -P "${run_script}"
    DEPENDS ${depends}
    COMMENT "Generating ${output} from ${header} with tabelsmid"
    VERBATIM)
endfunction()
