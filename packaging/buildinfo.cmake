# Headers written from the build's own settings: the version, set once by project(VERSION), and
# the folders the program is installed into, by which the program knows it runs installed.
include(GNUInstallDirs)

# The Debian package installs under /usr, whatever prefix this tree was configured with.
set(TALLYHAWK_PACKAGE_PREFIX /usr)

set(bin_folders "${CMAKE_INSTALL_FULL_BINDIR}")
if(NOT IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
    list(APPEND bin_folders "${TALLYHAWK_PACKAGE_PREFIX}/${CMAKE_INSTALL_BINDIR}")
endif()
list(REMOVE_DUPLICATES bin_folders)
list(JOIN bin_folders "\", u\"" TALLYHAWK_BIN_FOLDERS_CXX)
set(TALLYHAWK_BIN_FOLDERS_CXX "u\"${TALLYHAWK_BIN_FOLDERS_CXX}\"")

set(buildinfo_dir ${PROJECT_BINARY_DIR}/buildinfo)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${buildinfo_dir}/tallyhawk/version.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/installdirs.h.in ${buildinfo_dir}/tallyhawk/installdirs.h
    @ONLY)

add_library(tallyhawk_buildinfo INTERFACE)
target_include_directories(tallyhawk_buildinfo INTERFACE ${buildinfo_dir})
target_sources(tallyhawk_buildinfo INTERFACE
    ${buildinfo_dir}/tallyhawk/version.h ${buildinfo_dir}/tallyhawk/installdirs.h)
