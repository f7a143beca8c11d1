# The embedded pictures and clips, read back from the resources.
zel_add_test(tst_assets SOURCES tst_assets.cpp LABEL unit LIBS zelassets_rc Qt6::Gui)
