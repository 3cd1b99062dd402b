# Turns the CIE reference tables (CSV, 380 .. 780 nm in 10 nm steps) into a C++
# source with the constant tables IlluminantSPD and ObserverCMF, so that the
# program never reads the CSV files at run time.
#
#   cmake -DILLUMINANTS=<csv> -DOBSERVERS=<csv> -DOUTPUT=<cpp> -P GenerateSpectralTables.cmake
#
# Any deviation from the expected layout (header, wavelength column, number of
# rows, non-numeric cell) stops the build with a message naming the file and
# line, rather than producing a table that is silently wrong.

cmake_minimum_required(VERSION 3.25)

foreach(var ILLUMINANTS OBSERVERS OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "GenerateSpectralTables: ${var} is not set")
  endif()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/../cmake/ReadReferenceCsv.cmake)

# Reads <file>, checks that the header is exactly <header> and that the rows
# are exactly 380, 390, ... 780 nm; returns one list per data column in
# <prefix>_COL1 .. <prefix>_COLn (column 0 is the wavelength).
function(kv_read_spectral_csv file header prefix)
  if(EXISTS "${file}")
    file(STRINGS "${file}" lines)
    list(LENGTH lines line_count)
    if(NOT line_count EQUAL 42)
      message(FATAL_ERROR "${file}: ${line_count} lines, expected a header and 41 rows (380 to 780 nm)")
    endif()
    list(GET lines 0 first)
    string(STRIP "${first}" first)
    if(NOT first STREQUAL header)
      message(FATAL_ERROR "${file}:1: header is \"${first}\", expected \"${header}\"")
    endif()
  endif()
  string(REPLACE "," ";" columns "${header}")
  list(REMOVE_AT columns 0)
  kv_read_reference_csv("${file}" "${columns}" 780 values)
  set(c 1)
  foreach(name IN LISTS columns)
    set(${prefix}_COL${c} "${values_${name}}" PARENT_SCOPE)
    math(EXPR c "${c} + 1")
  endforeach()
endfunction()

# One C++ initializer row of 41 values, eight to a line.
function(kv_format_row values indent out)
  set(text "")
  set(i 0)
  foreach(v IN LISTS values)
    kv_double_literal("${v}" v)
    math(EXPR in_line "${i} % 8")
    if(in_line EQUAL 0)
      string(APPEND text "\n${indent}")
    else()
      string(APPEND text " ")
    endif()
    string(APPEND text "${v},")
    math(EXPR i "${i} + 1")
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

kv_read_spectral_csv("${ILLUMINANTS}" "nm,A,C,D50,D65,F11" ILL)
kv_read_spectral_csv("${OBSERVERS}" "nm,x2,y2,z2,x10,y10,z10" OBS)

get_filename_component(ill_name "${ILLUMINANTS}" NAME)
get_filename_component(obs_name "${OBSERVERS}" NAME)
set(src "// Generated from the reference tables ${ill_name} and ${obs_name}.\n// Do not edit: the build writes it again whenever the tables change.\n\n")
string(APPEND src "#include \"Spectra.h\"\n\n")
string(APPEND src "// Relative spectral power of the illuminants A, C, D50, D65, F11, 380 .. 780 nm.\n")
string(APPEND src "const double IlluminantSPD[IlluminantCount][TableWavelengths] = {")
foreach(name_col A:1 C:2 D50:3 D65:4 F11:5)
  string(REPLACE ":" ";" pair "${name_col}")
  list(GET pair 0 name)
  list(GET pair 1 c)
  kv_format_row("${ILL_COL${c}}" "        " row)
  string(APPEND src "\n    {  // ${name}${row}\n    },")
endforeach()
string(APPEND src "\n};\n\n")
string(APPEND src "// Colour-matching functions x-bar, y-bar, z-bar of the CIE 1931 2 degree and\n// CIE 1964 10 degree observers, 380 .. 780 nm.\n")
string(APPEND src "const double ObserverCMF[ObserverCount][3][TableWavelengths] = {")
foreach(observer 2:1 10:4)
  string(REPLACE ":" ";" pair "${observer}")
  list(GET pair 0 degrees)
  list(GET pair 1 first_col)
  string(APPEND src "\n    {  // ${degrees} degree observer")
  foreach(component x y z)
    kv_format_row("${OBS_COL${first_col}}" "            " row)
    string(APPEND src "\n        {  // ${component}-bar${row}\n        },")
    math(EXPR first_col "${first_col} + 1")
  endforeach()
  string(APPEND src "\n    },")
endforeach()
string(APPEND src "\n};\n")

# Only touch the output when it changes, so dependants are not rebuilt for nothing.
set(tmp "${OUTPUT}.tmp")
file(WRITE "${tmp}" "${src}")
file(COPY_FILE "${tmp}" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${tmp}")
