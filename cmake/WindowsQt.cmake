# The Qt for 64-bit Windows that the cross-build links against. It cannot be
# fetched here and is never committed: a folder holds its tarball and
# toolchain notes, looked for in this order:
#   TORVAL_WINDOWS_SDK (environment or cache), ../shared/windows beside the
#   source tree, /work/shared/windows.
# The tarball is unpacked into the build folder once (again when it changes),
# so every build folder has its own copy and the source tree stays clean.
set(_sdk_candidates)
if(DEFINED TORVAL_WINDOWS_SDK)
  list(APPEND _sdk_candidates "${TORVAL_WINDOWS_SDK}")
endif()
if(DEFINED ENV{TORVAL_WINDOWS_SDK})
  list(APPEND _sdk_candidates "$ENV{TORVAL_WINDOWS_SDK}")
endif()
list(APPEND _sdk_candidates "${PROJECT_SOURCE_DIR}/../shared/windows" "/work/shared/windows")
set(_sdk_tarball)
foreach(dir IN LISTS _sdk_candidates)
  file(GLOB _found "${dir}/qt6*-mingw-w64.tar.xz")
  if(_found)
    list(GET _found 0 _sdk_tarball)
    get_filename_component(TORVAL_WINDOWS_SDK "${dir}" ABSOLUTE)
    break()
  endif()
endforeach()
if(NOT _sdk_tarball)
  string(REPLACE ";" ", " _where "${_sdk_candidates}")
  message(FATAL_ERROR "No Qt for Windows (qt6*-mingw-w64.tar.xz) in: ${_where}. "
                      "Set TORVAL_WINDOWS_SDK to the folder that holds it.")
endif()
set(TORVAL_WINDOWS_SDK "${TORVAL_WINDOWS_SDK}" CACHE PATH "Folder with the Qt for Windows tarball" FORCE)

set(TORVAL_WINDOWS_QT "${PROJECT_BINARY_DIR}/qt6-mingw")
file(MD5 "${_sdk_tarball}" _sdk_sum)
set(_stamp "${PROJECT_BINARY_DIR}/qt6-mingw.unpacked")
set(_unpacked_sum)
if(EXISTS "${_stamp}")
  file(READ "${_stamp}" _unpacked_sum)
endif()
if(NOT _unpacked_sum STREQUAL _sdk_sum OR NOT EXISTS "${TORVAL_WINDOWS_QT}/lib/cmake/Qt6")
  message(STATUS "Unpacking ${_sdk_tarball}")
  file(REMOVE_RECURSE "${TORVAL_WINDOWS_QT}")
  file(ARCHIVE_EXTRACT INPUT "${_sdk_tarball}" DESTINATION "${PROJECT_BINARY_DIR}")
  if(NOT EXISTS "${TORVAL_WINDOWS_QT}/lib/cmake/Qt6")
    message(FATAL_ERROR "${_sdk_tarball} did not unpack to a qt6-mingw folder")
  endif()
  file(WRITE "${_stamp}" "${_sdk_sum}")
endif()

# Debian's own Qt supplies the host tools (moc, rcc, uic, lrelease).
list(APPEND CMAKE_PREFIX_PATH "${TORVAL_WINDOWS_QT}")
list(APPEND CMAKE_FIND_ROOT_PATH "${TORVAL_WINDOWS_QT}")
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

# MinGW's runtime DLLs that every program needs beside it.
file(GLOB TORVAL_MINGW_RUNTIME_DIRS LIST_DIRECTORIES true /usr/lib/gcc/x86_64-w64-mingw32/*-posix)
list(APPEND TORVAL_MINGW_RUNTIME_DIRS /usr/x86_64-w64-mingw32/lib)

# ctest runs the Windows test programs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/scripts/wine-run")
