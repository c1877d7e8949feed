# Installs Varnel Theory like a desktop program and packages it (cpack -G DEB):
#   bin/varnel-theory                    the launcher (makes the learner's working folder)
#   bin/varnel-bank                      the bank builder
#   libexec/varnel-theory/varnel-theory  the program, which the launcher starts
#   share/varnel-theory/<exam>/          each exam's default working folder's contents
#   share/applications, metainfo, icons/hicolor, man/man1
#   share/doc/varnel-theory/LICENSE      the MIT licence, which every copy carries
# SPDX-License-Identifier: MIT
include(GNUInstallDirs)
set(VARNEL_APP_ID org.varnel.VarnelTheory)

install(TARGETS varnel-theory RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/varnel-theory)
install(TARGETS varnel-bank RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${VARNEL_LAUNCHER} DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(exam IN LISTS VARNEL_EXAMS)
  install(FILES ${VARNEL_DEFAULT_BANK_FILES_${exam}}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/varnel-theory/${exam})
endforeach()
# The pool texts themselves, for rebuilding a bank; in a folder of their own, so the
# launcher does not copy them into the learner's working folder.
install(FILES ${VARNEL_DEFAULT_POOLS} DESTINATION ${CMAKE_INSTALL_DATADIR}/varnel-theory/pools)
install(FILES resources/${VARNEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(resources/${VARNEL_APP_ID}.metainfo.xml ${VARNEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${VARNEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 64 128)
  install(FILES resources/varnel-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME varnel-theory.png)
endforeach()
install(FILES resources/man/varnel-theory.1 resources/man/varnel-bank.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnel-theory)

set(CPACK_PACKAGE_NAME varnel-theory)
set(CPACK_PACKAGE_VENDOR "Varnel Theory developers")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CONTACT "Varnel Theory developers <varnel-theory@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "study program for the US amateur-radio Technician, General and Extra theory exams")
set(CPACK_PACKAGE_DESCRIPTION
    "Drills the questions of the current Technician (2026-2030), General (2023-2027) and\n\
Extra (2024-2028) question pools topic by topic, with hints and the learner's own notes,\n\
each pool's figures, its band-privileges table, a missed list with its review and a\n\
practice exam. Each exam's question bank is the learner's own copy in\n\
~/.local/share/varnel-theory/EXAM, made the first time (varnel-theory --exam EXAM).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time (the SQLite and platform plug-ins, the design font), so
# dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, qt6-qpa-plugins, fonts-liberation2 | fonts-urw-base35")
include(CPack)
