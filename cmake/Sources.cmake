# Each subsystem folder lists its sources in its own CMakeLists.txt through
# these two functions, so folders can grow without touching the top level.
#   qeb_portable(files...)  units that build for the host too (no windows.h)
#   qeb_win32(files...)     units that need the Win32 API
function(qeb_portable)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY QEB_PORTABLE ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()
function(qeb_win32)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY QEB_WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()
#   qeb_host(files...)      host stand-ins of the platform functions
function(qeb_host)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY QEB_HOST ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()
