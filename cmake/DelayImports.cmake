# Import libraries that load their DLL on the first call instead of at
# start (dlltool --output-delaylib; the loader helper is MinGW's own).
#
#   tivora_delay_import(<out-var> <dll> <function> <argument bytes> ...)
#
# The argument bytes give the stdcall decoration of the 32-bit names. A
# function of the DLL missing from the list still links, through the
# ordinary import library, but then loads the DLL at start again.
#
# The program calls through the import pointers (__imp_), whose first
# value is the stub that loads the DLL. The 32-bit ld drops a stub whose
# own symbol nobody names and leaves the pointer null: the first call then
# jumps to address 0. Each stub is therefore named as undefined, which
# keeps it.
find_program(TIVORA_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool REQUIRED)

function(tivora_delay_import out dll)
  get_filename_component(name ${dll} NAME_WE)
  set(def "LIBRARY ${dll}\nEXPORTS\n")
  set(args ${ARGN})
  set(keep "")
  while(args)
    list(POP_FRONT args function bytes)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
      string(APPEND def "${function}@${bytes}\n")
      list(APPEND keep "-Wl,--undefined=_${function}@${bytes}")
    else()
      string(APPEND def "${function}\n")
      list(APPEND keep "-Wl,--undefined=${function}")
    endif()
  endwhile()
  set(def_file ${CMAKE_BINARY_DIR}/delay/${name}.def)
  set(lib_file ${CMAKE_BINARY_DIR}/delay/lib${name}_delay.a)
  # Rewritten only when it changes, so that a new configure relinks nothing.
  file(WRITE ${def_file}.in "${def}")
  configure_file(${def_file}.in ${def_file} COPYONLY)
  set(kill_at "")
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(kill_at --kill-at)
  endif()
  add_custom_command(OUTPUT ${lib_file}
    COMMAND ${TIVORA_DLLTOOL} ${kill_at} --input-def ${def_file} --output-delaylib ${lib_file}
    DEPENDS ${def_file} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "delay-import library for ${dll}")
  add_custom_target(delay_${name} DEPENDS ${lib_file})
  set(${out} ${${out}} ${lib_file} ${keep} PARENT_SCOPE)
  set(TIVORA_DELAY_TARGETS ${TIVORA_DELAY_TARGETS} delay_${name} PARENT_SCOPE)
endfunction()
