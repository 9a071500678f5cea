# Compiler settings and helpers shared by every target of the project.

# Character set: carried by riz_charset to everything that links the framework (also when installed).
add_library(riz_charset INTERFACE)
if(RIZ_CHARSET STREQUAL "MBCS")
  target_compile_definitions(riz_charset INTERFACE _MBCS)
  target_compile_options(riz_charset INTERFACE $<$<COMPILE_LANGUAGE:CXX,C>:-fexec-charset=GBK>)
else()
  target_compile_definitions(riz_charset INTERFACE UNICODE _UNICODE)
endif()
# Framework code may call members through a null object pointer (GetSafeHwnd and friends check this).
target_compile_options(riz_charset INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-fno-delete-null-pointer-checks>)

# Warnings for the project's own code only (googletest is built with its own flags).
set(RIZ_WARNINGS -Wall -Wextra)

# The MinGW runtime DLLs every module shares (one C++ runtime, one heap): copied beside the programs
# and installed with the package.
set(RIZ_RUNTIME_DLLS)
foreach(_dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_dll}
                  OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${_path}" OR NOT EXISTS "${_path}")
    # libwinpthread lives with the target's libraries, not the compiler's.
    find_file(_path_found ${_dll} PATHS /usr/x86_64-w64-mingw32/lib NO_CACHE NO_DEFAULT_PATH)
    set(_path ${_path_found})
    unset(_path_found)
  endif()
  if(NOT EXISTS "${_path}")
    message(FATAL_ERROR "MinGW runtime DLL not found: ${_dll}")
  endif()
  list(APPEND RIZ_RUNTIME_DLLS ${_path})
  file(COPY ${_path} DESTINATION ${CMAKE_BINARY_DIR}/bin)
endforeach()

# riz_target(<target>): warnings and character set for a target of the project.
function(riz_target target)
  target_compile_options(${target} PRIVATE ${RIZ_WARNINGS})
  target_link_libraries(${target} PUBLIC riz_charset)
endfunction()
