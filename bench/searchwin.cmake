# The search window from OK to a filled result grid on the sample catalogue (offscreen).
if(DREL_BUILD_GUI)
    drel_bench(bench_searchwin SOURCES bench_searchwin.cpp LINK drel_search_ui drel_dbbuild)
    target_compile_definitions(bench_searchwin PRIVATE DREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endif()
