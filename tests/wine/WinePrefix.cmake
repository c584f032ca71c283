# The Wine prefix of the test run: created once, before any test program starts, and cut
# off from the host (no Z: drive, no profile links into a home folder, HOME and the
# freedesktop trash inside the build folder, a private display), so no test can reach outside
# it.
set(QUELLORN_WINE_ROOT ${CMAKE_BINARY_DIR}/wine)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-env.sh.in ${CMAKE_BINARY_DIR}/wine-env.sh @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-prefix.in ${CMAKE_BINARY_DIR}/wine-prefix @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)

add_test(NAME wine_prefix_create COMMAND ${CMAKE_BINARY_DIR}/wine-prefix --fresh)
set_tests_properties(wine_prefix_create PROPERTIES FIXTURES_SETUP wine_prefix)
# After the last test: the prefix's Wine processes and its display end.
add_test(NAME wine_prefix_stop COMMAND ${CMAKE_BINARY_DIR}/wine-prefix --stop)
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine_prefix)
