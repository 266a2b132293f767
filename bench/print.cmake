# The printed data sheet and the result printout, written as PDF.
drel_bench(bench_print SOURCES bench_print.cpp LINK drel_print drel_dbbuild)
target_compile_definitions(bench_print PRIVATE DREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
