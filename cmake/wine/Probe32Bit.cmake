# Read by ctest, not by CMake: whether this machine can execute 32-bit
# programs, asked once per ctest run. Sets MIROBANTH_32BIT_REASON to the
# reason why it cannot, or to the empty text when it can.
if(NOT DEFINED MIROBANTH_32BIT_REASON)
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/probe-32bit.sh
                  OUTPUT_VARIABLE MIROBANTH_32BIT_REASON
                  OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE _mirobanth_32bit_status)
  if(_mirobanth_32bit_status EQUAL 0)
    set(MIROBANTH_32BIT_REASON "")
  elseif(NOT MIROBANTH_32BIT_REASON)
    set(MIROBANTH_32BIT_REASON "the 32-bit probe failed (${_mirobanth_32bit_status})")
  endif()
endif()
