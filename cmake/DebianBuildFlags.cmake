# The Debian package's build (preset `package`) compiles and links with the flags every Debian
# package gets from dpkg-buildflags (dpkg-dev), with all of its hardening on: the strong stack
# protector, _FORTIFY_SOURCE, read-only relocations bound at start-up; plus control-flow
# protection where the compiler has it, which dpkg-buildflags adds itself only from dpkg 1.22 on.
# GCC on Debian makes position-independent executables anyway.
option(SNAKE_DEBIAN_BUILD_FLAGS "Build with Debian's hardened build flags (dpkg-buildflags)" OFF)
if(NOT SNAKE_DEBIAN_BUILD_FLAGS)
    return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # Run in the source folder: the flags map it to "." in debug info and __FILE__.
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(${kind} UNIX_COMMAND "${flags}")
endforeach()
# The build folder may lie anywhere: map it too, and have moc include our headers by their
# include path rather than by a path from the build folder to the sources, so that where the
# package was built leaves no trace in the program (nor in its build id, made before stripping).
add_compile_options(${CPPFLAGS} ${CXXFLAGS} "-ffile-prefix-map=${PROJECT_BINARY_DIR}=build")
set(CMAKE_AUTOMOC_PATH_PREFIX ON)
add_link_options(${LDFLAGS})

include(CheckCXXCompilerFlag)
check_cxx_compiler_flag(-fcf-protection=full SNAKE_HAVE_CF_PROTECTION)  # x86
if(SNAKE_HAVE_CF_PROTECTION)
    add_compile_options(-fcf-protection=full)
else()
    check_cxx_compiler_flag(-mbranch-protection=standard SNAKE_HAVE_BRANCH_PROTECTION)  # Arm
    if(SNAKE_HAVE_BRANCH_PROTECTION)
        add_compile_options(-mbranch-protection=standard)
    endif()
endif()
list(JOIN CXXFLAGS " " flags)  # the ones that say most
message(STATUS "Debian build flags: ${flags} ...")
