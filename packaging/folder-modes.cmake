# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Makes every folder under STAGED (by default the tree CPack staged)
# rwxr-xr-x. Folders take the umask of whoever installs them, whatever CMake is
# told (mkdir masks CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS too, as of
# CMake 4.3), and a package must not depend on it. CPack runs this before it
# packs (CPACK_PRE_BUILD_SCRIPTS); tool-packages.cmake on the .deb's tree.
if(NOT staged)
  set(staged "${CPACK_TEMPORARY_DIRECTORY}")
endif()
file(CHMOD_RECURSE "${staged}" DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
