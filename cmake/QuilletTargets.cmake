# Helpers shared by the deliverables' CMakeLists.

# quillet_sources(<var> <dir>...): every .cpp and .h below the given folders.
function(quillet_sources var)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
    list(APPEND files ${found})
  endforeach()
  set(${var} ${files} PARENT_SCOPE)
endfunction()

# quillet_track_sources(<target> <sources...>): re-runs moc for the target whenever the globbed
# list of its sources changes (otherwise a header added since the last build is only moc'ed on
# the build after next).
function(quillet_track_sources target)
  set(list_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt")
  string(REPLACE ";" "\n" content "${ARGN}")
  set(previous "")
  if(EXISTS "${list_file}")
    file(READ "${list_file}" previous)
  endif()
  if(NOT previous STREQUAL "${content}\n")
    file(WRITE "${list_file}" "${content}\n")
    # Forget the last moc run, so the next build scans every header again.
    file(REMOVE "${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp")
  endif()
endfunction()

# quillet_module(<name> <dirs...> LIBS <libs...>): a module loaded at run time by file name
# ("<name>.so" in the program folder).
function(quillet_module name)
  cmake_parse_arguments(M "" "" "DIRS;LIBS" ${ARGN})
  quillet_sources(src ${M_DIRS})
  add_library(${name} MODULE ${src})
  quillet_track_sources(${name} ${src})
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".so")
  target_link_libraries(${name} PRIVATE ${M_LIBS})
  # A module records every library it is declared to link, used yet or not: the link
  # boundaries between the deliverables are checked on the built files.
  target_link_options(${name} PRIVATE "LINKER:--no-as-needed")
  target_include_directories(${name} PRIVATE ${M_DIRS})
endfunction()

# quillet_tests(<dir> LIBS <libs...>): one test executable per tst_*.cpp in <dir>, registered
# with CTest. Each test runs headless with the shipped database copied to a fresh folder.
function(quillet_tests dir)
  cmake_parse_arguments(T "" "" "LIBS;DEPENDS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS "${dir}/tst_*.cpp")
  file(GLOB helpers CONFIGURE_DEPENDS "${dir}/helpers/*.cpp" "${dir}/helpers/*.h")
  foreach(test_src IN LISTS tests)
    get_filename_component(test_name "${test_src}" NAME_WE)
    add_executable(${test_name} "${test_src}" ${helpers})
    set_target_properties(${test_name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    target_link_libraries(${test_name} PRIVATE QuilletTestSupport Qt6::Test ${T_LIBS})
    target_include_directories(${test_name} PRIVATE "${dir}")
    if(T_DEPENDS)
      add_dependencies(${test_name} ${T_DEPENDS})
    endif()
    add_test(NAME ${test_name} COMMAND ${test_name})
    set_tests_properties(${test_name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUILLET_SOURCE_DIR=${CMAKE_SOURCE_DIR};QUILLET_BUILD_DIR=${CMAKE_BINARY_DIR};QUILLET_PROGRAM_DIR=${QUILLET_PROGRAM_DIR}"
      TIMEOUT 300)
    if(QUILLET_SANITIZER_ENVIRONMENT)
      set_property(TEST ${test_name} APPEND PROPERTY ENVIRONMENT ${QUILLET_SANITIZER_ENVIRONMENT})
    endif()
  endforeach()
endfunction()

# quillet_benchmarks(<dir> LIBS <libs...>): one Google Benchmark executable per bench_*.cpp.
function(quillet_benchmarks dir)
  if(NOT QUILLET_BENCHMARKS)
    return()
  endif()
  cmake_parse_arguments(B "" "" "LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  file(GLOB benches CONFIGURE_DEPENDS "${dir}/bench_*.cpp")
  foreach(bench_src IN LISTS benches)
    get_filename_component(bench_name "${bench_src}" NAME_WE)
    add_executable(${bench_name} "${bench_src}")
    set_target_properties(${bench_name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/benchmarks")
    target_link_libraries(${bench_name} PRIVATE benchmark::benchmark ${B_LIBS})
    target_include_directories(${bench_name} PRIVATE "${PROJECT_SOURCE_DIR}/common/bench")
  endforeach()
endfunction()
