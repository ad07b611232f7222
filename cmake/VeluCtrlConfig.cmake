# VeluCtrlConfig.cmake: the installed library for find_package(VeluCtrl).
#
#   VeluCtrl::veluctrl  the control library; linking it brings in the MFC layer
#   VeluCtrl::mfc42x    the MFC 4.2 layer on its own (_AFXDLL, its headers and,
#                       for executables, the static part holding WinMain)
#
# An application needs only:
#   find_package(VeluCtrl REQUIRED)
#   target_link_libraries(app PRIVATE VeluCtrl::veluctrl)
include(${CMAKE_CURRENT_LIST_DIR}/VeluCtrlTargets.cmake)
