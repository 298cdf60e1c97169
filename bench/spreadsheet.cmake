# The export and print on LibreOffice, soffice start included: only where the
# build found LibreOffice and made the report template.
if(CORVASINE_HAVE_LIBREOFFICE AND TARGET corvasine_report_template)
  corvasine_add_bench(bench_spreadsheet
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_spreadsheet.cpp
    LIBS corvasine::spreadsheet corvasine::gas_turbine)
  target_include_directories(bench_spreadsheet PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(bench_spreadsheet
    PRIVATE CORVASINE_REPORT_TEMPLATE="${CORVASINE_REPORT_TEMPLATE}")
  add_dependencies(bench_spreadsheet corvasine_report_template)
endif()
