# The resource of a Windows program: version information and, for the
# windowed program, its icon (packaging/icons/velomark.ico, which
# scripts/make-icons makes). Does nothing elsewhere than on Windows.
#   velomark_windows_resource(target "what it is" [ICON])
function(velomark_windows_resource target description)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 2 arg "ICON" "" "")
  set(VELOMARK_RC_NAME ${target})
  set(VELOMARK_RC_DESCRIPTION "${description}")
  set(VELOMARK_RC_ICON "")
  if(arg_ICON)
    set(VELOMARK_RC_ICON "IDI_ICON1 ICON \"${PROJECT_SOURCE_DIR}/packaging/icons/velomark.ico\"")
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
