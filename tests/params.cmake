# Gateway parameters: the field codec, the parameter image, the stepped
# transfers and the read and write workflows.
gx_test(tst_codec params/tst_codec.cpp)
gx_test(tst_image params/tst_image.cpp)
gx_test(tst_homepage params/tst_homepage.cpp)
