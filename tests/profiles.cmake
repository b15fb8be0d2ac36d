# Profiles: the XML document layer, the gateway profile's keys, and the
# save and load commands with their dialogs and files.
gx_test(tst_xmldoc profiles/tst_xmldoc.cpp)
gx_test(tst_gatewayprofile profiles/tst_gatewayprofile.cpp)
target_compile_definitions(tst_gatewayprofile PRIVATE PROFILE_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/profiles/fixtures")
gx_test(tst_profilecommands profiles/tst_profilecommands.cpp)
target_compile_definitions(tst_profilecommands PRIVATE PROFILE_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/profiles/fixtures")
