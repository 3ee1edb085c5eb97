# The Debian package orbela_<version>_<arch>.deb, made by cpack from the
# install rules (scripts/package.sh). Its dependencies on libraries come from
# dpkg-shlibdeps over the installed program; only what Qt loads at run time,
# and so no linker sees, is named here.

set(ORBELA_PAKET_BETREUER "Orbela-Team <orbela@example.org>" CACHE STRING
  "Maintainer of the Debian package, \"Name <address>\"")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbela)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "${ORBELA_PAKET_BETREUER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ORBELA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system plugins, and the German texts of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The grid and the printouts ask for Arial, which these fonts stand in for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Stundenpläne für kleine Grundschulen von Hand erstellen
Orbela baut den Wochenstundenplan einer kleinen Grundschule mit bis zu
20 Klassen: Lehrer-, Fach- und Raumkürzel werden in ein Raster aus Tagen,
Stunden und Klassen getippt. Konflikte (ein Lehrer zweimal in einer Stunde
oder in einer gesperrten Stunde, ein Kürzel ohne Lehrerkarte, ein doppelt
belegter Raum) werden schon beim Tippen farbig markiert.
.
Dazu gehören Ausdrucke von Gesamt-, Klassen-, Lehrer-, Raum- und
Übersichtsplänen, eine Adress- und Lehrerkartei und der Export der
Unterrichtsverteilung für die Schulstatistik. Eine Beispielschule liegt bei.]=])

include(CPack)
