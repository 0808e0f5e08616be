# cmake --install into a scratch prefix, then check what it gave.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}" RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install falhou: ${rc}")
endif()
foreach(f bin/golazzo bin/golazzo-shots bin/golazzo-make-install-tree
          share/applications/golazzo-2001.desktop share/icons/hicolor/scalable/apps/golazzo-2001.svg)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "faltou ${f}")
  endif()
endforeach()
find_program(VALIDA desktop-file-validate)
if(VALIDA)
  execute_process(COMMAND ${VALIDA} "${PREFIX}/share/applications/golazzo-2001.desktop"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "entrada de menu inválida: ${out}")
  endif()
endif()
# The installed program starts on a fresh data folder and keeps running
# until it is stopped; it exits on its own only on a failure.
set(dados "${PREFIX}/dados")
file(MAKE_DIRECTORY "${dados}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${dados} QT_QPA_PLATFORM=offscreen
                        timeout 8 "${PREFIX}/bin/golazzo"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 124)
  message(FATAL_ERROR "o programa instalado não ficou aberto (saída ${rc}): ${out}")
endif()
if(NOT EXISTS "${dados}/Golazzo 2001/Golazzo.db")
  message(FATAL_ERROR "o programa instalado não instalou a árvore padrão")
endif()
