# Envelope margin, comparison window and batch rating.
drel_bench(bench_rand SOURCES bench_rand.cpp LINK drel_sheet drel_dbbuild)
target_compile_definitions(bench_rand PRIVATE DREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
if(DREL_BUILD_GUI)
    drel_bench(bench_vergleich SOURCES bench_vergleich.cpp LINK drel_print_ui drel_dbbuild)
    target_compile_definitions(bench_vergleich PRIVATE DREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endif()
