# Read by cpack for each generator: the portable zip and the installer are named apart.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_PACKAGE_FILE_NAME "resomar-${CPACK_PACKAGE_VERSION}-windows-x64")
elseif(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "resomar-${CPACK_PACKAGE_VERSION}-setup")
endif()
