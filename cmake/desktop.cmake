# Installation as a desktop application. The Debian package is built from
# debian/ with these rules.
# Included from the top-level CMakeLists.txt after the game's targets.

set(CF_APP_ID "io.github.crumbleford.Crumbleford")
set(CF_SCREENSHOT_URL "https://crumbleford.github.io/screenshots/" CACHE STRING
    "Where the software centre finds map.png, level.png and drawing.png (trailing slash)")
# Debian puts games in /usr/games; a plain install keeps them in bin/.
set(CF_BIN_DIR "${CMAKE_INSTALL_BINDIR}" CACHE STRING
    "Where the programs are installed, relative to the prefix")
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

install(TARGETS crumbleford crumbleford-sim RUNTIME DESTINATION "${CF_BIN_DIR}")
install(DIRECTORY "${CF_STAGE_DIR}/" DESTINATION "${CF_MAIN_DIRECTORY}")
# The menu starts the game by its full path, since /usr/games is not on
# every session's PATH; the prefix is the one given at install time.
install(CODE "
  set(CF_INSTALLED_GAME \"\${CMAKE_INSTALL_PREFIX}/${CF_BIN_DIR}/crumbleford\")
  configure_file(\"${CF_PACKAGING_DIR}/${CF_APP_ID}.desktop.in\"
                 \"${CF_DESKTOP_DIR}/installed/${CF_APP_ID}.desktop\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
       TYPE FILE FILES \"${CF_DESKTOP_DIR}/installed/${CF_APP_ID}.desktop\")")
install(FILES "${CF_PACKAGING_DIR}/${CF_APP_ID}.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES "${CF_DESKTOP_DIR}/${CF_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES ${CF_MAN_PAGES} DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
