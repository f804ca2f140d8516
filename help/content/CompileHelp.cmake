# Builds the help file: copies the page sources into a work folder, writes the
# License Agreement page from the licence files, runs chmcmd and checks that a
# non-empty file came out (chmcmd leaves a 0-byte file behind on some errors).
#   cmake -DSOURCE_DIR= -DWORK_DIR= -DOUTPUT= -DGAME_LICENSE= -DFONT_LICENSE_DIR=
#         -DCHMCMD= -DPROJECT_VERSION= -P CompileHelp.cmake
cmake_minimum_required(VERSION 3.25)
foreach(var SOURCE_DIR WORK_DIR OUTPUT GAME_LICENSE FONT_LICENSE_DIR CHMCMD PROJECT_VERSION)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "CompileHelp.cmake: ${var} is not set")
    endif()
endforeach()

function(html_escape text out)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(COPY "${SOURCE_DIR}/" DESTINATION "${WORK_DIR}"
     PATTERN "*.in" EXCLUDE PATTERN "*.cmake" EXCLUDE)

file(READ "${GAME_LICENSE}" game_text)
html_escape("${game_text}" GAME_LICENSE_TEXT)
set(FONT_LICENSES "")
foreach(font "DejaVu|DejaVu fonts" "Liberation|Liberation fonts" "BebasNeue|Bebas Neue"
             "DSEG|DSEG7")
    string(REPLACE "|" ";" parts "${font}")
    list(GET parts 0 file_stem)
    list(GET parts 1 title)
    file(READ "${FONT_LICENSE_DIR}/${file_stem}.txt" text)
    html_escape("${text}" text)
    string(APPEND FONT_LICENSES "<h3>${title}</h3>\n<pre>${text}</pre>\n")
endforeach()
# Every page template takes the project's values (the version) and the
# licence texts above.
file(GLOB page_templates RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.html.in")
foreach(template IN LISTS page_templates)
    string(REGEX REPLACE "\\.in$" "" page "${template}")
    configure_file("${SOURCE_DIR}/${template}" "${WORK_DIR}/${page}" @ONLY)
endforeach()

execute_process(COMMAND "${CHMCMD}" Quiltrix.hhp
                WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
set(built "${WORK_DIR}/Quiltrix.chm")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The help compiler chmcmd failed (exit code ${result}) on "
                        "${WORK_DIR}/Quiltrix.hhp:\n${out}")
endif()
if(NOT EXISTS "${built}")
    message(FATAL_ERROR "The help compiler chmcmd wrote no ${built}:\n${out}")
endif()
file(SIZE "${built}" size)
if(size EQUAL 0)
    message(FATAL_ERROR "The help compiler chmcmd left an empty ${built}:\n${out}")
endif()
get_filename_component(out_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
file(COPY_FILE "${built}" "${OUTPUT}")
