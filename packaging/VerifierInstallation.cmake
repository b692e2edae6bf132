# Installs the build into a scratch DESTDIR, as a packager does, and checks that everything a
# desktop needs is there and that the desktop file is valid.
set(racine ${BUILD}/installation-test)
file(REMOVE_RECURSE ${racine})
set(ENV{DESTDIR} ${racine})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
    RESULT_VARIABLE code OUTPUT_QUIET)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "cmake --install a échoué (${code})")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/FichiersInstalles.cmake)
foreach(f ${QUILLORA_FICHIERS_INSTALLES})
    if(NOT EXISTS ${racine}/usr/${f})
        message(FATAL_ERROR "absent de l'installation : ${f}")
    endif()
endforeach()
file(GLOB dehors RELATIVE ${racine} ${racine}/*)
if(NOT dehors STREQUAL "usr")
    message(FATAL_ERROR "installé hors du préfixe : ${dehors}")
endif()

if(VALIDATE)
    execute_process(COMMAND ${VALIDATE} ${racine}/usr/share/applications/quillora.desktop
        RESULT_VARIABLE code OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
    if(NOT code EQUAL 0 OR NOT sortie STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate : ${sortie}")
    endif()
endif()
# The file type must be readable by the desktop's own tool.
if(MIME)
    execute_process(COMMAND ${MIME} ${racine}/usr/share/mime RESULT_VARIABLE code
        ERROR_VARIABLE sortie)
    if(NOT code EQUAL 0 OR NOT EXISTS ${racine}/usr/share/mime/application/x-quillora-classe.xml)
        message(FATAL_ERROR "type de fichier refusé : ${sortie}")
    endif()
endif()
file(REMOVE_RECURSE ${racine})
