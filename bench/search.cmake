# The selection search on the sample catalogue (data/Daten) and on a ten-fold copy of it.
drel_bench(bench_search SOURCES bench_search.cpp LINK drel_search drel_dbbuild)
target_compile_definitions(bench_search PRIVATE DREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
