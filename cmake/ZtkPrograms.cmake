# SPDX-License-Identifier: MIT
# The programs a user runs, and what an installation carries for each of them.
#
#   ztk_program(<target> COMPONENT <component> SUMMARY <one line> [LINKS_CONTROL])
#
# puts the program into the `programs` target (what `make demo` builds: the programs
# without the test programs), installs it into the bindir, and writes its manual page at
# build time from its own --help and --version, so that the page never drifts from the
# program. LINKS_CONTROL marks a program that links the shared control library: it gets a
# RUNPATH to the installed library unless that lands in a folder the loader searches anyway.
#
#   ztk_desktop_app(<name> COMPONENT <component> SVG <file> DESKTOP <file> METAINFO <file>
#                   [PIXEL_SVGS <file-SIZE.svg>...])
#
# installs a GUI program's desktop entry, its icon (the SVG and PNG renderings of it in the
# usual sizes of the hicolor theme) and its AppStream metainfo (configured with the
# project's homepage). A drawing scaled down to a few pixels turns to mush, so the small
# sizes may come from drawings of their own, aligned to the pixels of that size.

if(NOT TARGET programs)
    add_custom_target(programs)
endif()

option(ZTK_MAN_PAGES "Write the programs' manual pages with help2man" ON)
option(ZTK_ICONS "Render the PNG icons with rsvg-convert" ON)
if(ZTK_MAN_PAGES)
    find_program(ZTK_HELP2MAN help2man)
    if(NOT ZTK_HELP2MAN)
        message(FATAL_ERROR "help2man is missing: install it (make deps does) or configure "
                            "with -DZTK_MAN_PAGES=OFF")
    endif()
endif()
if(ZTK_ICONS)
    find_program(ZTK_RSVG_CONVERT rsvg-convert)
    if(NOT ZTK_RSVG_CONVERT)
        message(FATAL_ERROR "rsvg-convert is missing: install librsvg2-bin (make deps does) or "
                            "configure with -DZTK_ICONS=OFF")
    endif()
endif()

# A RUNPATH is only needed where the loader would not find the library by itself.
set(ZTK_INSTALLED_LIBDIR "${CMAKE_INSTALL_FULL_LIBDIR}")
if(ZTK_INSTALLED_LIBDIR IN_LIST CMAKE_PLATFORM_IMPLICIT_LINK_DIRECTORIES
   OR ZTK_INSTALLED_LIBDIR IN_LIST CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES)
    set(ZTK_PROGRAM_RPATH "")
else()
    file(RELATIVE_PATH libdir_from_bindir "${CMAKE_INSTALL_FULL_BINDIR}"
         "${CMAKE_INSTALL_FULL_LIBDIR}")
    set(ZTK_PROGRAM_RPATH "$ORIGIN/${libdir_from_bindir}")
endif()

set(ZTK_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(ZTK_ICON_SIZES 16 22 24 32 48 64 128 256)

function(ztk_program target)
    cmake_parse_arguments(ARG "LINKS_CONTROL" "COMPONENT;SUMMARY" "" ${ARGN})
    add_dependencies(programs ${target})
    # Qt's project setup gives every target a RUNPATH of $ORIGIN and $ORIGIN/../lib; a program
    # that links only system libraries needs none.
    if(ARG_LINKS_CONTROL)
        set_target_properties(${target} PROPERTIES INSTALL_RPATH "${ZTK_PROGRAM_RPATH}")
    else()
        set_target_properties(${target} PROPERTIES INSTALL_RPATH "")
    endif()
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
            COMPONENT ${ARG_COMPONENT})

    if(NOT ZTK_MAN_PAGES)
        return()
    endif()
    # No display, no session bus: --help and --version must answer without them. Leak
    # reports of a sanitizer build would fail the page for nothing.
    get_target_property(name ${target} OUTPUT_NAME)
    if(NOT name)
        set(name ${target})
    endif()
    set(page ${ZTK_MAN_DIR}/${name}.1)
    # help2man runs the program through a wrapper of the same name that puts its --help
    # into the form help2man reads.
    set(wrapper ${ZTK_MAN_DIR}/run/${name})
    file(GENERATE OUTPUT ${wrapper}
        CONTENT "#!/bin/sh\nexec '${PROJECT_SOURCE_DIR}/cmake/help2man-program.sh' '$<TARGET_FILE:${target}>' \"$@\"\n"
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                         WORLD_READ WORLD_EXECUTE)
    add_custom_command(
        OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=DBUS_SESSION_BUS_ADDRESS ASAN_OPTIONS=detect_leaks=0
                ${ZTK_HELP2MAN} --no-info --no-discard-stderr --section=1
                "--name=${ARG_SUMMARY}" --output=${page} ${wrapper}
        DEPENDS ${target} ${wrapper} ${PROJECT_SOURCE_DIR}/cmake/help2man-program.sh
        COMMENT "Writing the manual page of ${name}"
        VERBATIM)
    add_custom_target(${target}-man ALL DEPENDS ${page})
    install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${ARG_COMPONENT})
endfunction()

function(ztk_desktop_app name)
    cmake_parse_arguments(ARG "" "COMPONENT;SVG;DESKTOP;METAINFO" "PIXEL_SVGS" ${ARGN})
    set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${ARG_DESKTOP} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
            COMPONENT ${ARG_COMPONENT})
    install(FILES ${ARG_SVG} DESTINATION ${icons}/scalable/apps RENAME ${name}.svg
            COMPONENT ${ARG_COMPONENT})

    # The metainfo file is named after the component id it declares.
    get_filename_component(metainfo_name ${ARG_METAINFO} NAME)
    string(REGEX REPLACE "\\.in$" "" metainfo_name ${metainfo_name})
    set(metainfo ${CMAKE_CURRENT_BINARY_DIR}/${metainfo_name})
    configure_file(${ARG_METAINFO} ${metainfo} @ONLY)
    install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
            COMPONENT ${ARG_COMPONENT})

    if(NOT ZTK_ICONS)
        return()
    endif()
    set(pngs)
    foreach(size IN LISTS ZTK_ICON_SIZES)
        get_filename_component(svg ${ARG_SVG} ABSOLUTE)
        foreach(pixel_svg IN LISTS ARG_PIXEL_SVGS)
            if(pixel_svg MATCHES "-${size}\\.svg$")
                get_filename_component(svg ${pixel_svg} ABSOLUTE)
            endif()
        endforeach()
        set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/${name}.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
            COMMAND ${ZTK_RSVG_CONVERT} --width=${size} --height=${size} --keep-aspect-ratio
                    --output=${png} ${svg}
            DEPENDS ${svg}
            VERBATIM)
        list(APPEND pngs ${png})
        install(FILES ${png} DESTINATION ${icons}/${size}x${size}/apps
                COMPONENT ${ARG_COMPONENT})
    endforeach()
    add_custom_target(${name}-icons ALL DEPENDS ${pngs}
        COMMENT "Rendering the icons of ${name}")
endfunction()
