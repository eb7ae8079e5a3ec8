# The menu and dialog texts in resources/ name their numbers (command numbers,
# control ids) by the constants of a C++ header, so each number is written
# once. kvx_resolve_names(TEXT_VAR HEADER PREFIX) puts the values of the
# header's constants "PREFIXNAME = 123" in place of the names, where a name
# stands after a comma or blank and before a blank or the line's end, and
# fails the configure step on a name the header does not define.
function(kvx_resolve_names text_var header prefix)
  file(STRINGS ${header} definitions REGEX "^[ \t]*(constexpr int )?${prefix}[A-Z0-9_]+ = [0-9]+[,;]")
  set(text "${${text_var}}")
  foreach(definition IN LISTS definitions)
    string(REGEX MATCH "${prefix}[A-Z0-9_]+ = [0-9]+" pair "${definition}")
    string(REGEX REPLACE " = .*" "" name "${pair}")
    string(REGEX REPLACE ".* = " "" value "${pair}")
    string(REGEX REPLACE "([, ])${name}([ \r\n]|$)" "\\1${value}\\2" text "${text}")
    # A second pass for names that follow each other with one blank between.
    string(REGEX REPLACE "([, ])${name}([ \r\n]|$)" "\\1${value}\\2" text "${text}")
  endforeach()
  string(REGEX MATCH "[, ]${prefix}[A-Z0-9_]+" unknown "${text}")
  if(unknown)
    message(FATAL_ERROR "resources/ name ${unknown}, which ${header} does not define")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
  set(${text_var} "${text}" PARENT_SCOPE)
endfunction()
