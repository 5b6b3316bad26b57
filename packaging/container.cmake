# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The container image: an OCI image layout, as a tar, whose index names one
# image index of VERSION listing an image for each Linux architecture. Each
# image is one layer of the static program alone, /hello, and its licences in
# /licenses/, taken from the static archives in HELLO_PACKAGE_DIR. Run as
#   cmake -D HELLO_PACKAGE_DIR=... -D HELLO_PACKAGE_NAME=... -D HELLO_VERSION=...
#     -D HELLO_RELEASE_EPOCH=... -D HELLO_WORK_DIR=... -P container.cmake
# with HELLO_OUTPUT_DIR (the package folder by default) for the image. Given
# HELLO_SOURCE_DIR, it first runs the workflow of each archive that is missing.
cmake_minimum_required(VERSION 3.25)
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${HELLO_RELEASE_EPOCH})
endif()
if(NOT HELLO_OUTPUT_DIR)
  set(HELLO_OUTPUT_DIR ${HELLO_PACKAGE_DIR})
endif()
string(TIMESTAMP created "%Y-%m-%dT%H:%M:%SZ" UTC)
foreach(tool IN ITEMS umoci tar)
  find_program(${tool} ${tool})
  if(NOT ${tool})
    message(FATAL_ERROR "hello: the container image needs ${tool} (Debian: apt-get install ${tool})")
  endif()
endforeach()
# umoci records the owner of what it packs: a packer that is not root unpacks
# rootless, and the bundle tells repack to pack as root.
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
set(rootless "")
if(NOT uid STREQUAL "0")
  set(rootless --rootless)
endif()

# The archives' processor names (uname -m), the OCI platform of each, and
# the workflow that makes the archive.
set(platforms x86_64=amd64=default aarch64=arm64=linux-arm64 armv5tel=arm/v5=linux-armel
  armv7l=arm/v7=linux-armhf i686=386=linux-i386 mips=mipsle=linux-mipsel
  mips64=mips64le=linux-mips64el ppc64le=ppc64le=linux-ppc64el s390x=s390x=linux-s390x)

set(layout ${HELLO_WORK_DIR}/layout)
file(REMOVE_RECURSE ${HELLO_WORK_DIR})
file(MAKE_DIRECTORY ${HELLO_WORK_DIR})
execute_process(COMMAND ${umoci} init --layout ${layout} COMMAND_ERROR_IS_FATAL ANY)
set(manifests "[]")
foreach(platform IN LISTS platforms)
  string(REPLACE "=" ";" platform "${platform}")
  list(GET platform 0 processor)
  list(GET platform 1 oci)
  list(GET platform 2 workflow)
  string(REPLACE "/" ";" oci "${oci}")
  list(GET oci 0 architecture)
  set(archive ${HELLO_PACKAGE_DIR}/${HELLO_PACKAGE_NAME}-${HELLO_VERSION}-linux-${processor}.tar.gz)
  if(NOT EXISTS ${archive} AND HELLO_SOURCE_DIR)
    message(STATUS "hello: ${archive} is missing: cmake --workflow --preset ${workflow}")
    execute_process(COMMAND ${CMAKE_COMMAND} --workflow --preset ${workflow}
      WORKING_DIRECTORY ${HELLO_SOURCE_DIR} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  if(NOT EXISTS ${archive})
    message(FATAL_ERROR "hello: the image of ${architecture} is made from ${archive}, which is missing")
  endif()
  set(work ${HELLO_WORK_DIR}/${processor})
  file(ARCHIVE_EXTRACT INPUT ${archive} DESTINATION ${work}/archive)
  file(GLOB program ${work}/archive/*/bin/hello)
  file(GLOB licences ${work}/archive/*/share/licenses/${HELLO_PACKAGE_NAME}/*)

  # umoci insert leaves a layer's tar unterminated (0.4.7); unpack and repack
  # write a whole one.
  set(image ${layout}:${processor})
  execute_process(COMMAND ${umoci} new --image ${image} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${umoci} unpack ${rootless} --image ${image} ${work}/bundle
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  set(rootfs ${work}/bundle/rootfs)
  file(COPY ${program} DESTINATION ${rootfs}
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  file(COPY ${licences} DESTINATION ${rootfs}/licenses
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  file(CHMOD ${rootfs} ${rootfs}/licenses
    PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  execute_process(COMMAND find ${rootfs} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${umoci} repack --image ${image} --history.created ${created}
    --history.created_by "${HELLO_PACKAGE_NAME} ${HELLO_VERSION}" ${work}/bundle COMMAND_ERROR_IS_FATAL ANY)
  # No shell, no environment, a user that is nobody.
  execute_process(COMMAND ${umoci} config --image ${image} --os linux --architecture ${architecture}
    --config.entrypoint /hello --config.user 65534:65534 --clear config.env --created ${created}
    --author "The hello-cxx developers" --history.created ${created} --history.created_by "entrypoint /hello"
    --manifest.annotation org.opencontainers.image.version=${HELLO_VERSION}
    --manifest.annotation org.opencontainers.image.licenses=MIT
    --manifest.annotation org.opencontainers.image.title=${HELLO_PACKAGE_NAME}
    --manifest.annotation org.opencontainers.image.created=${created}
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${umoci} gc --layout ${layout} COMMAND_ERROR_IS_FATAL ANY)

  # The image's manifest, as the layout's index names it, goes into the
  # image index with its platform.
  file(READ ${layout}/index.json index)
  string(JSON count LENGTH "${index}" manifests)
  math(EXPR last "${count} - 1")
  foreach(entry RANGE ${last})
    string(JSON ref GET "${index}" manifests ${entry} annotations org.opencontainers.image.ref.name)
    if(ref STREQUAL processor)
      string(JSON manifest GET "${index}" manifests ${entry})
    endif()
  endforeach()
  string(JSON manifest REMOVE "${manifest}" annotations)
  string(JSON digest GET "${manifest}" digest)
  string(REPLACE ":" "/" digest "${digest}")
  file(READ ${layout}/blobs/${digest} image_manifest)
  string(JSON layer_size GET "${image_manifest}" layers 0 size)
  file(SIZE ${program} program_size)
  string(REPLACE ";" "/" name "linux;${oci}")
  message(STATUS "hello: image of ${name}: one layer of ${layer_size} bytes, hello of ${program_size} bytes")
  set(where "{\"os\": \"linux\", \"architecture\": \"${architecture}\"}")
  list(LENGTH oci parts)
  if(parts EQUAL 2)
    list(GET oci 1 variant)
    string(JSON where SET "${where}" variant "\"${variant}\"")
  endif()
  string(JSON manifest SET "${manifest}" platform "${where}")
  string(JSON length LENGTH "${manifests}")
  string(JSON manifests SET "${manifests}" ${length} "${manifest}")
endforeach()

# No version of umoci writes an image index (a manifest list): the index of
# the images is written here, a blob like the others, and the layout's own
# index names it alone, under the version.
set(image_index "{\"schemaVersion\": 2, \"mediaType\": \"application/vnd.oci.image.index.v1+json\"}")
string(JSON image_index SET "${image_index}" manifests "${manifests}")
string(JSON image_index SET "${image_index}" annotations
  "{\"org.opencontainers.image.version\": \"${HELLO_VERSION}\", \"org.opencontainers.image.licenses\": \"MIT\"}")
file(WRITE ${HELLO_WORK_DIR}/image-index.json "${image_index}")
file(SHA256 ${HELLO_WORK_DIR}/image-index.json digest)
file(SIZE ${HELLO_WORK_DIR}/image-index.json size)
file(RENAME ${HELLO_WORK_DIR}/image-index.json ${layout}/blobs/sha256/${digest})
file(WRITE ${layout}/index.json "{\"schemaVersion\": 2, \"manifests\": [{
  \"mediaType\": \"application/vnd.oci.image.index.v1+json\", \"digest\": \"sha256:${digest}\", \"size\": ${size},
  \"annotations\": {\"org.opencontainers.image.ref.name\": \"${HELLO_VERSION}\"}}]}\n")

set(output ${HELLO_OUTPUT_DIR}/${HELLO_PACKAGE_NAME}-${HELLO_VERSION}-oci.tar)
file(MAKE_DIRECTORY ${HELLO_OUTPUT_DIR})
execute_process(COMMAND find ${layout} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} + COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${tar} --sort=name --owner=0 --group=0 --numeric-owner --mode=u+w,go-w,a+rX
  -cf ${output} -C ${layout} oci-layout index.json blobs COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "package: ${output}")
