# Database build from a generated export set (tools/genexports).
add_library(drel_genexports STATIC ${PROJECT_SOURCE_DIR}/tools/genexports/genexports.cpp)
target_include_directories(drel_genexports PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(drel_genexports PUBLIC Qt6::Core)
drel_warnings(drel_genexports)

add_executable(genexports ${PROJECT_SOURCE_DIR}/tools/genexports/main.cpp)
target_link_libraries(genexports PRIVATE drel_genexports)
drel_warnings(genexports)

drel_bench(bench_dbbuild SOURCES bench_dbbuild.cpp LINK drel_dbbuild drel_genexports)
