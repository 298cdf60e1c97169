corvasine_add_bench(bench_gas_turbine
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_gas_turbine.cpp
  LIBS corvasine::gas_turbine)
# The reference cases of the tests.
target_include_directories(bench_gas_turbine PRIVATE ${PROJECT_SOURCE_DIR}/tests)
