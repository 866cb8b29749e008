# QUILLET_SANITIZE: every target built with AddressSanitizer (LeakSanitizer included) and
# UndefinedBehaviorSanitizer; any finding ends the process with a report, so a test fails.
# QUILLET_SANITIZER_ENVIRONMENT holds what every test process needs (empty otherwise).
set(QUILLET_SANITIZER_ENVIRONMENT "")
if(NOT QUILLET_SANITIZE)
  return()
endif()

set(sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=all)
# Frame pointers and line tables make the reports' stacks readable at little cost.
add_compile_options(${sanitizer_flags} -fno-omit-frame-pointer -g1)
# The instrumentation's added checks make GCC's bounds analysis warn about paths that cannot
# run (e.g. reads from Qt's shared empty byte array); the normal build keeps it an error.
add_compile_options(-Wno-error=array-bounds)
add_link_options(${sanitizer_flags})
add_compile_definitions(QUILLET_SANITIZE)

# Suppressions name third-party libraries only; a finding in our own code gets fixed.
set(suppressions "${CMAKE_CURRENT_LIST_DIR}/sanitizer")
# intercept_tls_get_addr=0: GCC 12's leak checker otherwise meets a bogus dynamic-TLS entry at exit
# (seen in the print tests) and dies instead of reporting.
set(QUILLET_ASAN_OPTIONS "detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=0:intercept_tls_get_addr=0")
set(QUILLET_SANITIZER_ENVIRONMENT
  "ASAN_OPTIONS=${QUILLET_ASAN_OPTIONS}"
  "LSAN_OPTIONS=suppressions=${suppressions}/lsan.supp:print_suppressions=0"
  "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=${suppressions}/ubsan.supp")
