# The windows preset: Velomark for 64-bit Windows against the Qt that
# scripts/build-qt-windows builds from Debian's source (the folder
# VELOMARK_QT_WINDOWS names, or the newest under /opt/velomark). Qt's own
# toolchain file loads the MinGW-w64 one it was built with, and finds Qt's
# tools (moc, rcc, uic) in Debian's Qt of the same version.
set(qt_prefix "$ENV{VELOMARK_QT_WINDOWS}")
if(NOT qt_prefix)
  file(GLOB qt_prefixes LIST_DIRECTORIES true /opt/velomark/qt-*-mingw-w64)
  list(SORT qt_prefixes COMPARE NATURAL)
  list(POP_BACK qt_prefixes qt_prefix)
endif()
if(NOT qt_prefix OR NOT EXISTS "${qt_prefix}/lib/cmake/Qt6/qt.toolchain.cmake")
  message(FATAL_ERROR "No Qt for Windows found: run scripts/install-deps --windows, which "
                      "builds it into /opt/velomark (or set VELOMARK_QT_WINDOWS to its folder).")
endif()
set(VELOMARK_QT_WINDOWS "${qt_prefix}" CACHE PATH "Qt for Windows, as scripts/build-qt-windows built it")
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
include("${qt_prefix}/lib/cmake/Qt6/qt.toolchain.cmake")
# The program and its modules share the compiler's runtime DLLs with Qt's;
# the command-line tools link theirs in (tools/*/CMakeLists.txt).
set(CMAKE_EXE_LINKER_FLAGS_INIT "")
