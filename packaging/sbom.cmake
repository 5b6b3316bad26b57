# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# cpack's post-build script: beside each package, PACKAGE.cdx.json, a CycloneDX 1.6 SBOM naming hello-cxx and,
# as its components, the runtimes a static program carries, or every shared library a dynamic one loads as the
# loader here resolves it; each with its licence and a purl scanners match. The build's facts come as
# CPACK_HELLO_PACKAGE_NAME, _VERSION, _LINKS_STATICALLY, _RUNTIMES (by commas) and _EXECUTABLE_FORMAT.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Runtimes.cmake)

string(REPLACE "," ";" runtimes "${CPACK_HELLO_RUNTIMES}")
set(linking static)
if(NOT CPACK_HELLO_LINKS_STATICALLY)
  set(linking dynamic)
  set(runtimes "")
  if(CPACK_HELLO_EXECUTABLE_FORMAT STREQUAL "ELF")
    # cpack has packed in its staging folder, and copies the packages out after.
    file(GLOB_RECURSE program LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
    list(FILTER program INCLUDE REGEX "/bin/hello$")
    # The loader lists what it would load, not running the program: a cross build's, which does not run
    # here, fails to package.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_TRACE_LOADED_OBJECTS=1 ${program}
      OUTPUT_VARIABLE loaded COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "/[^ \n]+" paths "${loaded}")
    foreach(path IN LISTS paths)
      cmake_path(GET path FILENAME library)
      set(runtime "${library}=")
      hello_debian_source(${library} ${path} "[^ ]+" runtime)
      list(APPEND runtimes "${runtime}")
    endforeach()
  endif()
endif()

# The distribution as scanners name it, debian-12, for the purls of Debian's source packages.
cmake_host_system_information(RESULT distro QUERY DISTRIB_ID DISTRIB_VERSION_ID)
set(components "")
set(refs "")
foreach(runtime IN LISTS runtimes)
  hello_describe_runtime("${runtime}")
  set(purl "pkg:generic/${NAME}@${VERSION}")
  if(SOURCE_PACKAGE)
    string(REGEX REPLACE "(.*);(.*)" "pkg:deb/\\1/${SOURCE_PACKAGE}@${VERSION}?arch=source&distro=\\1-\\2"
      purl "${distro}")
  endif()
  string(REGEX REPLACE "@$" "" purl "${purl}")
  string(REPLACE "+" "%2B" purl "${purl}")
  string(CONFIGURE [[{"type": "library", "bom-ref": "@NAME@", "name": "@NAME@", "version": "@VERSION@",
    "description": "@TITLE@", "purl": "@purl@", "licenses": [{"expression": "@LICENCE@"}],
    "properties": [{"name": "hello-cxx:debian-package", "value": "@PACKAGE@"}]}]] component @ONLY)
  # A field whose value is not known is left out.
  string(REGEX REPLACE ",[ \n]*\"[a-z]+\": (\\[{[^]]*)?\"\"(}])?" "" component "${component}")
  list(APPEND components "${component}")
  list(APPEND refs "\"${NAME}\"")
endforeach()
list(JOIN components ", " components)
list(JOIN refs ", " refs)

string(TIMESTAMP time "%Y-%m-%dT%H:%M:%SZ" UTC)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  cmake_path(GET package FILENAME file_name)
  file(SHA256 ${package} digest)
  # Named by the package's contents: the same package has the same SBOM.
  string(UUID serial NAMESPACE 6ba7b811-9dad-11d1-80b4-00c04fd430c8 NAME "${file_name} ${digest}" TYPE SHA1)
  string(CONFIGURE [[{"$schema": "http://cyclonedx.org/schema/bom-1.6.schema.json", "bomFormat": "CycloneDX",
    "specVersion": "1.6", "version": 1, "serialNumber": "urn:uuid:@serial@", "metadata": {"timestamp": "@time@",
    "component": {"type": "application", "bom-ref": "@CPACK_HELLO_PACKAGE_NAME@", "name": "@CPACK_HELLO_PACKAGE_NAME@",
      "version": "@CPACK_HELLO_VERSION@", "purl": "pkg:generic/@CPACK_HELLO_PACKAGE_NAME@@@CPACK_HELLO_VERSION@",
      "licenses": [{"expression": "MIT"}], "properties": [{"name": "hello-cxx:package", "value": "@file_name@"},
        {"name": "hello-cxx:linking", "value": "@linking@"}]}},
    "components": [@components@], "dependencies": [{"ref": "@CPACK_HELLO_PACKAGE_NAME@", "dependsOn": [@refs@]}]}]]
    bom @ONLY)
  # Laid out by CMake's JSON writer, which also checks it.
  string(JSON bom SET "${bom}" version 1)
  file(WRITE ${CPACK_PACKAGE_DIRECTORY}/${file_name}.cdx.json "${bom}\n")
  message(STATUS "SBOM: ${CPACK_PACKAGE_DIRECTORY}/${file_name}.cdx.json")
endforeach()
