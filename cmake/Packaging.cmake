# What every package of the game says about itself, whichever generator makes it.
set(CPACK_PACKAGE_NAME tavlora)
set(CPACK_PACKAGE_VENDOR "Tavlora Software")
set(CPACK_PACKAGE_CONTACT "Tavlora Software <support@tavlora.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tavlora.example/")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture puzzle of sliding or swapped tiles, against the clock")
# Lines short enough for Debian's control file, which shows them as they stand.
set(CPACK_PACKAGE_DESCRIPTION "\
Load a picture, and it is stretched to a square and cut into a board of
four by four tiles, which are then shuffled. Put it back together while the
clock runs: slide a tile into the empty cell, or exchange any two tiles.
Fewer moves in less time give a better score, and the best scores of each
kind of game are kept with the names of their players.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tavlora)
set(CPACK_STRIP_FILES ON)
# The package holds exactly what `cmake --install` puts under the prefix.
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION})
