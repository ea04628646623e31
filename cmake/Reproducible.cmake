# What makes two builds of one commit, from any folder, the same files: one date, and permissions
# that do not depend on the umask of whoever installs or packs the game.

# The build's one date, SNAKE_SOURCE_DATE_EPOCH (seconds since 1970, UTC): the release date in
# the metainfo, the date of the changelog and the manual page, and every time stamp in the .deb.
# Taking it from the sources rather than the clock makes two builds of one commit the same file.
#   1. SOURCE_DATE_EPOCH from the environment, as Debian's and other reproducible builds set it;
#   2. else, in a tarball made by `git archive`, the commit's date, which git wrote into
#      cmake/commit-date (export-subst, .gitattributes) whatever times the files have;
#   3. else the date of the commit that is checked out;
#   4. else (a copy of a clone's files without .git: the sources hold no date) the modification
#      time of CMakeLists.txt, with a warning.
file(STRINGS "${PROJECT_SOURCE_DIR}/cmake/commit-date" archive_date LIMIT_COUNT 1)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(SNAKE_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
    set(source_date_from "SOURCE_DATE_EPOCH")
elseif(archive_date MATCHES "^[0-9]+$")
    set(SNAKE_SOURCE_DATE_EPOCH "${archive_date}")
    set(source_date_from "cmake/commit-date, written by git archive")
else()
    set(git_status 1)
    find_package(Git QUIET)
    if(GIT_FOUND AND EXISTS "${PROJECT_SOURCE_DIR}/.git")
        execute_process(COMMAND "${GIT_EXECUTABLE}" log -1 --format=%ct
            WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
            OUTPUT_VARIABLE SNAKE_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE git_status ERROR_QUIET)
        set(source_date_from "the last commit")
        # A new commit makes the next build configure again and take its date (in a worktree
        # of git's, .git is a file naming the folder that logs HEAD).
        execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --absolute-git-dir
            WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
            OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(git_dir AND EXISTS "${git_dir}/logs/HEAD")
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${git_dir}/logs/HEAD")
        endif()
    endif()
    if(NOT git_status EQUAL 0 OR NOT SNAKE_SOURCE_DATE_EPOCH)
        file(TIMESTAMP "${PROJECT_SOURCE_DIR}/CMakeLists.txt" SNAKE_SOURCE_DATE_EPOCH "%s" UTC)
        set(source_date_from "the modification time of CMakeLists.txt")
        message(WARNING "These sources have no git history and no date from git archive: the "
            "build takes the modification time of CMakeLists.txt. Set SOURCE_DATE_EPOCH for a "
            "build that does not depend on the files' times.")
    endif()
endif()
if(NOT SNAKE_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not seconds since 1970: ${SNAKE_SOURCE_DATE_EPOCH}")
endif()

# string(TIMESTAMP) reads the date from SOURCE_DATE_EPOCH too (in this CMake run only).
set(ENV{SOURCE_DATE_EPOCH} "${SNAKE_SOURCE_DATE_EPOCH}")
string(TIMESTAMP SNAKE_RELEASE_DATE "%Y-%m-%d" UTC)
message(STATUS
    "Source date: ${SNAKE_RELEASE_DATE} (${SNAKE_SOURCE_DATE_EPOCH}, from ${source_date_from})")

# Folders that installing creates (and the package holds) are rwxr-xr-x whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
