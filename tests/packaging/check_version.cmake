# One version and one date everywhere: project()'s version and the release's date kept in the
# sources (SNAKE_RELEASE_EPOCH), the newest entry's in debian/changelog (before its Debian
# revision; its time to the second), and the release the built metainfo names, of that date.
#   cmake -DVERSION=... -DEPOCH=... -DCHANGELOG=... -DMETAINFO=... -P check_version.cmake
foreach(field Version Timestamp Date)
    execute_process(COMMAND dpkg-parsechangelog -l "${CHANGELOG}" -S ${field}
        OUTPUT_VARIABLE ${field} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
string(REGEX REPLACE "-[^-]*$" "" upstream "${Version}")
if(NOT upstream STREQUAL VERSION)
    message(FATAL_ERROR "debian/changelog says ${Version}, project() says ${VERSION}")
endif()
if(NOT Timestamp STREQUAL EPOCH)
    message(FATAL_ERROR "debian/changelog is of ${Date} (${Timestamp}), "
        "SNAKE_RELEASE_EPOCH in CMakeLists.txt ${EPOCH}")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
string(TIMESTAMP date "%Y-%m-%d" UTC)
file(READ "${METAINFO}" metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\" date=\"${date}\"")
    string(REGEX MATCH "<release [^>]*>" release "${metainfo}")
    message(FATAL_ERROR "the metainfo says ${release}, the sources ${VERSION} of ${date}")
endif()
message(STATUS "${VERSION} of ${Date} in project(), the sources, debian/changelog and the metainfo")
