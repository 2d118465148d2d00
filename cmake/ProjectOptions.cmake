# One interface target that every library, program, test and benchmark links:
# language standard, warnings and the optional sanitizers.
option(CARTELIM_WERROR "Treat compiler warnings as errors" OFF)
option(CARTELIM_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(cartelim_options INTERFACE)
target_compile_features(cartelim_options INTERFACE cxx_std_20)
target_compile_options(cartelim_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
target_compile_definitions(cartelim_options INTERFACE
    QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_USE_QSTRINGBUILDER)

if(CARTELIM_WERROR)
    target_compile_options(cartelim_options INTERFACE -Werror)
    # GCC 12 reports false "may be used uninitialized" warnings inside Qt's QStringBuilder once it
    # inlines string concatenations at -O2; they stay warnings, never errors.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(cartelim_options INTERFACE -Wno-error=maybe-uninitialized)
    endif()
endif()

if(CARTELIM_SANITIZE)
    target_compile_options(cartelim_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(cartelim_options INTERFACE -fsanitize=address,undefined)
endif()

# Coverage-guided fuzzing (fuzz/): clang only. Everything is built with libFuzzer's coverage
# instrumentation and the sanitizers, so that the code a target reaches guides the fuzzer and any fault
# stops it; only the fuzz programs themselves link libFuzzer's main.
option(CARTELIM_FUZZ "Build the fuzz targets of fuzz/ (clang with libFuzzer)" OFF)
if(CARTELIM_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "CARTELIM_FUZZ needs clang: configure with CC=clang CXX=clang++")
    endif()
    target_compile_options(cartelim_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(cartelim_options INTERFACE -fsanitize=address,undefined)
endif()
