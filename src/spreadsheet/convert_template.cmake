# Turns the template's flat OpenDocument source into the Excel 97-2003
# workbook that the program opens, with a throw-away LibreOffice profile.
# Variables: SOFFICE, SOURCE, OUTPUT, WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/profile ${WORK}/out)
execute_process(
  COMMAND ${SOFFICE} -env:UserInstallation=file://${WORK}/profile --headless --invisible
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
