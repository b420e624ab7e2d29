list(APPEND VARNO_APP_SOURCES
    shell/about_dlg.cpp
    shell/app_fonts.cpp
    shell/app_translation.cpp
    shell/command_icons.cpp
    shell/command_table.cpp
    shell/document_registrations.cpp
    shell/document_types.cpp
    shell/main_frame.cpp
    shell/options_sheet.cpp
    shell/output_bar.cpp
    shell/qt_message_service.cpp
    shell/shell_settings.cpp
    shell/workspace.cpp
)
