# resources.cmake - builds the host resource generator, runs it into the build
# folder and hands velu.rc (which names the generated files) to veluctrl.

# The generator runs on the build machine, so it is built with the host
# compiler by a custom command: a cross-compiling project cannot add a host target.
find_program(VELU_HOST_CXX NAMES c++ g++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)

set(VELU_TOOLS_DIR ${PROJECT_SOURCE_DIR}/tools)
set(VELU_RES_GEN_DIR ${CMAKE_CURRENT_BINARY_DIR}/res)
set(VELU_RESGEN ${CMAKE_CURRENT_BINARY_DIR}/velu-resgen)
file(GLOB VELU_RESGEN_SOURCES CONFIGURE_DEPENDS ${VELU_TOOLS_DIR}/*.cpp)
file(GLOB VELU_RESGEN_HEADERS CONFIGURE_DEPENDS ${VELU_TOOLS_DIR}/*.h)

add_custom_command(
  OUTPUT ${VELU_RESGEN}
  COMMAND ${VELU_HOST_CXX} -std=c++17 -O2 -o ${VELU_RESGEN} ${VELU_RESGEN_SOURCES} -lz
  DEPENDS ${VELU_RESGEN_SOURCES} ${VELU_RESGEN_HEADERS}
  COMMENT "Building the host resource generator"
  VERBATIM)

set(VELU_RES_NAMES
  btndef.xzp btnnorm.xzp btndis.xzp btnhot.xzp btndown.xzp coolcheck.xzp
  cooldlg.xzp coolpgs.xzp xbmptip.xzp xtooltip.xzp fltbarbtn.xzp
  ctrlbar.bmp btnlsitm.bmp focus.bmp curhand.cur curhsplt.cur curvsplt.cur)
set(VELU_RES_FILES)
foreach(name ${VELU_RES_NAMES})
  list(APPEND VELU_RES_FILES ${VELU_RES_GEN_DIR}/${name})
endforeach()

add_custom_command(
  OUTPUT ${VELU_RES_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELU_RES_GEN_DIR}
  COMMAND ${VELU_RESGEN} ${VELU_RES_GEN_DIR}
  DEPENDS ${VELU_RESGEN}
  COMMENT "Generating the library's skins, glyph strips and cursors"
  VERBATIM)

set(VELU_RC_FILE ${CMAKE_CURRENT_LIST_DIR}/velu.rc)
set_source_files_properties(${VELU_RC_FILE} PROPERTIES
  COMPILE_OPTIONS "--include-dir=${VELU_RES_GEN_DIR}"
  OBJECT_DEPENDS "${VELU_RES_FILES}")

if(TARGET veluctrl)
  # Listing the generated files as (uncompiled) sources ties their custom
  # command to the library target.
  target_sources(veluctrl PRIVATE ${VELU_RES_FILES})
  # The raw entry hook must run before the library's static objects are
  # constructed, so it becomes the DLL entry point and calls the CRT's after it.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(veluctrl PRIVATE "-Wl,-e,_VeluRawEntry@12")
  else()
    target_link_options(veluctrl PRIVATE "-Wl,-e,VeluRawEntry")
  endif()
endif()
