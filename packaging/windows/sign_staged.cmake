# Run by cpack once the files are staged, before they are packed: resomar.exe is signed there, after
# CPack has stripped it (stripping afterwards would break the signature).
execute_process(COMMAND ${CPACK_RESOMAR_SIGN} ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/resomar.exe
    COMMAND_ERROR_IS_FATAL ANY)
