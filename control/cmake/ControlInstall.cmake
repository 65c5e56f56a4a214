# SPDX-License-Identifier: MIT
# Install rules of the control: the shared library, its public header folder and a CMake
# package, so that a host project can find_package(ZTKMarqueeControl) and link
# ZTKMarqueeControl::ZTKMarqueeControlD. Everything here is the "control" component.
include(CMakePackageConfigHelpers)

set(ZTK_CONTROL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZTKMarqueeControl)

# It links only system libraries: no RUNPATH.
set_target_properties(ZTKMarqueeControlD PROPERTIES INSTALL_RPATH "")
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

# A pkg-config file for hosts built without CMake. Its paths are those of the prefix the
# installation goes to (`cmake --install --prefix` may differ from the configured one), so
# it is written when installing.
set(ZTK_CONTROL_PC ${CMAKE_CURRENT_BINARY_DIR}/ZTKMarqueeControl.pc)
foreach(dir LIBDIR INCLUDEDIR)
    if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
        set(ZTK_PC_${dir} "${CMAKE_INSTALL_${dir}}")
    else()
        set(ZTK_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
    endif()
endforeach()
install(CODE "
    set(ZTK_PC_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
    set(ZTK_PC_LIBDIR [[${ZTK_PC_LIBDIR}]])
    set(ZTK_PC_INCLUDEDIR [[${ZTK_PC_INCLUDEDIR}]])
    set(PROJECT_HOMEPAGE_URL [[${PROJECT_HOMEPAGE_URL}]])
    set(PROJECT_VERSION [[${PROJECT_VERSION}]])
    configure_file([[${CMAKE_CURRENT_SOURCE_DIR}/cmake/ZTKMarqueeControl.pc.in]]
                   [[${ZTK_CONTROL_PC}]] @ONLY)"
    COMPONENT control)
install(FILES ${ZTK_CONTROL_PC} DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT control)
