list(APPEND VARNO_APP_SOURCES
    widgets/byte_limit_validator.cpp
    widgets/color_list.cpp
    widgets/edit_label.cpp
    widgets/edit_list.cpp
    widgets/font_record_qt.cpp
    widgets/header_ctrl_ex.cpp
)
