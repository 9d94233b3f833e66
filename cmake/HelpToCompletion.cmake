# Fills the bash completion template with the options and settings fields
# that kestrel-cli --help lists, so the completion follows the program.
#   cmake -DPROGRAM=<kestrel-cli> -DTEMPLATE=<in> -DOUTPUT=<file> -P HelpToCompletion.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${result}")
endif()

# Options: the words that begin with "-" at the start of an indented line
# ("-0, --null", "--overwrite=ask|never|all" gives "--overwrite=").
string(REGEX MATCHALL "\n  (-[-a-zA-Z0-9]+(, --[-a-z0-9]+)?(=|\\[=)?)" option_lines "${help}")
set(options "")
foreach(match IN LISTS option_lines)
  string(REGEX MATCHALL "-[-a-zA-Z0-9]+(=|\\[=)?" words "${match}")
  foreach(word IN LISTS words)
    string(REPLACE "[=" "" word "${word}")
    list(APPEND options "${word}")
  endforeach()
endforeach()
list(REMOVE_DUPLICATES options)
# --recover alone and --recover= both work; offer both.
if("--recover" IN_LIST options)
  list(APPEND options "--recover=")
endif()
list(JOIN options " " KESTREL_CLI_OPTIONS)

# Fields: every word after the last heading line.
string(REGEX REPLACE ".*\n[^ \n][^\n]*[:：]\n" "" fields_text "${help}")
string(REGEX MATCHALL "[A-Za-z0-9]+" fields "${fields_text}")
list(JOIN fields " " KESTREL_CLI_FIELDS)

configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
