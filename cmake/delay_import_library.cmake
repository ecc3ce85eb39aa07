# cmake -P script: a mingw-w64 delay-import library from an import library.
#   NM, DLLTOOL   the tools; IMPORT_LIB  e.g. .../libwininet.a
#   DLL           the name the program imports (wininet.dll)
#   OUTPUT        the delay-import library to write
# The import library names each function as __imp_<name>; those names become
# the exports of a .def file from which dlltool builds the library.
execute_process(COMMAND ${NM} -g ${IMPORT_LIB} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${NM} ${IMPORT_LIB} failed")
endif()
string(REGEX MATCHALL "[ \t]I __imp_[^\r\n]+" imports "${symbols}")
list(TRANSFORM imports REPLACE "^[ \t]I __imp_" "")
list(REMOVE_DUPLICATES imports)
list(SORT imports)
if(NOT imports)
    message(FATAL_ERROR "no imports found in ${IMPORT_LIB}")
endif()
list(JOIN imports "\n    " exports)
set(def_file ${OUTPUT}.def)
file(WRITE ${def_file} "LIBRARY ${DLL}\nEXPORTS\n    ${exports}\n")
execute_process(COMMAND ${DLLTOOL} --input-def ${def_file} --dllname ${DLL} --output-delaylib ${OUTPUT}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${DLLTOOL} failed for ${DLL}")
endif()
