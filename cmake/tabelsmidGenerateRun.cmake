# The build step of tabelsmid_generate(): cmake -DTOOL=... -DHEADER=...
# -DPROLOGUE=... -DOUTPUT=.../conv.c -DLABEL=... -P tabelsmidGenerateRun.cmake
get_filename_component(directory "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${directory}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E copy "${PROLOGUE}" "${OUTPUT}"
                RESULT_VARIABLE copied)
if(NOT copied EQUAL 0)
  message(FATAL_ERROR "tabelsmid_generate: cannot copy ${PROLOGUE} to ${OUTPUT}")
endif()
execute_process(COMMAND "${TOOL}" "${HEADER}" "${LABEL}"
                WORKING_DIRECTORY "${directory}"
                RESULT_VARIABLE status OUTPUT_VARIABLE messages ERROR_VARIABLE errors)
# The tool's own messages, as it wrote them (a warning comes with status 0).
if(messages OR errors)
  message(NOTICE "${messages}${errors}")
endif()
if(NOT status EQUAL 0)
  # No half-made conv.c may look up to date to the next build.
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "tabelsmid ${HEADER} ended with status ${status}: conv.c not made")
endif()
