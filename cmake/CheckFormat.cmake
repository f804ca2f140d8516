# cmake -DCLANG_FORMAT=<program> -DSOURCE_DIR=<tree> -P CheckFormat.cmake
# Fails when any C++ file of our own differs from what clang-format makes of it.
file(GLOB_RECURSE sources
    ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
    ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h
    ${SOURCE_DIR}/controls/*.cpp ${SOURCE_DIR}/controls/*.h
    ${SOURCE_DIR}/engine/*.cpp ${SOURCE_DIR}/engine/*.h
    ${SOURCE_DIR}/help/*.cpp ${SOURCE_DIR}/help/*.h
    ${SOURCE_DIR}/platform/*.cpp ${SOURCE_DIR}/platform/*.h
    ${SOURCE_DIR}/resources/*.cpp ${SOURCE_DIR}/resources/*.h
    ${SOURCE_DIR}/shell/*.cpp ${SOURCE_DIR}/shell/*.h
    ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
    ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h)
list(LENGTH sources count)
if(count EQUAL 0)
    message(FATAL_ERROR "no sources found under ${SOURCE_DIR}")
endif()
execute_process(
    COMMAND ${CLANG_FORMAT} --dry-run --Werror --style=file ${sources}
    WORKING_DIRECTORY ${SOURCE_DIR}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format would change the files above; run clang-format -i on them")
endif()
message(STATUS "${count} files formatted")
