# The data-point table and the simulator's seed tables are generated from
# model/dpt/datapoints.tsv and model/dpt/seeds.tsv into the build tree. The first folder
# that includes this file defines the generator and its run; consumers add
# ${DPT_TABLE_SOURCE} or ${DPT_SEED_SOURCE} and depend on dpt_generated.
set(DPT_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(DPT_TABLE_SOURCE ${DPT_GENERATED_DIR}/model/dpt/DpStaticTable.cpp)
set(DPT_SEED_SOURCE ${DPT_GENERATED_DIR}/simulator/device/SeedTables.cpp)
if(TARGET dpt_generated)
    return()
endif()

# The reader and the rule checks form a library of their own so that tests can feed them.
add_library(dptgen_core STATIC
    ${CMAKE_SOURCE_DIR}/tools/dptgen/TableSource.cpp
    ${CMAKE_SOURCE_DIR}/tools/dptgen/TableChecks.cpp)
target_include_directories(dptgen_core PUBLIC ${CMAKE_SOURCE_DIR}/tools/dptgen)
# The wire sizes are the model's own table.
target_include_directories(dptgen_core PRIVATE ${CMAKE_SOURCE_DIR})
add_executable(dptgen ${CMAKE_SOURCE_DIR}/tools/dptgen/main.cpp)
target_link_libraries(dptgen PRIVATE dptgen_core tools_common)

set(DPT_DATA ${CMAKE_SOURCE_DIR}/model/dpt/datapoints.tsv)
set(DPT_SEEDS ${CMAKE_SOURCE_DIR}/model/dpt/seeds.tsv)
add_custom_command(
    OUTPUT ${DPT_TABLE_SOURCE} ${DPT_SEED_SOURCE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DPT_GENERATED_DIR}/model/dpt ${DPT_GENERATED_DIR}/simulator/device
    COMMAND dptgen ${DPT_DATA} ${DPT_SEEDS} ${DPT_TABLE_SOURCE} ${DPT_SEED_SOURCE}
    DEPENDS dptgen ${DPT_DATA} ${DPT_SEEDS}
    COMMENT "Checking and generating the data-point table"
    VERBATIM)
add_custom_target(dpt_generated DEPENDS ${DPT_TABLE_SOURCE} ${DPT_SEED_SOURCE})
