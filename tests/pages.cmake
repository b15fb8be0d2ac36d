# Parameter pages: field behaviours that programs trigger, display formats.
gx_test(tst_pagefields ui/tst_pagefields.cpp)
target_link_libraries(tst_pagefields PRIVATE gx90ui)
