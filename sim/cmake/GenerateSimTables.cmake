# Turns the reference tables the simulated instrument measures with (status
# density responses, D50 and the 2 degree observer) into a C++ source, so that
# the library never reads a CSV file at run time.
#
#   cmake -DDENSITY=<csv> -DILLUMINANTS=<csv> -DOBSERVERS=<csv> -DOUTPUT=<cpp> -P GenerateSimTables.cmake
#
# Only the 36 rows 380 .. 730 nm are taken. Any deviation from the expected
# layout stops the build with a message naming the file and line.

cmake_minimum_required(VERSION 3.25)

foreach(var DENSITY ILLUMINANTS OBSERVERS OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "GenerateSimTables: ${var} is not set")
  endif()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ReadReferenceCsv.cmake)

set(src "// Generated from ${DENSITY},\n// ${ILLUMINANTS} and ${OBSERVERS}.\n// Do not edit: the build writes it again whenever the tables change.\n\n")
string(APPEND src "#include \"SimTables.h\"\n\nnamespace SimTables {\n")

function(kv_sim_emit name values)
  set(literals "")
  foreach(v IN LISTS values)
    kv_double_literal("${v}" v)
    list(APPEND literals "${v}")
  endforeach()
  string(REPLACE ";" ", " joined "${literals}")
  set(src "${src}const double ${name}[36] = {${joined}};\n" PARENT_SCOPE)
endfunction()

set(status_columns A_red A_green A_blue E_red E_green E_blue T_red T_green T_blue visual)
kv_read_reference_csv("${DENSITY}" "${status_columns}" 730 DENS)
foreach(c IN LISTS status_columns)
  kv_sim_emit("Status_${c}" "${DENS_${c}}")
endforeach()
kv_read_reference_csv("${ILLUMINANTS}" "D50" 730 ILL)
kv_sim_emit("IlluminantD50" "${ILL_D50}")
kv_read_reference_csv("${OBSERVERS}" "x2;y2;z2" 730 OBS)
foreach(c x2 y2 z2)
  kv_sim_emit("Observer2_${c}" "${OBS_${c}}")
endforeach()
string(APPEND src "}\n")

set(tmp "${OUTPUT}.tmp")
file(WRITE "${tmp}" "${src}")
file(COPY_FILE "${tmp}" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${tmp}")
