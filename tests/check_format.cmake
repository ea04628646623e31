# Fails when a C++ source of the project does not follow .clang-format.
file(GLOB_RECURSE sources
    ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
    ${SOURCE_DIR}/playfield/*.cpp ${SOURCE_DIR}/playfield/*.h
    ${SOURCE_DIR}/rules/*.cpp ${SOURCE_DIR}/rules/*.h
    ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
    ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h
    ${SOURCE_DIR}/docs/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${sources} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format: the files above need formatting (run clang-format -i)")
endif()
