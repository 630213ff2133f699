# Makes a delay-import library for one system DLL from mingw-w64's import library of it: every
# function the import library names, loaded with its DLL on the first call instead of at start.
#   cmake -DNM=... -DDLLTOOL=... -DIMPORT_LIB=libole32.a -DDLL=ole32.dll -DOUT=libole32_delay.a
#         -P make_delay_import.cmake
execute_process(COMMAND ${NM} ${IMPORT_LIB} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${NM} could not read ${IMPORT_LIB}")
endif()
string(REGEX MATCHALL "__imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
list(REMOVE_DUPLICATES imports)
list(SORT imports)
set(def "LIBRARY ${DLL}\nEXPORTS\n")
foreach(symbol IN LISTS imports)
  string(REGEX REPLACE "^__imp_" "" name "${symbol}")
  string(APPEND def "  ${name}\n")
endforeach()
get_filename_component(out_dir ${OUT} DIRECTORY)
get_filename_component(out_name ${OUT} NAME_WE)
set(def_file ${out_dir}/${out_name}.def)
file(WRITE ${def_file} "${def}")
execute_process(COMMAND ${DLLTOOL} --input-def ${def_file} --dllname ${DLL} --output-delaylib ${OUT}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${DLLTOOL} could not make ${OUT}")
endif()
