# Writes a manual page from a program's --help text, so that the two never
# say different things.
#   cmake -DPROGRAM=<binary> -DNAME=<name> -DSUMMARY=<one line> -DVERSION=<v>
#         -DSEE_ALSO=<name(1),...> -DOUTPUT=<file.1> -P HelpToMan.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${result}")
endif()

string(TOUPPER "${NAME}" title)
set(page ".TH ${title} 1 \"\" \"Kestrel ${VERSION}\" \"Kestrel\"\n")
string(APPEND page ".SH NAME\n${NAME} \\- ${SUMMARY}\n")

# roff: a backslash is written \e, a minus \- (so that options copied from the
# page work), and a line may not begin with a dot or an apostrophe. Lines that
# end in a colon at the left margin become headings; everything else keeps its
# lines and indentation.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REPLACE ";" "\\;" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(first TRUE)
foreach(line IN LISTS lines)
  string(REPLACE "\\;" ";" line "${line}")
  if(first)
    # The usage line is the synopsis.
    string(REGEX REPLACE "^[^:：]*[:：] *" "" usage "${line}")
    string(APPEND page ".SH SYNOPSIS\n.nf\n${usage}\n.fi\n.SH DESCRIPTION\n.nf\n")
    set(first FALSE)
    continue()
  endif()
  if(line MATCHES "^[.']")
    set(line "\\&${line}")
  endif()
  if(line MATCHES "^[^ ].*[:：]$")
    string(REGEX REPLACE "[:：]$" "" heading "${line}")
    string(APPEND page ".fi\n.SS ${heading}\n.nf\n")
  else()
    string(APPEND page "${line}\n")
  endif()
endforeach()
string(APPEND page ".fi\n.SH SEE ALSO\n${SEE_ALSO}\n")
file(WRITE ${OUTPUT} "${page}")
