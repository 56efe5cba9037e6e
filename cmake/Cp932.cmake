# orvexlog_cp932_source(SOURCE OUT_VAR): the Japanese literals of SOURCE (UTF-8)
# become CP932 bytes. GCC does it itself (-fexec-charset=CP932); for other
# compilers (clang has no CP932 execution charset) a copy with the literals
# spelt as escapes is generated in the build tree (tools/cp932_literals.py).
# OUT_VAR gets the file to compile.
function(orvexlog_cp932_source _source _out_var)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    set_source_files_properties(${_source} PROPERTIES COMPILE_OPTIONS "-fexec-charset=CP932")
    set(${_out_var} ${_source} PARENT_SCOPE)
    return()
  endif()
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  get_filename_component(_name ${_source} NAME)
  set(_out ${CMAKE_BINARY_DIR}/generated/cp932/${_name})
  set(_tool ${CMAKE_SOURCE_DIR}/tools/cp932_literals.py)
  add_custom_command(OUTPUT ${_out} COMMAND Python3::Interpreter ${_tool} ${_source} ${_out}
                     DEPENDS ${_source} ${_tool} VERBATIM)
  set(${_out_var} ${_out} PARENT_SCOPE)
endfunction()
