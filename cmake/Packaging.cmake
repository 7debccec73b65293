# The Debian package (`make package`, CPack's DEB generator): the two programs in /usr/bin,
# the files the program ships in /usr/share/velkor, and what a desktop expects of an
# installed program (menu entry, icons, AppStream metadata, manual pages, completion).
# The packaged programs are the ones the build made and the tests ran; they recognise an
# installation by the marker file in share/velkor beside their bin/ (storage/ProgramLayout).
include(GNUInstallDirs)
# The package takes what the build made; building everything again (tests and benchmarks
# included, one job at a time) is the build's work, not the packager's.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(PACKAGING_BUILD_DIR ${PROJECT_BINARY_DIR}/paket)
set(APP_ID tr.com.velkor.Velkor)
set(SHIPPED_DESTINATION ${CMAKE_INSTALL_DATADIR}/velkor)

set(CPACK_PACKAGE_NAME velkor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)

# The shipped files a fresh installation folder is made of, written by the build's own
# command-line program: the template company database and the three document libraries.
set(SHIPPED_HOME ${PACKAGING_BUILD_DIR}/kurulum)
set(SHIPPED_BUILT ${PACKAGING_BUILD_DIR}/SBK.mdb ${PACKAGING_BUILD_DIR}/teblig.enf
  ${PACKAGING_BUILD_DIR}/kullanim.enf ${PACKAGING_BUILD_DIR}/GenelBilgi.enf)
add_custom_command(OUTPUT ${SHIPPED_BUILT}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${SHIPPED_HOME}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:velkor-cli> --home ${SHIPPED_HOME} init
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:velkor-cli> --home ${SHIPPED_HOME}
    docs list kullanim
  COMMAND ${CMAKE_COMMAND} -E copy ${SHIPPED_HOME}/SBK.mdb ${SHIPPED_HOME}/teblig.enf ${SHIPPED_HOME}/kullanim.enf
    ${SHIPPED_HOME}/GenelBilgi.enf ${PACKAGING_BUILD_DIR}
  DEPENDS velkor-cli
  COMMENT "Paketle gelen veritabanı ve belge kitaplıkları"
  VERBATIM)

# Icons: the SVG is the drawing; the PNG sizes are rendered from it.
find_program(RSVG_CONVERT rsvg-convert)
set(ICON_SIZES 16 22 24 32 48 64 128 256)
set(ICON_FILES)
if(RSVG_CONVERT)
  foreach(size ${ICON_SIZES})
    set(png ${PACKAGING_BUILD_DIR}/icons/${size}x${size}/velkor.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PACKAGING_BUILD_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${PACKAGING_DIR}/icons/velkor.svg
      DEPENDS ${PACKAGING_DIR}/icons/velkor.svg
      VERBATIM)
    list(APPEND ICON_FILES ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  message(WARNING "rsvg-convert bulunamadı (librsvg2-bin): paket PNG simgeleri olmadan yapılır")
endif()

# Manual pages and the Debian changelog go compressed, without a time stamp.
set(COMPRESSED_DOCS)
foreach(page velkor velkor-cli)
  set(gz ${PACKAGING_BUILD_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PACKAGING_BUILD_DIR}/man
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${PACKAGING_DIR}/man/${page}.1 ${gz}
    DEPENDS ${PACKAGING_DIR}/man/${page}.1
    VERBATIM)
  list(APPEND COMPRESSED_DOCS ${gz})
  install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
set(CHANGELOG_GZ ${PACKAGING_BUILD_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${CHANGELOG_GZ}
  COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${PACKAGING_DIR}/changelog ${CHANGELOG_GZ}
  DEPENDS ${PACKAGING_DIR}/changelog
  VERBATIM)
list(APPEND COMPRESSED_DOCS ${CHANGELOG_GZ})

add_custom_target(package-files ALL DEPENDS ${SHIPPED_BUILT} ${ICON_FILES} ${COMPRESSED_DOCS})

configure_file(${PACKAGING_DIR}/velkor-paket.ini.in ${PACKAGING_BUILD_DIR}/velkor-paket.ini @ONLY)

install(TARGETS velkor velkor-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${SHIPPED_BUILT} ${PROJECT_BINARY_DIR}/kurulum/KullanimKilavuzu.pdf
  ${PROJECT_SOURCE_DIR}/resources/update/publisher.pub ${PACKAGING_BUILD_DIR}/velkor-paket.ini
  DESTINATION ${SHIPPED_DESTINATION})
file(GLOB SHIPPED_DATA CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/data/*.csv)
install(FILES ${SHIPPED_DATA} DESTINATION ${SHIPPED_DESTINATION}/data)
install(FILES ${PACKAGING_DIR}/${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PACKAGING_DIR}/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PACKAGING_DIR}/icons/velkor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PACKAGING_DIR}/completion/velkor-cli
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${PACKAGING_DIR}/copyright ${CHANGELOG_GZ} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velkor)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Velkor <destek@velkor.com.tr>")
set(CPACK_PACKAGE_VENDOR Velkor)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "inflation adjustment of balance sheets under Turkish tax rules")
# CPack puts the summary above this text as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Velkor Enflasyon Düzeltmesi Programı adjusts the balance sheet at 31.12.2023
for inflation under the Turkish tax procedure rules, for accounting offices:
a register of items per company, producer price index coefficients, adjusted
depreciation, the non-real financing cost, the 698/697 closing, the
adjustment journal, printed and spreadsheet reports, and voucher files for
accounting programs. The program speaks Turkish.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.velkor.com.tr/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not name: Qt's window-system plugins and the desktop opener of
# reports, workbooks and downloaded packages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation, bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
