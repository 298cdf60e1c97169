corvasine_add_bench(bench_steam_properties
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_steam_properties.cpp
  LIBS corvasine::steam_properties)
