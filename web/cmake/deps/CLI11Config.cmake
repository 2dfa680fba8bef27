# CLI11 for an emscripten build: the host's headers, linked into the build
# folder by web/cmake/emscripten.cmake.
if(NOT TARGET CLI11::CLI11)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  set_target_properties(CLI11::CLI11 PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${TARNVIK_HOST_HEADERS})
endif()
