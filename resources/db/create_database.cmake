# Creates the empty record database when the program folder has none; an existing file and
# its rows are left alone.
if(NOT EXISTS "${DB}")
    execute_process(COMMAND sqlite3 "${DB}"
        "CREATE TABLE LoadData (RecNo TEXT, MODE TEXT, UNIT TEXT, DIST1 TEXT, DIST2 TEXT, DIST3 TEXT, RESULT TEXT); PRAGMA journal_mode=WAL;"
        RESULT_VARIABLE rc OUTPUT_QUIET)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "could not create ${DB}")
    endif()
endif()
