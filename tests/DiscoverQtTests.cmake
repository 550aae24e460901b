# Runs after a Qt Test executable is built: asks it for its test functions (-functions) and
# writes one CTest entry per function, run as "EXE function". The functions of one executable
# share its test-mode settings and data folders, so they run one at a time.
# Arguments: -DEXE=executable -DNAME=test-name prefix -DOUT=file to write.
set(ENV{QT_QPA_PLATFORM} offscreen)
# Listing is not testing: a sanitizer build must not fail it on library leaks at exit.
set(ENV{ASAN_OPTIONS} detect_leaks=0)
execute_process(COMMAND "${EXE}" -functions
    OUTPUT_VARIABLE listing RESULT_VARIABLE result TIMEOUT 120)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${EXE} -functions failed: ${result}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(tests "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "\\(\\)$" "" function "${line}")
    if(NOT function MATCHES "^[A-Za-z_][A-Za-z0-9_:]*$")
        continue()
    endif()
    string(APPEND tests
        "add_test([=[${NAME}.${function}]=] [=[${EXE}]=] [=[${function}]=])\n"
        "set_tests_properties([=[${NAME}.${function}]=] PROPERTIES LABELS gui"
        " ENVIRONMENT QT_QPA_PLATFORM=offscreen RESOURCE_LOCK [=[${NAME}]=])\n")
endforeach()
file(WRITE "${OUT}" "${tests}")
