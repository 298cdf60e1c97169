# Turns the template's flat OpenDocument source into the Excel 97-2003
# workbook that the program opens, with a throw-away LibreOffice profile and
# temporary folder, both removed with WORK.
# Variables: SOFFICE, FILE_URL (the tool that makes file URLs), SOURCE,
# OUTPUT, WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/profile ${WORK}/out ${WORK}/tmp)
execute_process(
  COMMAND ${FILE_URL} ${WORK}/profile
  OUTPUT_VARIABLE profile_url
  OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "LibreOffice cannot take the work folder ${WORK}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${WORK}/tmp
          ${SOFFICE} -env:UserInstallation=${profile_url} --headless --invisible
          --nologo --norestore --nolockcheck --convert-to "xls:MS Excel 97" --outdir ${WORK}/out
          ${SOURCE}
  RESULT_VARIABLE result
  OUTPUT_QUIET ERROR_QUIET
  TIMEOUT 180)
get_filename_component(stem ${SOURCE} NAME_WE)
if(NOT result EQUAL 0 OR NOT EXISTS ${WORK}/out/${stem}.xls)
  message(FATAL_ERROR "LibreOffice could not convert ${SOURCE} (${result})")
endif()
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(COPY_FILE ${WORK}/out/${stem}.xls ${OUTPUT})
file(REMOVE_RECURSE ${WORK})
