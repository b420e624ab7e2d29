list(APPEND VARNO_APP_SOURCES
    ladder/ladder_bar.cpp
    ladder/ladder_commands.cpp
    ladder/ladder_frame.cpp
    ladder/ladder_frame_commands.cpp
    ladder/ladder_icons.cpp
    ladder/ladder_print.cpp
    ladder/ladder_registration.cpp
    ladder/ladder_widget.cpp
    ladder/qt_clipboard.cpp
    ladder/qt_draw_surface.cpp
)
