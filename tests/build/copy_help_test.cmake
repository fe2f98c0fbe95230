# The active help file after a rebuild is the chosen language's: with the setting '1' the English help, without a
# setting the Italian one. Run with -DSCRIPT=<copy_help.cmake> -DWORK=<a scratch folder>.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/help/ita ${WORK}/help/eng ${WORK}/data)
file(WRITE ${WORK}/help/ita/help_ita.pdf "ita")
file(WRITE ${WORK}/help/eng/help_eng.pdf "eng")

function(expect_active_help language)
  execute_process(COMMAND ${CMAKE_COMMAND} -DHELP=${WORK}/help -DDATA=${WORK}/data -P ${SCRIPT}
                  RESULT_VARIABLE result)
  file(READ ${WORK}/help/help.pdf active)
  if(NOT result EQUAL 0 OR NOT active STREQUAL language)
    message(FATAL_ERROR "active help '${active}' (exit ${result}), expected '${language}'")
  endif()
endfunction()

expect_active_help(ita)
file(WRITE ${WORK}/data/language.dat "1")
expect_active_help(eng)
file(WRITE ${WORK}/data/language.dat "0")
expect_active_help(ita)
file(REMOVE_RECURSE ${WORK})
