# Run by cpack after it made the .deb (CPACK_POST_BUILD_SCRIPTS, cmake/Packaging.cmake). CPack
# gives the package's three members the permissions the packer's umask left on its scratch
# files; this writes them again in the same order with binutils' ar in its deterministic mode
# (owner root, mode rw-r--r--, no time), so that every packer makes the same file.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(members "${deb}.members")
    file(REMOVE_RECURSE "${members}")
    file(MAKE_DIRECTORY "${members}")
    execute_process(COMMAND "${SNAKE_AR}" t "${deb}"
        OUTPUT_VARIABLE names OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" ";" names "${names}")
    execute_process(COMMAND "${SNAKE_AR}" x "${deb}"
        WORKING_DIRECTORY "${members}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${deb}")
    execute_process(COMMAND "${SNAKE_AR}" qcD "${deb}" ${names}
        WORKING_DIRECTORY "${members}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${members}")
endforeach()
