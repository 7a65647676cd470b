# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Installs the library, its public headers (never the _p.h ones), a CMake package and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(pzToolsIncludeDir ${CMAKE_INSTALL_INCLUDEDIR}/pzTools)
set(pzToolsCMakeDir ${CMAKE_INSTALL_LIBDIR}/cmake/pzTools)

target_include_directories(pzTools INTERFACE $<INSTALL_INTERFACE:${pzToolsIncludeDir}>)

install(TARGETS pzTools EXPORT pzToolsTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development)
foreach(folder core window buttons lists)
    install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/ DESTINATION ${pzToolsIncludeDir}
        COMPONENT development FILES_MATCHING PATTERN "*.h" PATTERN "*_p.h" EXCLUDE)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/include/pzToolsExport.h DESTINATION ${pzToolsIncludeDir}
    COMPONENT development)

install(EXPORT pzToolsTargets NAMESPACE pzTools:: DESTINATION ${pzToolsCMakeDir} COMPONENT development)
configure_package_config_file(cmake/pzToolsConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/pzToolsConfig.cmake INSTALL_DESTINATION ${pzToolsCMakeDir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/pzToolsConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pzToolsConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/pzToolsConfigVersion.cmake
    DESTINATION ${pzToolsCMakeDir} COMPONENT development)

# The prefix is found from the file's own place, so a staged or relocated install still works.
file(RELATIVE_PATH pzToolsPrefixFromPcDir /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
string(REGEX REPLACE "/$" "" pzToolsPrefixFromPcDir "${pzToolsPrefixFromPcDir}")
configure_file(cmake/pzTools.pc.in ${CMAKE_CURRENT_BINARY_DIR}/pzTools.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pzTools.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
