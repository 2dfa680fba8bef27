# Set-up for a build with emscripten, read before the library's targets
# are made so that every target takes it.

# emcc runs its JavaScript parts with node, and needs Debian's node modules
# when the machine's node is not Debian's. A linker launcher sets the path
# for every link, however the build is started.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# CLI11 and nlohmann/json are header-only: the command line compiles them
# for WebAssembly from the host's copies. Only their own folders are
# linked in, never the host's whole /usr/include, whose C library headers
# would shadow emscripten's.
set(TARNVIK_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
foreach(header CLI/CLI.hpp nlohmann/json.hpp)
  get_filename_component(folder ${header} DIRECTORY)
  find_path(host_${folder} ${header} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
  if(NOT host_${folder})
    message(FATAL_ERROR "${header} not found in /usr/include (install libcli11-dev and nlohmann-json3-dev)")
  endif()
  file(MAKE_DIRECTORY ${TARNVIK_HOST_HEADERS})
  file(CREATE_LINK ${host_${folder}}/${folder} ${TARNVIK_HOST_HEADERS}/${folder} SYMBOLIC)
endforeach()
# find_package() in src/cli then finds the packages in web/cmake/deps.
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/deps CACHE PATH "nlohmann/json for emscripten" FORCE)
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/deps CACHE PATH "CLI11 for emscripten" FORCE)
