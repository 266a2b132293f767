drel_bench(bench_datamodule SOURCES bench_datamodule.cpp LINK drel_db)
