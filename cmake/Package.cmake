# `cpack -G DEB` in the build folder: a Debian package of what cmake/Install.cmake
# installs, the program stripped, its library dependencies found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME quillmoorads)
set(CPACK_PACKAGE_VENDOR Quillmoor)
set(CPACK_PACKAGE_CONTACT "Quillmoor <ads@quillmoor.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keeps one year's ledger of a magazine's advertising sales")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Quillmoor Ad Sales keeps one year's ledger of the advertising sold in a small\n"
       "publisher's magazines: sales, payments, production status and commissions per\n"
       "issue, the sales people's commission advances, a run sheet per issue and a\n"
       "year-to-date report.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://quillmoor.example.org/)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS shared-mime-info)

# Debian's own demands on the documents: see that script.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianDocs.cmake)
set(CPACK_QM_METAINFO ${PROJECT_SOURCE_DIR}/data/org.quillmoor.QuillmoorAds.metainfo.xml)

include(CPack)
