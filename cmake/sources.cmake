# Source discovery. Portable sources build everywhere; *_win.cpp only for Windows;
# *_native.cpp only natively (the Linux stand-ins of Windows edges).
function(lizhi_collect out_portable out_win)
  set(portable "")
  set(win "")
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.c")
    foreach(f IN LISTS found)
      if(f MATCHES "_win\\.(cpp|c)$")
        list(APPEND win ${f})
      elseif(f MATCHES "_native\\.(cpp|c)$")
        if(NOT LIZHI_WIN32)
          list(APPEND portable ${f})
        endif()
      else()
        list(APPEND portable ${f})
      endif()
    endforeach()
  endforeach()
  set(${out_portable} ${portable} PARENT_SCOPE)
  set(${out_win} ${win} PARENT_SCOPE)
endfunction()

# Native builds run under AddressSanitizer and UBSan; benchmarks and tools that
# measure speed link unsanitised copies instead.
function(lizhi_sanitize target)
  if(NOT LIZHI_WIN32)
    target_compile_options(${target} PRIVATE ${LIZHI_SANITIZE_FLAGS})
    target_link_options(${target} PRIVATE ${LIZHI_SANITIZE_FLAGS})
  endif()
endfunction()

set(LIZHI_WIN_LIBS user32 gdi32 kernel32 advapi32 shell32 ole32 oleaut32 uuid
    comdlg32 comctl32 winmm msimg32 shlwapi)
