# The data sheet: one recalculation with its diagram, and a t0 step to a repainted window.
if(DREL_BUILD_GUI)
    drel_bench(bench_sheet SOURCES bench_sheet.cpp LINK drel_sheet_ui drel_dbbuild)
    target_compile_definitions(bench_sheet PRIVATE DREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endif()
