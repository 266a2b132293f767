# Property calls of the refrigerant library (the search repeats them per article).
drel_bench(bench_stoff SOURCES bench_stoff.cpp LINK drel_fluid)
target_compile_definitions(bench_stoff PRIVATE DREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
