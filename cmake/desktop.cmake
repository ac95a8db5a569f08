# Installation as a desktop application, and the Debian package.
# Included from the top-level CMakeLists.txt after the game's targets.

set(CF_APP_ID "io.github.crumbleford.Crumbleford")
set(CF_SCREENSHOT_URL "https://crumbleford.github.io/screenshots/" CACHE STRING
    "Where the software centre finds map.png, level.png and drawing.png (trailing slash)")
set(CF_PACKAGING_DIR "${CMAKE_SOURCE_DIR}/packaging")
set(CF_DESKTOP_DIR "${CMAKE_BINARY_DIR}/desktop")

# The icons are drawn at every size by a sibling of the atlas generator,
# with the same sprite code, rather than scaled down from one bitmap.
add_executable(crumbleford-icon tools/icon_gen/icon_gen.cpp tools/atlas_gen/paint_kit.cpp
               tools/atlas_gen/world_sprites.cpp tools/atlas_gen/colour_marks.cpp)
target_include_directories(crumbleford-icon PRIVATE "${CMAKE_SOURCE_DIR}/tools/atlas_gen")
target_link_libraries(crumbleford-icon PRIVATE Qt6::Gui)
set(CF_ICON_SIZES 48 64 128 256)
set(CF_ICONS "")
foreach(size ${CF_ICON_SIZES})
  set(icon "${CF_DESKTOP_DIR}/icons/${size}/${CF_APP_ID}.png")
  add_custom_command(OUTPUT "${icon}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CF_DESKTOP_DIR}/icons/${size}"
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:crumbleford-icon> ${size} "${icon}"
    DEPENDS crumbleford-icon
    COMMENT "Drawing the ${size} x ${size} icon")
  list(APPEND CF_ICONS "${icon}")
  install(FILES "${icon}"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()

# Man pages, compressed as Debian installs them.
find_program(CF_GZIP gzip REQUIRED)
set(CF_MAN_PAGES "")
foreach(page crumbleford crumbleford-sim)
  configure_file("${CF_PACKAGING_DIR}/${page}.6.in" "${CF_DESKTOP_DIR}/${page}.6" @ONLY)
  add_custom_command(OUTPUT "${CF_DESKTOP_DIR}/${page}.6.gz"
    COMMAND ${CF_GZIP} -9nkf "${page}.6"
    WORKING_DIRECTORY "${CF_DESKTOP_DIR}"
    DEPENDS "${CF_DESKTOP_DIR}/${page}.6"
    VERBATIM)
  list(APPEND CF_MAN_PAGES "${CF_DESKTOP_DIR}/${page}.6.gz")
endforeach()
add_custom_target(crumbleford_desktop ALL DEPENDS ${CF_ICONS} ${CF_MAN_PAGES})

configure_file("${CF_PACKAGING_DIR}/${CF_APP_ID}.metainfo.xml.in"
               "${CF_DESKTOP_DIR}/${CF_APP_ID}.metainfo.xml" @ONLY)

install(TARGETS crumbleford crumbleford-sim RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(DIRECTORY "${CF_STAGE_DIR}/" DESTINATION "${CF_MAIN_DIRECTORY}")
install(FILES "${CF_PACKAGING_DIR}/${CF_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CF_PACKAGING_DIR}/${CF_APP_ID}.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES "${CF_DESKTOP_DIR}/${CF_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES ${CF_MAN_PAGES} DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")

# cpack -G DEB: the libraries' packages come from dpkg-shlibdeps; the X11
# platform plugin is loaded at run time, so no library names it.
set(CPACK_PACKAGE_NAME "crumbleford")
set(CPACK_PACKAGE_VENDOR "The Crumbleford developers")
set(CPACK_PACKAGE_CONTACT "The Crumbleford developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "block-pushing puzzle game")
set(CPACK_PACKAGE_DESCRIPTION "A two-dimensional block-pushing puzzle game. You steer \
coloured characters who meet only the blocks of their colour, and draw blocks from their \
stock into the world to build a way to the exit doors.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
include(CPack)
