# Fuzz targets: libFuzzer programs built with clang whatever compiler builds the project, run by
# ctest for a bounded number of inputs that start from committed seeds.
if(DOVETOCK_TESTS)
  find_program(DOVETOCK_CLANGXX NAMES clang++ clang++-14)
  find_package(PkgConfig QUIET)
endif()

# dovetock_add_fuzzer(NAME SOURCES ... PKG_MODULES ... SEEDS DIR [DICT FILE] [MAX_LEN N] [RUNS N] [SECONDS N])
#   SOURCES: the target's own source first, then every project source it needs (their headers beside
#   them count as dependencies). PKG_MODULES: pkg-config modules to compile and link against.
#   The test NAME_test runs RUNS inputs (default 20000) or SECONDS seconds (default 60), whichever
#   ends first; fuzz/run-long.sh runs the same binary for longer.
function(dovetock_add_fuzzer name)
  if(NOT DOVETOCK_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "SEEDS;DICT;MAX_LEN;RUNS;SECONDS" "SOURCES;PKG_MODULES" ${ARGN})
  if(NOT ARG_MAX_LEN)
    set(ARG_MAX_LEN 4096)
  endif()
  if(NOT ARG_RUNS)
    set(ARG_RUNS 20000)
  endif()
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS 60)
  endif()
  if(NOT ARG_PKG_MODULES)
    set(DOVETOCK_FUZZ_PC_${name}_FOUND TRUE)
  elseif(PkgConfig_FOUND)
    pkg_check_modules(DOVETOCK_FUZZ_PC_${name} QUIET ${ARG_PKG_MODULES})
  endif()
  if(NOT DOVETOCK_CLANGXX OR NOT DOVETOCK_FUZZ_PC_${name}_FOUND)
    message(STATUS "clang++ or the pkg-config files of ${ARG_PKG_MODULES} not found: ${name} is not built")
    return()
  endif()

  set(depends)
  foreach(source ${ARG_SOURCES})
    list(APPEND depends ${source})
    get_filename_component(dir ${source} DIRECTORY)
    get_filename_component(base ${source} NAME_WE)
    if(EXISTS ${dir}/${base}.h)
      list(APPEND depends ${dir}/${base}.h)
    endif()
  endforeach()
  set(werror)
  if(DOVETOCK_WERROR)
    set(werror -Werror)
  endif()

  set(fuzzers ${CMAKE_BINARY_DIR}/fuzzers)
  set(binary ${fuzzers}/${name})
  add_custom_command(
    OUTPUT ${binary}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${fuzzers}
    COMMAND ${DOVETOCK_CLANGXX} -std=c++20 -g -O1 -fPIC -Wall -Wextra -Wpedantic ${werror}
            -fsanitize=fuzzer,address,undefined -fno-sanitize=vptr -fno-sanitize-recover=undefined
            -I${PROJECT_SOURCE_DIR} ${DOVETOCK_FUZZ_PC_${name}_CFLAGS}
            ${ARG_SOURCES} -o ${binary} ${DOVETOCK_FUZZ_PC_${name}_LDFLAGS}
    DEPENDS ${depends}
    COMMENT "Building the fuzz target ${name} with clang"
    VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${binary})

  # What the runner needs besides the binary.
  file(WRITE ${fuzzers}/${name}.conf
       "seeds=${ARG_SEEDS}\ndict=${ARG_DICT}\nmax_len=${ARG_MAX_LEN}\n")
  add_test(NAME ${name}_test
           COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/run-fuzzer.sh ${binary} ${CMAKE_CURRENT_BINARY_DIR}/${name}-scratch
                   -runs=${ARG_RUNS} -max_total_time=${ARG_SECONDS} -seed=1)
  set_tests_properties(${name}_test PROPERTIES ENVIRONMENT "TZ=UTC;QT_QPA_PLATFORM=offscreen" LABELS fuzz
                       TIMEOUT 300)
endfunction()
