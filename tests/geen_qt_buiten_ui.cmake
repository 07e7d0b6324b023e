# Fails when a file outside ui/ (and the UI tests) includes a Qt header.
file(GLOB_RECURSE bronnen RELATIVE ${BRON}
     ${BRON}/model/*.h ${BRON}/model/*.cpp ${BRON}/storage/*.h ${BRON}/storage/*.cpp
     ${BRON}/standings/*.h ${BRON}/standings/*.cpp ${BRON}/pairing/*.h ${BRON}/pairing/*.cpp
     ${BRON}/reports/*.h ${BRON}/reports/*.cpp ${BRON}/web/*.h ${BRON}/web/*.cpp
     ${BRON}/lang/*.h ${BRON}/lang/*.cpp
     ${BRON}/entry/*.h ${BRON}/entry/*.cpp ${BRON}/cli/*.h ${BRON}/cli/*.cpp
     ${BRON}/bench/*.h ${BRON}/bench/*.cpp ${BRON}/fuzz/*.cpp ${BRON}/examples/*.cpp)
set(fout "")
foreach(f ${bronnen})
  file(STRINGS ${BRON}/${f} regels REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
  if(regels)
    string(APPEND fout "${f}: ${regels}\n")
  endif()
endforeach()
if(fout)
  message(FATAL_ERROR "Qt included outside ui/:\n${fout}")
endif()
