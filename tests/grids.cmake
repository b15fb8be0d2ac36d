# Grids: model, editing rules, banded views.
gx_test(tst_grids ui/tst_grids.cpp)
target_link_libraries(tst_grids PRIVATE gx90ui)
