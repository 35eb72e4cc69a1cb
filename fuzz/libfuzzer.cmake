# Initial cache of the libFuzzer build (`make fuzz`):
#   cmake -S . -B build-fuzz -C fuzz/libfuzzer.cmake
# Debian's clang 14 with its run-time libraries (clang-14, libclang-rt-14-dev).
# Every library is instrumented for coverage and checked by AddressSanitizer
# and UndefinedBehaviorSanitizer; only the fuzz targets link libFuzzer.
set(CMAKE_C_COMPILER clang-14 CACHE STRING "")
set(CMAKE_CXX_COMPILER clang++-14 CACHE STRING "")
set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "")
set(fuzz_flags "-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer")
set(CMAKE_C_FLAGS "${fuzz_flags}" CACHE STRING "")
set(CMAKE_CXX_FLAGS "${fuzz_flags}" CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS "-fsanitize=address,undefined" CACHE STRING "")
set(KINEA_FUZZ ON CACHE BOOL "")
