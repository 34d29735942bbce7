# Arbitrary device-to-panel frames through the link's receiving path, against the real table.
quillon_add_fuzzer(fuzz_link_decoder ${CMAKE_SOURCE_DIR}/fuzz/link_decoder.cpp model rtos_port_host)
