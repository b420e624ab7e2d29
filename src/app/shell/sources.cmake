list(APPEND VARNO_APP_SOURCES
    shell/app_translation.cpp
    shell/command_table.cpp
    shell/main_frame.cpp
    shell/qt_message_service.cpp
)
