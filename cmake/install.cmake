# The installed package: what an application needs to build and run against
# the library with find_package(VeluCtrl).
#
#   include/   the MFC layer's headers, VeluCtrl.h and one header per subsystem
#              folder (kept in their folders, as VeluCtrl.h includes them)
#   lib/       import libraries and the MFC layer's static application part
#   bin/       the DLLs
#   lib/cmake/VeluCtrl/   VeluCtrlConfig.cmake, its version file and targets
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VELU_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/VeluCtrl)

# mfcs42x (WinMain and friends) is linked into every application by mfc42x's
# usage requirements, so it travels in the same export set when it exists.
set(VELU_PACKAGE_TARGETS mfc42x veluctrl)
if(TARGET mfcs42x)
  list(APPEND VELU_PACKAGE_TARGETS mfcs42x)
  # The export gives a target the package's namespace only where it can tell
  # a name is a target's; inside a condition only $<TARGET_NAME:> tells it.
  # Without it an application would ask the linker for a plain -lmfcs42x.
  get_target_property(VELU_MFC_LINKS mfc42x INTERFACE_LINK_LIBRARIES)
  if(NOT VELU_MFC_LINKS MATCHES "TARGET_NAME:mfcs42x")
    string(REPLACE ":mfcs42x>" ":$<TARGET_NAME:mfcs42x>>" VELU_MFC_LINKS "${VELU_MFC_LINKS}")
    set_target_properties(mfc42x PROPERTIES INTERFACE_LINK_LIBRARIES "${VELU_MFC_LINKS}")
  endif()
endif()

# An application must see the same character set and Windows version
# switches the DLLs were built with: the MFC layer's classes are narrow, and
# the switches decide the size of structures its inline members hand over.
# Inside this build they come from the top-level compile definitions.
target_compile_definitions(mfc42x INTERFACE
  $<INSTALL_INTERFACE:_MBCS;WINVER=0x0501;_WIN32_WINNT=0x0501;_WIN32_IE=0x0600>)

install(TARGETS ${VELU_PACKAGE_TARGETS} EXPORT VeluCtrlTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# MFC's headers; afxx_test.h holds hooks for this project's tests only.
file(GLOB VELU_MFC_HEADERS ${PROJECT_SOURCE_DIR}/mfc/include/*.h)
list(FILTER VELU_MFC_HEADERS EXCLUDE REGEX "/afxx_test\\.h$")
install(FILES ${VELU_MFC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# The library's public headers: VeluCtrl.h and each folder's Velu*.h, but not
# the *Internal.h ones that only the library's own sources include.
file(GLOB VELU_PUBLIC_HEADERS RELATIVE ${PROJECT_SOURCE_DIR}/velu
  ${PROJECT_SOURCE_DIR}/velu/VeluCtrl.h ${PROJECT_SOURCE_DIR}/velu/*/Velu*.h)
list(FILTER VELU_PUBLIC_HEADERS EXCLUDE REGEX "Internal\\.h$")
foreach(header ${VELU_PUBLIC_HEADERS})
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/velu/${header}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${folder})
endforeach()

install(EXPORT VeluCtrlTargets NAMESPACE VeluCtrl:: DESTINATION ${VELU_PACKAGE_DIR})

# The version file also refuses a package built for the other pointer size,
# so a 32-bit application never picks up the 64-bit DLLs.
write_basic_package_version_file(
  ${CMAKE_CURRENT_BINARY_DIR}/VeluCtrlConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/VeluCtrlConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/VeluCtrlConfigVersion.cmake
  DESTINATION ${VELU_PACKAGE_DIR})
