# Runs inside CPack after it has made each package, on the package in CPack's
# own folder before it is copied out. CPack 3.25 leaves things to the machine
# that a package must not depend on; this script rewrites them:
#   - a tar archive's members come in the order the file system lists them
#     (hash order on ext4, creation order on tmpfs), and a zip's too: written
#     again, sorted, with no owner of the builder's;
#   - a .deb's ar members take their modes from the umask: rw-r--r-- here;
#   - a .deb's Installed-Size adds up directory sizes as the file system
#     reports them (4096 on ext4, 80 on tmpfs): counted here as dpkg-gencontrol
#     counts, from file sizes.
set(epoch $ENV{SOURCE_DATE_EPOCH})
set(tar_options --format=gnu --sort=name --owner=root:0 --group=root:0 --mtime=@${epoch})

# Fills the variable OUT with VALUE left-aligned in a field of WIDTH characters.
function(hello_ar_field value width out)
  string(LENGTH "${value}" length)
  math(EXPR padding "${width} - ${length}")
  string(REPEAT " " ${padding} spaces)
  set(${out} "${${out}}${value}${spaces}" PARENT_SCOPE)
endfunction()

# Writes the Debian package PACKAGE as an ar archive of the MEMBERS in folder DIR.
function(hello_write_deb package dir)
  set(text "!<arch>\n")
  set(parts)
  set(n 0)
  foreach(member IN LISTS ARGN)
    file(SIZE "${dir}/${member}" size)
    hello_ar_field("${member}" 16 text)
    hello_ar_field("${epoch}" 12 text)
    hello_ar_field(0 6 text)
    hello_ar_field(0 6 text)
    hello_ar_field(100644 8 text)
    hello_ar_field(${size} 10 text)
    string(APPEND text "`\n")
    file(WRITE "${dir}/ar-header-${n}" "${text}")
    list(APPEND parts "${dir}/ar-header-${n}" "${dir}/${member}")
    math(EXPR n "${n} + 1")
    # Members start at even offsets.
    math(EXPR odd "${size} % 2")
    if(odd)
      set(text "\n")
    else()
      set(text "")
    endif()
  endforeach()
  file(WRITE "${dir}/ar-header-${n}" "${text}")
  execute_process(COMMAND cat ${parts} "${dir}/ar-header-${n}" OUTPUT_FILE "${package}"
    COMMAND_ERROR_IS_FATAL ANY)
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.tar\\.gz$")
    get_filename_component(top "${CPACK_TEMPORARY_DIRECTORY}" NAME)
    execute_process(
      COMMAND tar --create ${tar_options} --directory=${CPACK_TOPLEVEL_DIRECTORY} -- ${top}
      COMMAND gzip -9n
      OUTPUT_FILE "${package}"
      COMMAND_ERROR_IS_FATAL ANY)
  elseif(package MATCHES "\\.zip$")
    # Info-ZIP's zip with -X stores no owner and no Unix times, only the DOS
    # time, which is local: PackagingTime.cmake sets TZ to UTC.
    get_filename_component(top "${CPACK_TEMPORARY_DIRECTORY}" NAME)
    execute_process(COMMAND find ${top}
      WORKING_DIRECTORY "${CPACK_TOPLEVEL_DIRECTORY}"
      OUTPUT_VARIABLE paths OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" ";" paths "${paths}")
    list(SORT paths)
    list(JOIN paths "\n" paths)
    file(WRITE "${CPACK_TOPLEVEL_DIRECTORY}/zip-list" "${paths}\n")
    file(REMOVE "${package}")
    execute_process(COMMAND zip -X -q -@ "${package}"
      INPUT_FILE "${CPACK_TOPLEVEL_DIRECTORY}/zip-list"
      WORKING_DIRECTORY "${CPACK_TOPLEVEL_DIRECTORY}"
      COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${CPACK_TOPLEVEL_DIRECTORY}/zip-list")
  elseif(package MATCHES "\\.deb$")
    set(work "${CPACK_TEMPORARY_DIRECTORY}")
    # The package's files are the staging tree less the files CPack wrote at its top.
    execute_process(
      COMMAND find . -mindepth 1 ( -path ./*/* -o -type d ) -printf "%y %s\\n"
      WORKING_DIRECTORY "${work}"
      OUTPUT_VARIABLE entries
      COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" ";" entries "${entries}")
    # dpkg-gencontrol also counts the package's root and DEBIAN folders.
    set(kib 2)
    foreach(entry IN LISTS entries)
      if(entry MATCHES "^[fl] ([0-9]+)$")
        math(EXPR kib "${kib} + (${CMAKE_MATCH_1} + 1023) / 1024")
      elseif(entry MATCHES "^. ")
        math(EXPR kib "${kib} + 1")
      endif()
    endforeach()

    set(control "${work}/control-rewritten")
    file(REMOVE_RECURSE "${control}")
    file(MAKE_DIRECTORY "${control}")
    execute_process(COMMAND tar -xpzf "${work}/control.tar.gz" -C "${control}"
      COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND tar -tzf "${work}/control.tar.gz"
      OUTPUT_VARIABLE control_members OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" ";" control_members "${control_members}")
    file(READ "${control}/control" fields)
    if(CPACK_DEBIAN_PACKAGE_SHLIBDEPS AND NOT fields MATCHES "\nDepends: ")
      file(REMOVE "${package}")
      message(FATAL_ERROR "hello: the .deb declares no dependencies, though "
        "CPACK_DEBIAN_PACKAGE_SHLIBDEPS is on: dpkg-shlibdeps found no program to read.")
    endif()
    string(REGEX REPLACE "\nInstalled-Size: [0-9]+\n" "\nInstalled-Size: ${kib}\n" fields "${fields}")
    file(WRITE "${control}/control" "${fields}")
    execute_process(
      COMMAND tar --create ${tar_options} --no-recursion --directory=${control} -- ${control_members}
      COMMAND gzip -9n
      OUTPUT_FILE "${work}/control.tar.gz"
      COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${control}")
    hello_write_deb("${package}" "${work}" debian-binary control.tar.gz data.tar.gz)
    file(REMOVE "${work}/ar-header-0" "${work}/ar-header-1" "${work}/ar-header-2" "${work}/ar-header-3")
  endif()
endforeach()
