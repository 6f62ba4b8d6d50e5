# Installs tesselkit and tesselkit-qt with their headers, a CMake package
# (component Qt for the Qt part) and a pkg-config file each.
include(CMakePackageConfigHelpers)

install(TARGETS tesselkit EXPORT tesselkitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessel)
install(TARGETS tesselkit_qt EXPORT tesselkitQtTargets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS stripemaker RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The window and --db: stripemaker starts it from here (see STRIPEMAKER_QT_DIR).
install(TARGETS stripemaker_qt RUNTIME DESTINATION ${STRIPEMAKER_QT_DIR})
# The window's attribution links open these pages.
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_SOURCE_DIR}/docs/stripemaker.md
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
foreach(dir platform core check components symbologies gs1 output reader)
  install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessel/${dir}
    FILES_MATCHING PATTERN "*.h")
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/include/tessel/tessel.h ${CMAKE_CURRENT_BINARY_DIR}/include/tessel/tessel-qt.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessel)

install(EXPORT tesselkitTargets NAMESPACE tesselkit:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/tesselkit)
install(EXPORT tesselkitQtTargets NAMESPACE tesselkit:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/tesselkit)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/tesselkitConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/tesselkitConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/tesselkit)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/tesselkitConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tesselkitConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/tesselkitConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/tesselkit)

# The .pc file finds the prefix relative to itself, so the tree can move.
file(RELATIVE_PATH PC_RELATIVE_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" PC_RELATIVE_PREFIX "${PC_RELATIVE_PREFIX}")
foreach(pc tesselkit tesselkit-qt)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${pc}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()

# A library installed into a system folder is found by the loader only once
# its cache knows it: refresh the cache when installing there as root.
install(CODE [[
  if(CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$" AND NOT DEFINED ENV{DESTDIR})
    execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
    find_program(LDCONFIG ldconfig PATHS /sbin /usr/sbin)
    if(uid STREQUAL "0" AND LDCONFIG)
      message(STATUS "Refreshing the loader cache")
      execute_process(COMMAND ${LDCONFIG})
    endif()
  endif()
]])

# tesselide: the Qt Designer plug-in into Qt's plug-in folder (with another
# prefix, point QT_PLUGIN_PATH at <prefix>/${QT6_INSTALL_PLUGINS}), and the
# widget library with its headers, which programs built from designed forms
# link.
install(TARGETS tesselwidgets EXPORT tesselkitQtTargets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS tesselide LIBRARY DESTINATION ${QT6_INSTALL_PLUGINS}/designer)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/design/qt/ComponentWidget.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessel/design/qt)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/include/tessel/designer/TesselWidgets.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tessel/designer)
