corvasine_add_bench(bench_steam_turbine
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_steam_turbine.cpp
  LIBS corvasine::steam_turbine_testing)
