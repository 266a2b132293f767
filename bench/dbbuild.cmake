# Database build from a generated export set (tools/genexports).
drel_bench(bench_dbbuild SOURCES bench_dbbuild.cpp LINK drel_dbbuild drel_genexports)
target_compile_definitions(bench_dbbuild PRIVATE DREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
