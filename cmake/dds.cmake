# libdds as a static library, built from the upstream source that
# scripts/fetch-dds-source.sh unpacks (DEALMINT_DDS_SOURCE), with its own flags: C++17,
# full optimisation, no assertions, std::thread for its worker threads, and none of the
# project's warnings. Its header is offered as <dds/dll.h>, where Debian puts it.
set(DEALMINT_DDS_SOURCE ${PROJECT_SOURCE_DIR}/third_party/dds
    CACHE PATH "libdds's unpacked source (scripts/fetch-dds-source.sh)")
if(NOT EXISTS ${DEALMINT_DDS_SOURCE}/src/dds.cpp)
  message(FATAL_ERROR "No libdds source in ${DEALMINT_DDS_SOURCE}: run scripts/fetch-dds-source.sh")
endif()
file(GLOB dds_sources ${DEALMINT_DDS_SOURCE}/src/*.cpp)
add_library(dds STATIC ${dds_sources})
set_target_properties(dds PROPERTIES CXX_STANDARD 17 COMPILE_OPTIONS "-O3;-w")
target_compile_definitions(dds PRIVATE NDEBUG DDS_THREADS_STL)
configure_file(${DEALMINT_DDS_SOURCE}/include/dll.h ${PROJECT_BINARY_DIR}/dds-include/dds/dll.h
               COPYONLY)
target_include_directories(dds PUBLIC ${PROJECT_BINARY_DIR}/dds-include)
find_package(Threads REQUIRED)
target_link_libraries(dds PUBLIC Threads::Threads)
