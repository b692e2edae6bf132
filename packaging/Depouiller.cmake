# Run by CPack on its staging folder: the programs lose the compiler's notes that stripping
# leaves, as Debian's own tools do.
file(GLOB programmes ${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*
     ${CPACK_TEMPORARY_DIRECTORY}/usr/libexec/quillora/*)
foreach(p ${programmes})
    execute_process(COMMAND ${CPACK_STRIP} --remove-section=.comment --remove-section=.note ${p}
        RESULT_VARIABLE code)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "strip a échoué sur ${p}")
    endif()
endforeach()
