# find_package(tabelsmid) gives the imported executable tabelsmid::tabelsmid
# and the function tabelsmid_generate() (see tabelsmidGenerate.cmake). Works
# from an install prefix and from a build tree (tabelsmid_DIR=<build dir>).
include("${CMAKE_CURRENT_LIST_DIR}/tabelsmidTargets.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/tabelsmidGenerate.cmake")
