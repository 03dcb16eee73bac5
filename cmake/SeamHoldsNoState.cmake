# Run by ctest: fails when the seam's archive (ARCHIVE, listed with the nm
# program NM) holds state, a symbol in a writable data, zero-filled or
# thread-local section. Every library and launcher links its own copy of the
# seam, so such a variable would be a different one in each of them. What the
# compiler and the standard library put there themselves is left out: section
# symbols, the references to exception personalities, the stream initializer
# of <iostream> and the address sanitizer's markers of each global; read-only
# data after relocation (vtables, a constant pointer) is no state.
execute_process(COMMAND ${NM} -f sysv ${ARCHIVE} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} could not list ${ARCHIVE}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(state "")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([^|]*)\\|[^|]*\\|[^|]*\\|[^|]*\\|[^|]*\\|[^|]*\\|(.*)$")
    continue()
  endif()
  string(STRIP "${CMAKE_MATCH_1}" name)
  string(STRIP "${CMAKE_MATCH_2}" section)
  if(section MATCHES "^\\.(data|bss|tdata|tbss|tls)([.$]|$)"
     AND NOT section MATCHES "^\\.data\\.rel\\.ro"
     AND NOT name MATCHES "^(\\.|DW\\.ref\\.|__odr_asan)|__ioinit$")
    string(APPEND state "\n  ${name} (${section})")
  endif()
endforeach()
if(state)
  message(FATAL_ERROR "The seam holds state:${state}")
endif()
message(STATUS "The seam holds no state")
