# Installing like any desktop program: both programs in bin/, a menu entry with our icon, the
# description software centres show, and `scripts/package` making a .deb of the same.
include(GNUInstallDirs)
set(KURSAN_APP_ID id.co.tembara.Kursan)
set(KURSAN_PACKAGING ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS kursan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET kursan-cetak)
  install(TARGETS kursan-cetak RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${KURSAN_PACKAGING}/${KURSAN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KURSAN_PACKAGING}/${KURSAN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KURSAN_PACKAGING}/kursan.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${KURSAN_APP_ID}.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kursan)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_VENDOR "PT.Tembara (Persero) Sendangwiru")
set(CPACK_PACKAGE_CONTACT "Pengembang Kursan <kursan@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sistem Informasi Pengolahan Data Kursan / Penelitian")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Mencatat unit, kursan PKL dan penelitian, nomor surat, jawaban dan penempatan, lalu "
    "mencetak surat, keterangan, sertifikat dan laporan daftar.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The linked libraries come from dpkg-shlibdeps; what is loaded at run time is named here:
# the SQLite driver of Qt SQL and the faces the layouts are drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, fonts-liberation2, fonts-junicode, fonts-ebgaramond, fonts-urw-base35")
include(CPack)
