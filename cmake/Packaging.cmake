# What the Debian package holds beyond the programs, desktop entry, icons and metainfo (installed
# where they are built), and how `cpack -G DEB` (scripts/package) makes it.

# Man pages and the changelog go in gzip-compressed, as Debian wants them; -n keeps the bytes the
# same from one build to the next.
find_program(DROVIK_GZIP gzip REQUIRED)
function(drovik_install_gzipped source destination)
  get_filename_component(_name "${source}" NAME)
  set(_output "${PROJECT_BINARY_DIR}/package/${_name}.gz")
  add_custom_command(OUTPUT "${_output}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/package"
    COMMAND ${DROVIK_GZIP} -9 -n -c "${source}" > "${_output}"
    DEPENDS "${source}" VERBATIM)
  set_property(GLOBAL APPEND PROPERTY DROVIK_PACKAGE_FILES "${_output}")
  install(FILES "${_output}" DESTINATION "${destination}")
endfunction()

set(_resources "${PROJECT_SOURCE_DIR}/resources")
set(_docdir "${CMAKE_INSTALL_DATADIR}/doc/drovik-viewer")
foreach(_page drovik drovik-reformat)
  drovik_install_gzipped("${_resources}/man/${_page}.1" "${CMAKE_INSTALL_MANDIR}/man1")
endforeach()
if(DROVIK_BUILD_UI)
  drovik_install_gzipped("${_resources}/man/drovik-viewer.1" "${CMAKE_INSTALL_MANDIR}/man1")
endif()
drovik_install_gzipped("${_resources}/package/changelog" "${_docdir}")
install(FILES "${_resources}/package/copyright" DESTINATION "${_docdir}")
get_property(_package_files GLOBAL PROPERTY DROVIK_PACKAGE_FILES)
add_custom_target(drovik_package_files ALL DEPENDS ${_package_files})
install(FILES "${_resources}/completion/drovik"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions")

set(CPACK_PACKAGE_NAME drovik-viewer)
set(CPACK_PACKAGE_VENDOR "The Drovik Viewer developers")
set(CPACK_PACKAGE_CONTACT "The Drovik Viewer developers <maintainers@users.noreply.c-seed-33a3e718.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dashboard camera clip player and memory card tool")
set(CPACK_PACKAGE_DESCRIPTION
"Drovik Viewer plays a dashboard camera's front and rear clips side by side
with the G-force graph, the speed meter and the route on a map, marks harsh
braking and impacts, exports incidents as evidence and edits the camera's
settings on its memory card.

The drovik command-line tool reads the same clips and cards: telemetry as
JSON, CSV, GPX or KML, clip lists, trips and settings.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs run ffmpeg for conversions and exports; formatting a card needs the mkfs of its
# file system. ExifTool reads other makes' telemetry; without it the programs work as before (only
# those clips show no telemetry), so it is recommended rather than required.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "dosfstools, exfatprogs, libimage-exiftool-perl")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
