# Run by cpack after it has installed into its staging folder (CPACK_PRE_BUILD_SCRIPTS):
# what Debian asks of a package's documents and no other install needs. The manual
# page is compressed, the licence is the package's copyright file, and a
# changelog is written for the release, dated as the metainfo's release entry.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(root ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${root}/share/doc/${CPACK_PACKAGE_NAME})
find_program(GZIP gzip REQUIRED)

function(qm_gzip file)
  # -n: no name or time stamp in the header, so the same file gives the same bytes.
  execute_process(COMMAND ${GZIP} -9n -c ${file} OUTPUT_FILE ${file}.gz COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${file})
endfunction()

file(GLOB pages ${root}/share/man/man*/*)
foreach(page ${pages})
  qm_gzip(${page})
endforeach()

# Debian names the licence of a package "copyright".
file(RENAME ${doc}/LICENSE ${doc}/copyright)

file(READ ${CPACK_QM_METAINFO} metainfo)
string(REGEX MATCH "<release version=\"${CPACK_PACKAGE_VERSION}\" date=\"([0-9-]+)\"" release "${metainfo}")
if(NOT release)
  message(FATAL_ERROR "${CPACK_QM_METAINFO} has no release entry for ${CPACK_PACKAGE_VERSION}")
endif()
# The date at noon UTC, as a changelog writes it ("Wed, 09 Dec 2026 12:00:00 +0000").
execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_1} 12:00:00" OUTPUT_VARIABLE date
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${doc}/changelog
     "${CPACK_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION}) stable; urgency=medium\n\n"
     "  * Quillmoor Ad Sales ${CPACK_PACKAGE_VERSION}.\n\n"
     " -- ${CPACK_PACKAGE_CONTACT}  ${date}\n")
qm_gzip(${doc}/changelog)
