# The build's one date, SNAKE_SOURCE_DATE_EPOCH (seconds since 1970, UTC): the release date in
# the metainfo and the date of the manual page. It is SNAKE_RELEASE_EPOCH, the release's date
# kept in the sources (CMakeLists.txt), or SOURCE_DATE_EPOCH when that is set, as
# dpkg-buildpackage sets it: every build of one release carries the same date, whatever the
# clock, the files' times, the history or the tools at hand.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(SNAKE_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
    set(source_date_from "SOURCE_DATE_EPOCH")
else()
    set(SNAKE_SOURCE_DATE_EPOCH "${SNAKE_RELEASE_EPOCH}")
    set(source_date_from "the sources")
endif()
if(NOT SNAKE_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not seconds since 1970: ${SNAKE_SOURCE_DATE_EPOCH}")
endif()

# string(TIMESTAMP) reads the date from SOURCE_DATE_EPOCH too (in this CMake run only).
set(ENV{SOURCE_DATE_EPOCH} "${SNAKE_SOURCE_DATE_EPOCH}")
string(TIMESTAMP SNAKE_RELEASE_DATE "%Y-%m-%d" UTC)
message(STATUS
    "Source date: ${SNAKE_RELEASE_DATE} (${SNAKE_SOURCE_DATE_EPOCH}, from ${source_date_from})")
