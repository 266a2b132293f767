# The performance table of the data sheet on the sample catalogue.
drel_bench(bench_pages SOURCES bench_pages.cpp LINK drel_sheet_pages drel_dbbuild)
target_compile_definitions(bench_pages PRIVATE DREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
