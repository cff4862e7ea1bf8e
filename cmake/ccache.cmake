# Compiles through ccache where it is installed, so that a build reuses what an earlier build
# of the same sources compiled, even from another clone. Paths are hashed relative to the
# source tree and without the working folder, so a fresh clone elsewhere hits the same entries.
find_program(KELVORA_CCACHE ccache)
find_program(KELVORA_ENV env)
if(NOT KELVORA_CCACHE OR NOT KELVORA_ENV OR CMAKE_CXX_COMPILER_LAUNCHER)
  return()
endif()

# The Makefile names the folder; a build configured by hand takes the same default.
if(DEFINED ENV{KELVORA_CCACHE_DIR})
  set(kelvora_ccache_dir $ENV{KELVORA_CCACHE_DIR})
elseif(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
  set(kelvora_ccache_dir $ENV{XDG_CACHE_HOME}/kelvora-ccache)
else()
  set(kelvora_ccache_dir $ENV{HOME}/.cache/kelvora-ccache)
endif()
set(KELVORA_CCACHE_DIR ${kelvora_ccache_dir} CACHE PATH "Where ccache keeps Kelvora's objects")
set(KELVORA_CCACHE_MAXSIZE 8G CACHE STRING "The size ccache may let its cache grow to")

# The cap goes into the cache's own configuration, where `ccache -s` reports it too.
execute_process(COMMAND ${KELVORA_ENV} CCACHE_DIR=${KELVORA_CCACHE_DIR} ${KELVORA_CCACHE}
  --max-size=${KELVORA_CCACHE_MAXSIZE} OUTPUT_QUIET ERROR_QUIET)
set(CMAKE_CXX_COMPILER_LAUNCHER ${KELVORA_ENV}
  CCACHE_DIR=${KELVORA_CCACHE_DIR}
  CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
  CCACHE_NOHASHDIR=1
  ${KELVORA_CCACHE})
message(STATUS "Compiling through ccache, cache in ${KELVORA_CCACHE_DIR}")
