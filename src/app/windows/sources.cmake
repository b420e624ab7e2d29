list(APPEND VARNO_APP_SOURCES
    windows/comment_doc.cpp
    windows/comment_frame.cpp
    windows/comment_group_view.cpp
    windows/comment_model.cpp
    windows/comment_registration.cpp
    windows/comment_view.cpp
    windows/instruct_doc.cpp
    windows/instruct_frame.cpp
    windows/instruct_registration.cpp
    windows/instruct_view.cpp
    windows/param_edit_list.cpp
    windows/param_frame.cpp
    windows/param_group_view.cpp
    windows/param_model.cpp
    windows/param_registration.cpp
    windows/param_view.cpp
)
