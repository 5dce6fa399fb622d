# Run by the build (cmake -P) once morvik is built: fills the Japanese manual page and the bash
# completion of morvik with what the program itself says of its options and commands
# ("morvik --reference man|completion"), so that neither can drift from its --help. The page is
# compressed and installed with the other manual pages (cmake/Install.cmake).
# Expects MORVIK, SOURCE_DIR, BINARY_DIR and PROJECT_VERSION.
execute_process(COMMAND ${MORVIK} --reference man OUTPUT_VARIABLE MORVIK_CLI_MANUAL
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${SOURCE_DIR}/packaging/man/morvik.1.in ${BINARY_DIR}/man/ja/morvik.1 @ONLY)

execute_process(COMMAND ${MORVIK} --reference completion OUTPUT_VARIABLE MORVIK_CLI_COMPLETION
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${SOURCE_DIR}/packaging/morvik.bash-completion.in ${BINARY_DIR}/completion/morvik
               @ONLY)
