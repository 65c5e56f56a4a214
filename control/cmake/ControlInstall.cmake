# Install rules of the control: the shared library, its public header folder and a CMake
# package, so that a host project can find_package(ZTKMarqueeControl) and link
# ZTKMarqueeControl::ZTKMarqueeControlD. Everything here is the "control" component.
include(CMakePackageConfigHelpers)

set(ZTK_CONTROL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZTKMarqueeControl)

install(TARGETS ZTKMarqueeControlD
    EXPORT ZTKMarqueeControlTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT control
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT control)
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/include/ZTKMarqueeControl
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT control)
install(EXPORT ZTKMarqueeControlTargets
    NAMESPACE ZTKMarqueeControl::
    DESTINATION ${ZTK_CONTROL_CMAKE_DIR} COMPONENT control)

configure_package_config_file(
    ${CMAKE_CURRENT_SOURCE_DIR}/cmake/ZTKMarqueeControlConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/ZTKMarqueeControlConfig.cmake
    INSTALL_DESTINATION ${ZTK_CONTROL_CMAKE_DIR})
write_basic_package_version_file(
    ${CMAKE_CURRENT_BINARY_DIR}/ZTKMarqueeControlConfigVersion.cmake
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${CMAKE_CURRENT_BINARY_DIR}/ZTKMarqueeControlConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/ZTKMarqueeControlConfigVersion.cmake
    DESTINATION ${ZTK_CONTROL_CMAKE_DIR} COMPONENT control)
