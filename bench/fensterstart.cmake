# The program window from process start to a usable main window (timed by run_all.py).
if(DREL_BUILD_GUI)
    add_executable(bench_fensterstart bench_fensterstart.cpp)
    target_link_libraries(bench_fensterstart PRIVATE drel_app_ui drel_dbbuild_ui drel_search_ui
                                                     drel_calc drel_db)
    drel_warnings(bench_fensterstart)
endif()
