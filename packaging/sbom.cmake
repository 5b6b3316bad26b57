# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The SBOM of a package, PACKAGE.cdx.json beside it: a CycloneDX 1.6 document
# naming hello-cxx and, as its components, the runtimes a static program
# carries, or every shared library a dynamic one loads as the loader here
# resolves it; each with its licence and a purl scanners match.
#
# As cpack's post-build script, it writes one for each package cpack made,
# knowing the build's facts as HELLO_PACKAGE_NAME, HELLO_VERSION,
# HELLO_LINKS_STATICALLY, HELLO_RUNTIMES (by commas) and HELLO_EXECUTABLE_FORMAT.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Runtimes.cmake)

# Writes the SBOM of file PACKAGE into folder OUTPUT; PROGRAM is the program
# as packed.
function(hello_write_sbom package output program)
  cmake_path(GET package FILENAME file_name)
  file(SHA256 ${package} digest)
  # Named by the package's contents: the same package has the same SBOM.
  string(UUID serial NAMESPACE 6ba7b811-9dad-11d1-80b4-00c04fd430c8 NAME "${file_name} ${digest}" TYPE SHA1)
  string(TIMESTAMP time "%Y-%m-%dT%H:%M:%SZ" UTC)
  string(REPLACE "," ";" runtimes "${HELLO_RUNTIMES}")
  set(linking static)
  if(NOT HELLO_LINKS_STATICALLY)
    set(linking dynamic)
    set(runtimes "")
    if(HELLO_EXECUTABLE_FORMAT STREQUAL "ELF")
      # The loader lists what it would load, not running the program: a
      # cross build's, which does not run here, fails to package.
      execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_TRACE_LOADED_OBJECTS=1 ${program}
        OUTPUT_VARIABLE loaded COMMAND_ERROR_IS_FATAL ANY)
      string(REGEX MATCHALL "/[^ \n]+" paths "${loaded}")
      foreach(path IN LISTS paths)
        hello_debian_source(${path} "[^ ]+" debian)
        cmake_path(GET path FILENAME library)
        list(APPEND runtimes "${library}=${debian}")
      endforeach()
    endif()
  endif()

  set(components "[]")
  set(refs "[]")
  foreach(runtime IN LISTS runtimes)
    hello_describe_runtime("${runtime}")
    string(JSON component SET "{}" type "\"library\"")
    foreach(field IN ITEMS bom-ref=NAME name=NAME version=VERSION description=TITLE purl=PURL)
      string(REPLACE "=" ";" field "${field}")
      list(GET field 1 variable)
      if(NOT "${${variable}}" STREQUAL "")
        list(GET field 0 field)
        string(JSON component SET "${component}" ${field} "\"${${variable}}\"")
      endif()
    endforeach()
    if(LICENCE)
      string(JSON component SET "${component}" licenses "[{\"expression\": \"${LICENCE}\"}]")
    endif()
    if(PACKAGE)
      string(JSON component SET "${component}" properties
        "[{\"name\": \"hello-cxx:debian-package\", \"value\": \"${PACKAGE}\"}]")
    endif()
    string(JSON length LENGTH "${components}")
    string(JSON components SET "${components}" ${length} "${component}")
    string(JSON refs SET "${refs}" ${length} "\"${NAME}\"")
  endforeach()

  set(bom "{\"$schema\": \"http://cyclonedx.org/schema/bom-1.6.schema.json\",
    \"bomFormat\": \"CycloneDX\", \"specVersion\": \"1.6\", \"version\": 1}")
  string(JSON bom SET "${bom}" serialNumber "\"urn:uuid:${serial}\"")
  set(application "{\"type\": \"application\", \"bom-ref\": \"${HELLO_PACKAGE_NAME}\",
    \"name\": \"${HELLO_PACKAGE_NAME}\", \"version\": \"${HELLO_VERSION}\",
    \"purl\": \"pkg:generic/${HELLO_PACKAGE_NAME}@${HELLO_VERSION}\", \"licenses\": [{\"expression\": \"MIT\"}],
    \"properties\": [{\"name\": \"hello-cxx:package\", \"value\": \"${file_name}\"},
      {\"name\": \"hello-cxx:linking\", \"value\": \"${linking}\"}]}")
  string(JSON bom SET "${bom}" metadata "{\"timestamp\": \"${time}\"}")
  string(JSON bom SET "${bom}" metadata component "${application}")
  string(JSON bom SET "${bom}" components "${components}")
  string(JSON bom SET "${bom}" dependencies "[{\"ref\": \"${HELLO_PACKAGE_NAME}\", \"dependsOn\": ${refs}}]")
  file(WRITE ${output}/${file_name}.cdx.json "${bom}\n")
  message(STATUS "SBOM: ${output}/${file_name}.cdx.json")
endfunction()

if(CPACK_PACKAGE_FILES)
  foreach(fact IN ITEMS PACKAGE_NAME VERSION LINKS_STATICALLY RUNTIMES EXECUTABLE_FORMAT)
    set(HELLO_${fact} "${CPACK_HELLO_${fact}}")
  endforeach()
  # cpack has packed in its staging folder, and copies the packages out after.
  file(GLOB_RECURSE program LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
  list(FILTER program INCLUDE REGEX "/bin/hello(\\.exe)?$")
  foreach(package IN LISTS CPACK_PACKAGE_FILES)
    hello_write_sbom(${package} ${CPACK_PACKAGE_DIRECTORY} "${program}")
  endforeach()
endif()
