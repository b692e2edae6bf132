# What an installation holds, under its prefix: the installation test and the package test
# both look for each of these. A file installed in packaging/CMakeLists.txt is added here too.
set(QUILLORA_FICHIERS_INSTALLES
    bin/quillora
    libexec/quillora/quillora-classeur
    share/quillora/Aide/Sommaire.htm
    share/quillora/Aide/aide.css
    share/quillora/Aide/LesOptions.htm
    share/icons/hicolor/scalable/apps/quillora.svg
    share/applications/quillora.desktop
    share/mime/packages/quillora-cl3.xml
    share/metainfo/io.github.quillora.Quillora.metainfo.xml
    share/man/man1/quillora.1.gz
    share/doc/quillora/copyright
    share/doc/quillora/changelog.gz)
foreach(taille 16 32 48 64 128 256)
    list(APPEND QUILLORA_FICHIERS_INSTALLES share/icons/hicolor/${taille}x${taille}/apps/quillora.png)
endforeach()
# The window program is built, and installed, only with the toolkit.
if(GUI)
    list(APPEND QUILLORA_FICHIERS_INSTALLES libexec/quillora/quillora-fenetre
         libexec/quillora/quillora-formats.so)
endif()
