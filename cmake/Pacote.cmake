# The Debian package (cpack -G DEB): what `cmake --install` puts under /usr, with the dependencies that
# dpkg-shlibdeps reads from the programs' libraries, plus what the programs load only at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cartelim)
set(CPACK_PACKAGE_VENDOR Bilheron)
set(CPACK_PACKAGE_CONTACT "Bilheron <cartelim@bilheron.com.br>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.bilheron.com.br)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "impressão dos jogos das loterias federais nos volantes oficiais")
set(CPACK_PACKAGE_DESCRIPTION
    "O Cartelim imprime os jogos das loterias federais nos volantes oficiais, com\n\
cada marca exatamente sobre a sua caixa, em volantes colocados na impressora ou\n\
em folhas A4 com até três volantes lado a lado. Traz também o cartelim-lote, que\n\
imprime um arquivo de jogos pela linha de comando, e o cartelim-confere, que\n\
confere um arquivo de jogos com o resultado de um sorteio.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them: Qt's Portuguese texts, and the authorities that the
# portal's certificate is checked against.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, ca-certificates")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
