list(APPEND VARNO_APP_SOURCES
    check/check_bars.cpp
    check/diagnostics_bar.cpp
    check/xref_bar.cpp
)
