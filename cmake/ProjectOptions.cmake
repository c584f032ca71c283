# Compiler settings shared by every target of the project.
add_library(quellorn_options INTERFACE)
# C++ only: the resource compiler of the Windows program takes none of these.
target_compile_options(quellorn_options INTERFACE
  "$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Werror>")
target_include_directories(quellorn_options INTERFACE ${PROJECT_SOURCE_DIR}/src)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports false -Wrestrict overlaps inside std::string concatenation when optimising
  # (GCC bug 105329).
  target_compile_options(quellorn_options INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
endif()

if(WIN32)
  # One self-contained .exe that runs on a bare Windows or under Wine.
  target_compile_definitions(quellorn_options INTERFACE UNICODE _UNICODE)
  target_link_options(quellorn_options INTERFACE -static -static-libgcc -static-libstdc++)
  # The release programs ship without their symbol tables, at half the size.
  target_link_options(quellorn_options INTERFACE $<$<CONFIG:Release>:-s>)
endif()

if(QUELLORN_SANITIZE)
  target_compile_options(quellorn_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(quellorn_options INTERFACE -fsanitize=address,undefined)
endif()

if(QUELLORN_FUZZ)
  # Every library gets libFuzzer's coverage hooks; only the fuzz targets link its main().
  target_compile_options(quellorn_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(quellorn_options INTERFACE -fsanitize=address,undefined)
endif()
