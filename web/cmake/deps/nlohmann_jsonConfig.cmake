# nlohmann/json for an emscripten build: the host's headers, linked into
# the build folder by web/cmake/emscripten.cmake.
if(NOT TARGET nlohmann_json::nlohmann_json)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${TARNVIK_HOST_HEADERS})
endif()
