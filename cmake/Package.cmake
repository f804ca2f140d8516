# cpack -G DEB: a Debian package of the installed tree, named
# quiltrix_<version>_<arch>.deb, its library dependencies found by
# dpkg-shlibdeps. packaging/deb/Stage.cmake lays the staged tree out the
# Debian way before it is packed.
set(CPACK_PACKAGE_NAME quiltrix)
set(CPACK_PACKAGE_VENDOR "The Quiltrix developers")
set(CPACK_PACKAGE_CONTACT "The Quiltrix developers <quiltrix@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jigsaw puzzles from your own photographs")
# Wrapped by hand: the control file keeps the lines as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Quiltrix cuts a photograph you choose into rectangular or interlocking"
       "jigsaw pieces, scatters and turns them over the board, and lets you"
       "drag them with the mouse, turn them with the R key and drop them onto"
       "the board until the picture is whole."
       "."
       "A clock times you, a small hint image shows the goal, the whole board"
       "can be shifted and recoloured, and five short sounds accompany the"
       "play. Help pages open in the game's own help viewer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/quiltrix/quiltrix)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Wayland sessions and WebP or TIFF pictures need plugins no linked library names.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-image-formats-plugins")

# The changelog and the copyright file (the game's licence, then the bundled
# fonts' licences) for /usr/share/doc/quiltrix/.
set(deb_dir ${PROJECT_SOURCE_DIR}/packaging/deb)
set(deb_out ${PROJECT_BINARY_DIR}/deb)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE QUILTRIX_LICENSE)
configure_file(${deb_dir}/copyright.in ${deb_out}/copyright @ONLY)
file(GLOB font_licences ${PROJECT_SOURCE_DIR}/resources/fonts/licenses/*.txt)
list(SORT font_licences)
foreach(licence IN LISTS font_licences)
    file(READ ${licence} text)
    get_filename_component(name ${licence} NAME_WE)
    file(APPEND ${deb_out}/copyright "\n-- ${name}\n\n${text}")
endforeach()
configure_file(${deb_dir}/changelog.in ${deb_out}/changelog @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${font_licences}
             ${PROJECT_SOURCE_DIR}/LICENSE)

set(QUILTRIX_DEB_DOC_DIR ${deb_out})
configure_file(${deb_dir}/Stage.cmake.in ${deb_out}/Stage.cmake @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS ${deb_out}/Stage.cmake)

include(CPack)
