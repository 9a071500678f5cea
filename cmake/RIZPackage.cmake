# The installed package: headers, import libraries, DLLs (with the MinGW runtime they need), the CMake
# config with imported targets, and the toolchain file that outside programs build with.
include(CMakePackageConfigHelpers)

# What an outside program links is RIZuruzezu: the library, which brings its sibling DLL and the
# framework.
install(EXPORT RIZuruzezuTargets NAMESPACE RIZuruzezu:: DESTINATION lib/cmake/RIZuruzezu)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/RIZuruzezuConfig.cmake.in
  ${CMAKE_BINARY_DIR}/RIZuruzezuConfig.cmake
  INSTALL_DESTINATION lib/cmake/RIZuruzezu)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/RIZuruzezuConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/RIZuruzezuConfig.cmake ${CMAKE_BINARY_DIR}/RIZuruzezuConfigVersion.cmake
  DESTINATION lib/cmake/RIZuruzezu)

install(FILES ${RIZ_RUNTIME_DLLS} DESTINATION bin)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-w64.cmake DESTINATION share/RIZuruzezu)
