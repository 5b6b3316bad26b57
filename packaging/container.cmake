# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The package_container target's OCI image layout, as a tar: its index names an image index of VERSION with an
# image for each workflow preset default (the host's) or linux-*, one layer of /hello and /licenses/ from its archive.
cmake_minimum_required(VERSION 3.25)
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${HELLO_RELEASE_EPOCH})
endif()
string(TIMESTAMP created "%Y-%m-%dT%H:%M:%SZ" UTC)
find_program(umoci umoci REQUIRED)
# Root's files, readable by all, of the release's time, whoever packs them.
set(tar tar --sort=name --owner=0 --group=0 --numeric-owner --mode=u+w,go-w,a+rX --mtime=@$ENV{SOURCE_DATE_EPOCH})
# Each processor's OCI platform, where it differs from the archives' (uname -m's) name.
set(oci_platforms " x86_64=amd64 aarch64=arm64 armv5tel=arm/v5 armv7l=arm/v7 i686=386 mips=mipsle mips64=mips64le")
set(layout ${HELLO_WORK_DIR}/layout)
file(REMOVE_RECURSE ${HELLO_WORK_DIR})
execute_process(COMMAND ${umoci} init --layout ${layout} COMMAND_ERROR_IS_FATAL ANY)
file(READ ${HELLO_SOURCE_DIR}/CMakePresets.json presets)
string(JSON count LENGTH "${presets}" workflowPresets)
math(EXPR last "${count} - 1")
foreach(entry RANGE ${last})
  string(JSON workflow GET "${presets}" workflowPresets ${entry} name)
  string(JSON preset GET "${presets}" workflowPresets ${entry} steps 0 name)
  if(NOT workflow MATCHES "^(default|linux-.*)$")
    continue()
  endif()
  # The archive that the preset's build folder packs, made by its workflow if missing.
  unset(CPACK_PACKAGE_FILE_NAME)
  include(${HELLO_SOURCE_DIR}/build/${preset}/CPackConfig.cmake OPTIONAL)
  if(NOT EXISTS ${HELLO_PACKAGE_DIR}/${CPACK_PACKAGE_FILE_NAME}.tar.gz)
    message(STATUS "hello: the archive of ${workflow} is missing: cmake --workflow --preset ${workflow}")
    execute_process(COMMAND ${CMAKE_COMMAND} --workflow --preset ${workflow}
      WORKING_DIRECTORY ${HELLO_SOURCE_DIR} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    include(${HELLO_SOURCE_DIR}/build/${preset}/CPackConfig.cmake OPTIONAL)
  endif()
  set(archive ${HELLO_PACKAGE_DIR}/${CPACK_PACKAGE_FILE_NAME}.tar.gz)
  if(NOT archive MATCHES "-linux-([^-/]+)\\.tar\\.gz$" OR NOT EXISTS ${archive})
    message(FATAL_ERROR "hello: workflow ${workflow} packs no static Linux archive into ${HELLO_PACKAGE_DIR}")
  endif()
  set(processor ${CMAKE_MATCH_1})
  set(top ${CPACK_PACKAGE_FILE_NAME})
  string(REGEX REPLACE ".* ${processor}=([^ ]+).*" "\\1" platform " ${processor}=${processor}${oci_platforms} ")
  string(REGEX MATCH "^[^/]+" architecture ${platform})
  message(STATUS "hello: image of linux/${platform} from ${archive}")
  # Licensed as the archive's SBOM says of the application and its components.
  file(READ ${archive}.cdx.json sbom)
  string(JSON application GET "${sbom}" metadata component licenses)
  string(JSON components GET "${sbom}" components)
  string(REGEX MATCHALL "\"(expression|id)\" *: *\"[^\"]*\"" licences "${application}${components}")
  list(TRANSFORM licences REPLACE "^.*\"([^\"]*)\"$" "\\1")
  list(TRANSFORM licences REPLACE "^(.* OR .*)$" "(\\1)")
  list(REMOVE_DUPLICATES licences)
  list(APPEND all_licences ${licences})
  list(JOIN licences " AND " licences)
  # Each image in a layout of its own, whose index names it alone: no shell, no environment, the user nobody.
  set(work ${HELLO_WORK_DIR}/${processor})
  file(ARCHIVE_EXTRACT INPUT ${archive} DESTINATION ${work})
  execute_process(COMMAND ${tar} -cf ${work}/layer.tar -C ${work}/${top} bin/hello share/licenses/${HELLO_PACKAGE_NAME}
    --transform "s|^bin/||;s|^share/licenses/${HELLO_PACKAGE_NAME}|licenses|" COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${umoci} init --layout ${work}/layout COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${umoci} new --image ${work}/layout COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${umoci} raw add-layer --image ${work}/layout --history.created ${created}
    --history.created_by "${HELLO_PACKAGE_NAME} ${HELLO_VERSION}" ${work}/layer.tar COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${umoci} config --image ${work}/layout --os linux --architecture ${architecture}
    --config.entrypoint /hello --config.user 65534:65534 --clear config.env --created ${created}
    --author "The hello-cxx developers" --history.created ${created} --history.created_by "entrypoint /hello"
    --manifest.annotation org.opencontainers.image.version=${HELLO_VERSION}
    --manifest.annotation "org.opencontainers.image.licenses=${licences}"
    --manifest.annotation org.opencontainers.image.title=${HELLO_PACKAGE_NAME}
    --manifest.annotation org.opencontainers.image.created=${created} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${umoci} gc --layout ${work}/layout COMMAND_ERROR_IS_FATAL ANY)
  file(COPY ${work}/layout/blobs DESTINATION ${layout})
  file(READ ${work}/layout/index.json index)
  string(JSON manifest GET "${index}" manifests 0)
  string(JSON manifest REMOVE "${manifest}" annotations)
  string(REGEX REPLACE "/(.+)" "\", \"variant\": \"\\1" where ${platform})
  string(JSON manifest SET "${manifest}" platform "{\"os\": \"linux\", \"architecture\": \"${where}\"}")
  list(APPEND manifests "${manifest}")
endforeach()

# No version of umoci writes an image index (a manifest list): it is written here, a blob like the others, and
# the layout's own index names it alone, under the version.
list(REMOVE_DUPLICATES all_licences)
list(JOIN all_licences " AND " all_licences)
list(JOIN manifests ", " manifests)
set(image_index "{\"schemaVersion\": 2, \"mediaType\": \"application/vnd.oci.image.index.v1+json\",
  \"manifests\": [${manifests}], \"annotations\": {\"org.opencontainers.image.version\": \"${HELLO_VERSION}\",
  \"org.opencontainers.image.licenses\": \"${all_licences}\"}}")
string(SHA256 digest "${image_index}")
string(LENGTH "${image_index}" size)
file(WRITE ${layout}/blobs/sha256/${digest} "${image_index}")
file(WRITE ${layout}/index.json "{\"schemaVersion\": 2, \"manifests\": [{
  \"mediaType\": \"application/vnd.oci.image.index.v1+json\", \"digest\": \"sha256:${digest}\", \"size\": ${size},
  \"annotations\": {\"org.opencontainers.image.ref.name\": \"${HELLO_VERSION}\"}}]}\n")
set(output ${HELLO_OUTPUT_DIR}/${HELLO_PACKAGE_NAME}-${HELLO_VERSION}-oci.tar)
file(MAKE_DIRECTORY ${HELLO_OUTPUT_DIR})
execute_process(COMMAND ${tar} -cf ${output} -C ${layout} oci-layout index.json blobs COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "package: ${output}")
