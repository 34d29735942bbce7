# Arbitrary 60-page EEPROM images loaded through the settings store and the settings.
quillon_add_fuzzer(fuzz_settings_store ${CMAKE_SOURCE_DIR}/fuzz/settings_store.cpp model rtos_port_host)
