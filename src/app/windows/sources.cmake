list(APPEND VARNO_APP_SOURCES
    windows/instruct_doc.cpp
    windows/instruct_frame.cpp
    windows/instruct_registration.cpp
    windows/instruct_view.cpp
)
