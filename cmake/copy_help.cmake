# Puts the help file of the operator's language in place as the active help file (HELP/help.pdf): the language
# setting DATA/language.dat holds '1' for English, anything else or no setting means Italian. So a rebuild renews
# the active help file without undoing a change of language.
set(code ita)
if(EXISTS ${DATA}/language.dat)
  file(READ ${DATA}/language.dat setting LIMIT 1)
  if(setting STREQUAL "1")
    set(code eng)
  endif()
endif()
file(COPY_FILE ${HELP}/${code}/help_${code}.pdf ${HELP}/help.pdf)
