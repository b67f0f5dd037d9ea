# Every source of app/ and ui/ compiled, not linked, against the Qt 6 headers in
# ARMOURSMITH_QT_HEADERS: for a target without a build of Qt of its own (the Windows cross
# build), so that a call that target lacks cannot slip into the program unseen. Qt's headers
# are the same on every platform but for their configuration headers, which then describe the
# host's Qt; what is compiled is the program's code, with the target's compiler and system
# headers. The sources are found anew at every configure, so that none is left out.
file(GLOB program_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/ui/*.cpp)
add_library(armoursmith_program_sources OBJECT ${program_sources})
target_include_directories(armoursmith_program_sources PRIVATE
  ${PROJECT_SOURCE_DIR}/app ${PROJECT_SOURCE_DIR}/ui)
target_include_directories(armoursmith_program_sources SYSTEM PRIVATE
  ${ARMOURSMITH_QT_HEADERS} ${ARMOURSMITH_QT_HEADERS}/QtCore ${ARMOURSMITH_QT_HEADERS}/QtGui
  ${ARMOURSMITH_QT_HEADERS}/QtWidgets)
# After Qt's own: the one Windows header that newer Debian Qt packages leave out.
target_include_directories(armoursmith_program_sources SYSTEM AFTER PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt-windows-headers)
# What Qt's own CMake files define for a Windows program that uses these three modules.
target_compile_definitions(armoursmith_program_sources PRIVATE
  QT_CORE_LIB QT_GUI_LIB QT_WIDGETS_LIB QT_NO_DEBUG UNICODE _UNICODE WIN32 _WIN64
  MINGW_HAS_SECURE_API=1 ARMOURSMITH_VERSION="${PROJECT_VERSION}")
target_link_libraries(armoursmith_program_sources PRIVATE armoursmith_batch)
