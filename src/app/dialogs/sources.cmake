list(APPEND VARNO_APP_SOURCES
    dialogs/file_watch_dlg.cpp
)
