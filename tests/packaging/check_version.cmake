# One version everywhere: project()'s, the newest entry's in debian/changelog (before its Debian
# revision), and the release the built metainfo names, dated as that entry is.
#   cmake -DVERSION=... -DCHANGELOG=... -DMETAINFO=... -P check_version.cmake
foreach(field Version Timestamp)
    execute_process(COMMAND dpkg-parsechangelog -l "${CHANGELOG}" -S ${field}
        OUTPUT_VARIABLE ${field} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
string(REGEX REPLACE "-[^-]*$" "" upstream "${Version}")
if(NOT upstream STREQUAL VERSION)
    message(FATAL_ERROR "debian/changelog says ${Version}, project() says ${VERSION}")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${Timestamp})
string(TIMESTAMP date "%Y-%m-%d" UTC)
file(READ "${METAINFO}" metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\" date=\"${date}\"")
    string(REGEX MATCH "<release [^>]*>" release "${metainfo}")
    message(FATAL_ERROR "the metainfo says ${release}, debian/changelog ${Version} of ${date}")
endif()
message(STATUS "${VERSION} of ${date} in project(), debian/changelog and the metainfo")
