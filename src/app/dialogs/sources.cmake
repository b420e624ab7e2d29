list(APPEND VARNO_APP_SOURCES
    dialogs/add_sub_program_dlg.cpp
    dialogs/version_dlg.cpp
)
