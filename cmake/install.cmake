# Installing Travik Tool like a desktop program: GNU directory layout, the
# desktop entry, AppStream metainfo, the icon, man pages, the udev rule, and
# the Debian package (cpack -G DEB). Included at the end of the top-level
# CMakeLists.txt, once the programs exist.
include(GNUInstallDirs)

# The desktop entry, the metainfo and the icon are named by it.
set(TRAVIK_APP_ID cz.kolvar.Travik)
# The date of PROJECT_VERSION: the metainfo release, the man pages, the
# package changelog. Change it together with the version.
set(TRAVIK_RELEASE_DATE 2026-12-08)
set(TRAVIK_HOMEPAGE "https://www.kolvar.cz/travik/" CACHE STRING
    "Home page named by the metainfo and the package")
set(TRAVIK_SCREENSHOT_URL "${TRAVIK_HOMEPAGE}screenshots/" CACHE STRING
    "Where the images of docs/screenshots/ are published, for software centres")
set(TRAVIK_MAINTAINER "Kolvar servis <servis@kolvar.cz>" CACHE STRING
    "Maintainer of the Debian package: Name <address>")
set(TRAVIK_DOC_DIR ${CMAKE_INSTALL_FULL_DOCDIR})

# The programs print the one version; only this file compiles it in.
target_compile_definitions(travik_core PRIVATE TRAVIK_VERSION="${PROJECT_VERSION}"
                                               TRAVIK_APP_ID="${TRAVIK_APP_ID}")

set(gen ${CMAKE_BINARY_DIR}/install-files)
set(src ${CMAKE_SOURCE_DIR}/packaging)

# Programs, the device rule, documentation.
if(TARGET travik)
  install(TARGETS travik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET travik-cli)
  install(TARGETS travik-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# udev reads rules below the prefix (/usr/lib, /usr/local/lib); not LIBDIR,
# which carries the multiarch triplet.
install(FILES ${src}/udev/70-travik-kolvar.rules DESTINATION lib/udev/rules.d)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/docs/automation.md
              ${CMAKE_SOURCE_DIR}/docs/cli.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# bash-completion loads it on demand by the command's name.
if(TARGET travik-cli)
  install(FILES ${src}/completion/travik-cli
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()

execute_process(COMMAND date -u -R -d "${TRAVIK_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE TRAVIK_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${src}/debian/copyright.in ${gen}/copyright @ONLY)
configure_file(${src}/debian/changelog.in ${gen}/changelog @ONLY)
install(FILES ${gen}/copyright ${gen}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Man pages, compressed as Debian keeps them (-n: no time stamp inside).
set(man_pages travik-cli)
if(TARGET travik)
  list(APPEND man_pages travik)
endif()
set(compressed ${gen}/changelog.gz)
add_custom_command(OUTPUT ${gen}/changelog.gz
                   COMMAND gzip -9nkf ${gen}/changelog
                   DEPENDS ${gen}/changelog VERBATIM)
# English in man1, Czech beside it in cs/man1 (man picks by the locale).
foreach(lang IN ITEMS "" cs)
  set(dir man)
  set(dest ${CMAKE_INSTALL_MANDIR}/man1)
  if(lang)
    set(dir man/${lang})
    set(dest ${CMAKE_INSTALL_MANDIR}/${lang}/man1)
  endif()
  foreach(page IN LISTS man_pages)
    configure_file(${src}/${dir}/${page}.1.in ${gen}/${dir}/${page}.1 @ONLY)
    add_custom_command(OUTPUT ${gen}/${dir}/${page}.1.gz
                       COMMAND gzip -9nkf ${gen}/${dir}/${page}.1
                       DEPENDS ${gen}/${dir}/${page}.1 VERBATIM)
    list(APPEND compressed ${gen}/${dir}/${page}.1.gz)
    install(FILES ${gen}/${dir}/${page}.1.gz DESTINATION ${dest})
  endforeach()
endforeach()
add_custom_target(travik_install_files ALL DEPENDS ${compressed})

# The desktop: menu entry, metainfo and icon belong to the GUI program.
if(TARGET travik)
  install(FILES ${src}/linux/${TRAVIK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${src}/linux/${TRAVIK_APP_ID}.metainfo.xml.in ${gen}/${TRAVIK_APP_ID}.metainfo.xml
                 @ONLY)
  install(FILES ${gen}/${TRAVIK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The icon files are drawn by the same code as the window icon.
  add_executable(travik-icons ${CMAKE_SOURCE_DIR}/tools/icon_export.cpp)
  target_link_libraries(travik-icons PRIVATE travik_uiqt travik_all Qt6::Widgets)
  set(icon_dir ${gen}/icons/hicolor)
  set(icon_files ${icon_dir}/scalable/apps/${TRAVIK_APP_ID}.svg)
  foreach(size 16 24 32 48 64 128 256)
    list(APPEND icon_files ${icon_dir}/${size}x${size}/apps/${TRAVIK_APP_ID}.png)
  endforeach()
  add_custom_command(OUTPUT ${icon_files}
                     COMMAND travik-icons ${icon_dir} ${TRAVIK_APP_ID}
                     DEPENDS travik-icons VERBATIM)
  add_custom_target(travik_icons ALL DEPENDS ${icon_files})
  install(DIRECTORY ${icon_dir} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

if(TRAVIK_TESTS)
  string(REPLACE "." "\\." version_regex "${PROJECT_VERSION}")
  foreach(program travik travik-cli)
    if(TARGET ${program})
      add_test(NAME ${program}_version COMMAND ${program} --version)
      set_tests_properties(${program}_version PROPERTIES
                           PASS_REGULAR_EXPRESSION "^${program} ${version_regex}\n$")
    endif()
  endforeach()
endif()

# The Debian package: travik_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME travik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kolvar)
set(CPACK_PACKAGE_CONTACT "${TRAVIK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "service tool for Kolvar USB measurement transmitters")
set(CPACK_PACKAGE_DESCRIPTION
    "Travik Tool finds a Kolvar transmitter (temperature, humidity, CO2, air speed,
illuminance, particulate matter, AC current) on the USB bus, reads its
configuration into a model-specific dialog, checks and writes it back, keeps
settings in files, and updates the firmware through the bootloader.

The package brings the udev rule that gives the logged-in user access to the
transmitters, and travik-cli, which runs scripted scenarios without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TRAVIK_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${src}/debian/postinst ${src}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
