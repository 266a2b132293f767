drel_bench(bench_rating SOURCES bench_rating.cpp LINK drel_calc drel_db)
target_compile_definitions(bench_rating PRIVATE DREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
