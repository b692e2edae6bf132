# The Debian package: `cpack -G DEB` in a build folder packs what `cmake --install` installs.
# scripts/paquet.sh builds it from a clean folder with Debian's hardening flags.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillora)
set(CPACK_PACKAGE_VENDOR "Équipe Quillora")
set(CPACK_PACKAGE_CONTACT "Équipe Quillora <equipe@quillora.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "carnet de notes du professeur")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.quillora.org/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack puts the summary above it as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quillora est le carnet de notes des professeurs de collège et de lycée.
Un fichier est une classe : jusqu'à 45 élèves, 3 matières, des trimestres
ou des semestres. Les notes se tapent sur une feuille ; Quillora calcule les
moyennes pondérées, avec joker et de l'année, trace les statistiques, classe
les élèves, imprime, exporte la classe en classeur et importe des listes
d'élèves. Ses modes en ligne de commande exportent, impriment et comparent
des classes, en écrivent le journal ou les relevés de notes, sans écran.")
# The libraries' packages are computed from the program itself; what it runs or loads by
# name is told here: Qt's display plugins, the desktop's tools for mail and file types, and
# the fonts that stand for "Arial" with its widths, which the sheet and the prints are laid
# out with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
set(CPACK_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/Depouiller.cmake)
# Whatever the umask of the one who builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
