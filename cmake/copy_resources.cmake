# Lays the program's resources (SOURCE) beside the executables (DESTINATION). The active message file holds the
# operator's language choice, so it is put in place only when it is missing: a rebuild never undoes a change of
# language.
file(COPY ${SOURCE}/ DESTINATION ${DESTINATION} REGEX "/msg/cad\\.msg$" EXCLUDE)
if(NOT EXISTS ${DESTINATION}/msg/cad.msg)
  file(COPY ${SOURCE}/msg/cad.msg DESTINATION ${DESTINATION}/msg)
endif()
