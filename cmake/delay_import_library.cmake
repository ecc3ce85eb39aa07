# cmake -P script: the library through which a program delay-loads a DLL,
# made from the toolchain's import library.
#   NM, DLLTOOL   the tools; IMPORT_LIB  e.g. .../libwininet.a
#   DLL           the name the program imports (wininet.dll)
#   OUTPUT        the library to write
#   HEADERS       gnu only: the headers that declare the library's functions
#   STYLE         gnu: GNU dlltool's delay-import library (thunks included);
#                 llvm: llvm-dlltool's short import library, for lld, which
#                 makes the thunks itself when told /delayload (it cannot
#                 delay-load through GNU-style import members, and it puts
#                 GNU's delay IAT, an .idata section, into read-only memory)
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
# GNU dlltool's x64 thunk keeps only the four integer argument registers
# while the helper loads the library: a float or double argument (xmm0-3)
# would reach the function clobbered on its first call. Such functions are
# left out, so a call of one fails to link instead. lld's thunk keeps them.
if(STYLE STREQUAL "gnu")
    set(floating "")
    foreach(header ${HEADERS})
        file(READ ${header} text)
        string(REPLACE "\n" " " text "${text}")
        string(REGEX MATCHALL "[A-Za-z0-9_]+[ \t]*\\([^;(){}]*\\)" prototypes "${text}")
        foreach(prototype ${prototypes})
            # A parameter passed by value whose type is floating: DATE is a double.
            if(prototype MATCHES "[(,][ \t]*(const[ \t]+)?(FLOAT|DOUBLE|DATE|float|double)([ \t]+[A-Za-z_][A-Za-z0-9_]*)?[ \t]*[,)]")
                string(REGEX REPLACE "[ \t]*\\(.*" "" name "${prototype}")
                list(APPEND floating ${name})
            endif()
        endforeach()
    endforeach()
    if(floating)
        list(REMOVE_ITEM imports ${floating})
    endif()
endif()
list(JOIN imports "\n    " exports)
set(def_file ${OUTPUT}.def)
file(WRITE ${def_file} "LIBRARY ${DLL}\nEXPORTS\n    ${exports}\n")
if(STYLE STREQUAL "llvm")
    execute_process(COMMAND ${DLLTOOL} -m i386:x86-64 -d ${def_file} -D ${DLL} -l ${OUTPUT} RESULT_VARIABLE rc)
else()
    execute_process(COMMAND ${DLLTOOL} --input-def ${def_file} --dllname ${DLL} --output-delaylib ${OUTPUT}
                    RESULT_VARIABLE rc)
endif()
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${DLLTOOL} failed for ${DLL}")
endif()
