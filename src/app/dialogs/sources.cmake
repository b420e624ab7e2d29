list(APPEND VARNO_APP_SOURCES
    dialogs/add_sub_program_dlg.cpp
    dialogs/bat_edit_dlg.cpp
    dialogs/data_table_dlg.cpp
    dialogs/edit_comment_dlg.cpp
    dialogs/element_set.cpp
    dialogs/file_watch_dlg.cpp
    dialogs/find_dlg.cpp
    dialogs/func_set.cpp
    dialogs/lad_prop.cpp
    dialogs/ladder_prop_page.cpp
    dialogs/net_comment_dlg.cpp
    dialogs/operand_table_model.cpp
    dialogs/qt_editor_dialogs.cpp
    dialogs/version_dlg.cpp
)
