# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The SBOM of a package, PACKAGE.cdx.json beside it: a CycloneDX 1.6 document
# naming hello-cxx, its version and licence, and as its components what the
# program links. A static build carries its runtimes inside it: they are
# named with their versions and licences. A dynamic build carries none: its
# components are the shared libraries the program asks the loader for.
#
# As cpack's post-build script, it writes one for each package cpack made;
# tool-packages.cmake includes it and calls hello_write_sbom for the .deb.
# Both know the build's facts as HELLO_PACKAGE_NAME, HELLO_VERSION,
# HELLO_LINKS_STATICALLY, HELLO_RUNTIMES (NAME=VERSION,...), HELLO_EXECUTABLE_FORMAT and HELLO_READELF.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Runtimes.cmake)

# Writes the SBOM of file PACKAGE into folder OUTPUT; PROGRAM is the program
# as packed.
function(hello_write_sbom package output program)
  cmake_path(GET package FILENAME file_name)
  file(SHA256 ${package} digest)
  # Named by the package's contents: the same package has the same SBOM.
  string(UUID serial NAMESPACE 6ba7b811-9dad-11d1-80b4-00c04fd430c8 NAME "${file_name} ${digest}" TYPE SHA1)
  string(TIMESTAMP time "%Y-%m-%dT%H:%M:%SZ" UTC)

  set(components "[]")
  set(refs "[]")
  if(HELLO_LINKS_STATICALLY)
    set(linking static)
    string(REPLACE "," ";" runtimes "${HELLO_RUNTIMES}")
    foreach(runtime IN LISTS runtimes)
      string(REPLACE "=" ";" runtime "${runtime}")
      list(GET runtime 0 name)
      list(GET runtime 1 version)
      hello_describe_runtime("${name}" "${version}")
      set(component "{\"type\": \"library\"}")
      string(JSON component SET "${component}" bom-ref "\"${name}\"")
      string(JSON component SET "${component}" name "\"${name}\"")
      if(NOT VERSION STREQUAL "")
        string(JSON component SET "${component}" version "\"${VERSION}\"")
      endif()
      string(JSON component SET "${component}" description "\"${TITLE}\"")
      string(JSON component SET "${component}" licenses "[{\"expression\": \"${LICENCE}\"}]")
      string(JSON component SET "${component}" externalReferences
        "[{\"type\": \"source-distribution\", \"url\": \"${SOURCE}\"}]")
      hello_json_append(components "${component}")
      hello_json_append(refs "\"${name}\"")
    endforeach()
  else()
    set(linking dynamic)
    if(HELLO_EXECUTABLE_FORMAT STREQUAL "ELF")
      if(NOT HELLO_READELF)
        message(FATAL_ERROR "hello: the SBOM lists the shared libraries that readelf shows, "
          "and there is no readelf here (Debian: apt-get install binutils)")
      endif()
      execute_process(COMMAND ${HELLO_READELF} --dynamic ${program}
        OUTPUT_VARIABLE dynamic COMMAND_ERROR_IS_FATAL ANY)
      string(REGEX MATCHALL "\\(NEEDED\\)[^[]*\\[[^]]*\\]" needed "${dynamic}")
      list(TRANSFORM needed REPLACE ".*\\[(.*)\\]" "\\1")
      foreach(library IN LISTS needed)
        hello_json_append(components
          "{\"type\": \"library\", \"bom-ref\": \"${library}\", \"name\": \"${library}\"}")
        hello_json_append(refs "\"${library}\"")
      endforeach()
    endif()
  endif()

  set(bom "{\"$schema\": \"http://cyclonedx.org/schema/bom-1.6.schema.json\",
    \"bomFormat\": \"CycloneDX\", \"specVersion\": \"1.6\", \"version\": 1}")
  string(JSON bom SET "${bom}" serialNumber "\"urn:uuid:${serial}\"")
  set(application "{\"type\": \"application\"}")
  string(JSON application SET "${application}" bom-ref "\"${HELLO_PACKAGE_NAME}\"")
  string(JSON application SET "${application}" name "\"${HELLO_PACKAGE_NAME}\"")
  string(JSON application SET "${application}" version "\"${HELLO_VERSION}\"")
  string(JSON application SET "${application}" licenses "[{\"license\": {\"id\": \"MIT\"}}]")
  string(JSON application SET "${application}" properties "[
    {\"name\": \"hello-cxx:package\", \"value\": \"${file_name}\"},
    {\"name\": \"hello-cxx:linking\", \"value\": \"${linking}\"}]")
  string(JSON bom SET "${bom}" metadata "{\"timestamp\": \"${time}\"}")
  string(JSON bom SET "${bom}" metadata component "${application}")
  string(JSON bom SET "${bom}" components "${components}")
  string(JSON bom SET "${bom}" dependencies "[{\"ref\": \"${HELLO_PACKAGE_NAME}\", \"dependsOn\": ${refs}}]")
  file(WRITE ${output}/${file_name}.cdx.json "${bom}\n")
  message(STATUS "SBOM: ${output}/${file_name}.cdx.json")
endfunction()

# Appends JSON value VALUE to the JSON array in variable LIST.
function(hello_json_append list value)
  string(JSON length LENGTH "${${list}}")
  string(JSON result SET "${${list}}" ${length} "${value}")
  set(${list} "${result}" PARENT_SCOPE)
endfunction()

if(CPACK_PACKAGE_FILES)
  foreach(fact IN ITEMS PACKAGE_NAME VERSION LINKS_STATICALLY RUNTIMES EXECUTABLE_FORMAT READELF)
    set(HELLO_${fact} "${CPACK_HELLO_${fact}}")
  endforeach()
  # cpack has packed in its staging folder, and copies the packages out after.
  file(GLOB_RECURSE program LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
  list(FILTER program INCLUDE REGEX "/bin/hello(\\.exe)?$")
  foreach(package IN LISTS CPACK_PACKAGE_FILES)
    hello_write_sbom(${package} ${CPACK_PACKAGE_DIRECTORY} "${program}")
  endforeach()
endif()
