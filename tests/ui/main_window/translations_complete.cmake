# Fails while a window text has no translation: runs lupdate over the window's
# sources into a copy of each .ts file, as "update_translations" would, and
# lists every text that is new (not translated yet), left unfinished, or no
# longer in the code. The .ts files themselves are left untouched.
#   cmake -DLUPDATE=... -DPROJECT=<.lupdate/..._project.cmake> -DWORK=<folder>
#         -P translations_complete.cmake
include("${PROJECT}")  # lupdate_project_file, lupdate_sources, lupdate_include_paths, lupdate_translations
get_filename_component(root "${lupdate_project_file}" DIRECTORY)

function(absolute_paths out)
  set(paths "")
  foreach(path IN LISTS ARGN)
    if(NOT IS_ABSOLUTE "${path}")
      get_filename_component(path "${path}" ABSOLUTE BASE_DIR "${root}")
    endif()
    list(APPEND paths "${path}")
  endforeach()
  set(${out} "${paths}" PARENT_SCOPE)
endfunction()
absolute_paths(sources ${lupdate_sources})
absolute_paths(include_paths ${lupdate_include_paths})
absolute_paths(translations ${lupdate_translations})

set(include_options "")
foreach(path IN LISTS include_paths)
  list(APPEND include_options "-I${path}")
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(problems "")
foreach(ts IN LISTS translations)
  get_filename_component(name "${ts}" NAME)
  file(COPY_FILE "${ts}" "${WORK}/${name}")
  execute_process(COMMAND "${LUPDATE}" -silent ${sources} ${include_options} -ts "${WORK}/${name}"
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}")
  endif()
  file(READ "${WORK}/${name}" content)
  # One <message> at a time; the texts never hold a bare "</message>".
  string(REGEX MATCHALL "<message[^>]*>([^<]|<[^/]|</[^m])*</message>" messages "${content}")
  foreach(message IN LISTS messages)
    string(REGEX MATCH "<source>[^<]*</source>" source "${message}")
    if(message MATCHES "type=\"(unfinished|vanished|obsolete)\"")
      set(state "${CMAKE_MATCH_1}")
    elseif(message MATCHES "<translation>[ \t\n]*</translation>")
      set(state "empty")
    else()
      continue()
    endif()
    string(APPEND problems "\n  ${name}: ${state}: ${source}")
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "Window texts without a finished translation (build update_translations, "
    "then translate them in the .ts file):${problems}")
endif()
message(STATUS "Every window text is translated")
