# The game's code as one static library per layer. A layer links only the
# layers below it and shows the layers above only its own headers: each
# layer's headers are linked into a directory of their own in the build
# tree, and that directory is the layer's only public include path. An
# include of a header from a layer that is not below fails to compile.
# docs/architecture.md draws the layers.

# cf_layer(name [INTERFACE] FILES <paths under src/...> USES <layers> LINKS <libraries>)
function(cf_layer name)
  cmake_parse_arguments(L "INTERFACE" "" "FILES;USES;LINKS" ${ARGN})
  set(dir "${CMAKE_BINARY_DIR}/layers/${name}")
  file(REMOVE_RECURSE "${dir}")
  file(MAKE_DIRECTORY "${dir}")
  set(sources "")
  foreach(f ${L_FILES})
    set(path "${CMAKE_SOURCE_DIR}/src/${f}")
    if(NOT EXISTS "${path}")
      message(FATAL_ERROR "layer ${name}: no file src/${f}")
    endif()
    list(APPEND sources "${path}")
    set_property(GLOBAL APPEND PROPERTY CF_PLACED_FILES "${f}")
    if(f MATCHES "\\.h$")
      get_filename_component(base "${f}" NAME)
      file(CREATE_LINK "${path}" "${dir}/${base}" SYMBOLIC)
    endif()
  endforeach()
  if(L_INTERFACE)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${dir}")
    target_link_libraries(${name} INTERFACE ${L_USES} ${L_LINKS})
  else()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC "${dir}")
    target_link_libraries(${name} PUBLIC ${L_USES} ${L_LINKS})
  endif()
endfunction()

# Qt-free: the constants, the text readers, the level words and the files
# the game rewrites (settings, records).
cf_layer(cf_format
  FILES world/cfg.h world/cfg.cpp world/data_text.h world/data_text.cpp
        world/extra_functions.h world/extra_functions.cpp
        world/level_format.h world/level_format.cpp
        app/durable_file.h app/durable_file.cpp app/settings_store.h app/settings_store.cpp
        app/records_store.h app/records_store.cpp)
# Only the constants read the data directory: on that one file the build
# path in the definition keeps compiler caches from sharing the others.
set_source_files_properties("${CMAKE_SOURCE_DIR}/src/world/cfg.cpp" PROPERTIES
  COMPILE_DEFINITIONS "CF_MAIN_DIRECTORY=\"${CF_MAIN_DIRECTORY}\"")

# The texts in the player's language: the catalogues, through Qt's
# translator.
cf_layer(cf_lang FILES lang/catalogue.h lang/catalogue.cpp LINKS Qt6::Core)

# What a key or pad button means.
# The player's own bindings sit on the table and are kept in the settings file.
cf_layer(cf_input
  FILES input/input_table.h input/input_table.cpp input/bindings.h input/bindings.cpp
  USES cf_format cf_lang LINKS Qt6::Core Qt6::Gui)
# The sprite table, shared with the atlas generator.
cf_layer(cf_atlas_table INTERFACE FILES render/atlas_table.h)
# The scene base every screen and world derives from, with the drawable
# items its drawing list holds and the sprite coordinates. They draw through
# the GL seam (gl_backend) and need no GL themselves.
cf_layer(cf_drawing
  FILES app/myscene.h app/myscene.cpp
        render/myglitem.h render/myglitem.cpp render/spriteman.h render/spriteman.cpp
        render/bg_gl_item.h render/bg_gl_item.cpp render/gl_backend.h render/gl_backend.cpp
        render/text.cpp
  USES cf_input cf_format cf_lang cf_atlas_table LINKS Qt6::Widgets)
# The world and its blocks: loading, the tick, rewind, headless play.
cf_layer(cf_world
  FILES world/game_scene.h world/game_scene.cpp world/level_loader.cpp
        world/checked_world.h world/checked_world.cpp world/level_checker.h world/level_checker.cpp
        world/placement.h world/placement.cpp world/replay.h world/replay.cpp
        world/solution_player.h world/solution_player.cpp
        world/rewind_log.h world/rewind_log.cpp world/attempt_record.h world/attempt_record.cpp
        world/par_search.h world/par_search.cpp
        world/solution_timing.h world/solution_timing.cpp
        world/thoughtless_player.h world/thoughtless_player.cpp
        world/world_copy.h world/world_copy.cpp world/scene_controls.h
        world/world_listener.h world/world_event.h world/failure_watch.h world/failure_watch.cpp
        blocks/stockblock.h blocks/stockblock.cpp blocks/stockchar.h blocks/stockchar.cpp
        blocks/cloud.h blocks/cloud.cpp blocks/falling_block.h blocks/falling_block.cpp
        blocks/spikes.h blocks/spikes.cpp blocks/bomb.h blocks/bomb.cpp
        blocks/stock_expendable.h blocks/stock_expendable.cpp
        blocks/fakeblock.h blocks/fakeblock.cpp blocks/collist.h blocks/collist.cpp
        blocks/collcard.h blocks/collcard.cpp blocks/level_entrance.h blocks/level_entrance.cpp
        blocks/level_exit.h blocks/level_exit.cpp
  USES cf_drawing)
# Where sounds are asked for; the player behind it is the sound layer's.
cf_layer(cf_sound_sink INTERFACE FILES sound/sound_sink.h sound/sound_table.h)
# HUD, drawers and in-game menus.
cf_layer(cf_controls
  FILES controls/game_controls.h controls/game_controls.cpp controls/hud.h controls/hud.cpp
        controls/hud_buttons.h controls/hud_buttons.cpp
        controls/controlling_drawer.h controls/controlling_drawer.cpp
        controls/drawing_drawer.h controls/drawing_drawer.cpp
        controls/moving_drawer.h controls/moving_drawer.cpp
        controls/drawer_block_switch.h controls/drawer_block_switch.cpp
        controls/apply_button.h controls/apply_button.cpp
        controls/in_game_menu.h controls/in_game_menu.cpp controls/menu_rows.h controls/menu_rows.cpp
        controls/map_signs.h controls/map_signs.cpp
        controls/play_marks.h controls/play_marks.cpp controls/stock_strip.h controls/stock_strip.cpp
        controls/title_card.h controls/title_card.cpp
        controls/solution_note.h controls/solution_note.cpp
  USES cf_world cf_sound_sink)
# The GL widget and the real GL behind the seam.
cf_layer(cf_gl
  FILES render/myglwidget.h render/myglwidget.cpp render/qt_gl_backend.h render/qt_gl_backend.cpp
        render/texture.cpp
  USES cf_drawing LINKS Qt6::OpenGL Qt6::OpenGLWidgets)
# The sound player and what the world's events sound like.
cf_layer(cf_sound
  FILES sound/sound_board.h sound/sound_board.cpp sound/world_ear.h sound/world_ear.cpp
  USES cf_world cf_sound_sink LINKS ${OPENAL_LIBRARY})
target_include_directories(cf_sound PRIVATE ${OPENAL_INCLUDE_DIR})
# Gamepads, read through SDL2.
cf_layer(cf_pad FILES input/pad_reader.h input/pad_reader.cpp USES cf_input LINKS Qt6::Core PkgConfig::SDL2)
# The playable screens: a level, the map, and the progress they record.
cf_layer(cf_levels
  FILES app/level_scene.h app/level_scene.cpp app/map_select_scene.h app/map_select_scene.cpp
        app/progress_manager.h app/progress_manager.cpp app/attempt_keeper.h app/attempt_keeper.cpp
  USES cf_controls cf_sound)
cf_layer(cf_editor
  FILES editor/editor_scene.h editor/editor_scene.cpp editor/editor_canvas.h editor/editor_canvas.cpp
        editor/editor_keys.h editor/editor_keys.cpp editor/editor_menu.h editor/editor_menu.cpp
        editor/editor_palette.h editor/editor_palette.cpp editor/level_document.h
        editor/level_document.cpp editor/level_store.h editor/level_store.cpp
        editor/own_levels_scene.h editor/own_levels_scene.cpp editor/editor_layout.h
        editor/editor_layout.cpp editor/name_picker.h editor/name_picker.cpp editor/try_warnings.h
        editor/try_warnings.cpp
  USES cf_levels cf_sound_sink)
# The shell: window, view, scene stack, title and pages.
cf_layer(cf_app
  FILES app/MainWindow.h app/MainWindow.cpp app/view.h app/view.cpp
        app/scene_manager.h app/scene_manager.cpp app/intro_scene.h app/intro_scene.cpp
        app/menu_scene.h app/menu_scene.cpp app/menu_buttons.h app/menu_buttons.cpp
        app/tex_scrolling_view.h app/tex_scrolling_view.cpp
        app/single_instance.h app/single_instance.cpp
        app/settings_scene.h app/settings_scene.cpp
        app/controls_scene.h app/controls_scene.cpp
  USES cf_editor cf_gl cf_pad LINKS Qt6::Network)

# Every source file belongs to a layer: a new file must be placed above.
file(GLOB_RECURSE cf_all_sources CONFIGURE_DEPENDS
     RELATIVE "${CMAKE_SOURCE_DIR}/src" "${CMAKE_SOURCE_DIR}/src/*.cpp" "${CMAKE_SOURCE_DIR}/src/*.h")
get_property(cf_placed GLOBAL PROPERTY CF_PLACED_FILES)
list(APPEND cf_placed app/main.cpp)
list(REMOVE_ITEM cf_all_sources ${cf_placed})
if(cf_all_sources)
  message(FATAL_ERROR "not in any layer (cmake/layers.cmake): ${cf_all_sources}")
endif()

# Everything, for the tests and the tools that drive the whole game.
add_library(crumbleford_core INTERFACE)
target_link_libraries(crumbleford_core INTERFACE cf_app)
