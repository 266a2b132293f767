# The envelope test of the search: one point from scratch and through the kept drawing.
drel_bench(bench_chart SOURCES bench_chart.cpp LINK drel_chart Qt6::Gui)
