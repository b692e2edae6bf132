# Every option the program's usage text names has its paragraph in the manual page: a mode
# added to the command line must not be missing from `man quillora`.
# The usage text's lines of commands are the strings that begin with two spaces.
file(STRINGS ${USAGE} usage REGEX "^ *\"  ")
string(REGEX MATCHALL "--[a-z][-a-z]*" options "${usage}")
list(REMOVE_DUPLICATES options)
list(LENGTH options nombre)
if(nombre LESS 5)
    message(FATAL_ERROR "texte d'usage introuvable dans ${USAGE}")
endif()
file(READ ${MANUEL} page)
foreach(o ${options})
    # The page writes every dash as roff's \-.
    string(REPLACE "-" "\\-" ecrit "${o}")
    string(FIND "${page}" "\n.TP\n.B ${ecrit}\n" seule)
    string(FIND "${page}" "\n.TP\n.BI ${ecrit} " suivie)
    if(seule EQUAL -1 AND suivie EQUAL -1)
        message(FATAL_ERROR "option ${o} sans paragraphe dans la page de manuel")
    endif()
endforeach()
