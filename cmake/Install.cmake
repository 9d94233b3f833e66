# What `cmake --install` puts on a system: the two programs, the desktop
# entry, the icon, the AppStream metadata, the manual, the manual pages and
# the bash completion. Paths follow GNUInstallDirs.
set(KESTREL_APP_ID "com.velmora.Kestrel")
set(KESTREL_HOMEPAGE "https://velmora.example/kestrel" CACHE STRING "Home page named in the AppStream metadata")
string(TIMESTAMP KESTREL_RELEASE_DATE "%Y-%m-%d" UTC)

install(TARGETS kestrel kestrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES res/${KESTREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/icons/kestrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${KESTREL_APP_ID}.svg)
configure_file(res/${KESTREL_APP_ID}.metainfo.xml.in ${KESTREL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KESTREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(DIRECTORY res/manual/ DESTINATION ${KESTREL_MANUAL_DIR})
install(FILES ${KESTREL_QM_FILES} DESTINATION ${KESTREL_CATALOGUE_DIR})

# Manual pages and completion are made from the programs' --help texts: the
# English pages from the English interface, the Japanese ones from the
# program's own texts.
set(man_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
# kestrel_man_page(<program target> <language> <locale> <summary> <see also>):
# <man_dir>/<language>/<target>.1 and its compressed copy.
function(kestrel_man_page program language locale summary see_also)
  set(page ${man_dir}/${language}/${program}.1)
  add_custom_command(
    OUTPUT ${page} ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}/${language}
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=${locale}
            ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DNAME=${program} -DSUMMARY=${summary}
            -DVERSION=${PROJECT_VERSION} -DSEE_ALSO=${see_also} -DOUTPUT=${page}
            -P ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.cmake
    COMMAND gzip -9nkf ${page}
    DEPENDS ${program} kestrel_translations ${KESTREL_QM_FILES} ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.cmake
    VERBATIM)
endfunction()
kestrel_man_page(kestrel en en_US.UTF-8 "rename many files of one folder in a window" "kestrel-cli(1)")
kestrel_man_page(kestrel-cli en en_US.UTF-8 "rename many files from the command line" "kestrel(1)")
kestrel_man_page(kestrel ja C.UTF-8 "ひとつのフォルダの多くのファイルの名前をウィンドウで変える" "kestrel-cli(1)")
kestrel_man_page(kestrel-cli ja C.UTF-8 "多くのファイルの名前をコマンドラインで変える" "kestrel(1)")
set(completion ${CMAKE_CURRENT_BINARY_DIR}/completion/kestrel-cli)
add_custom_command(
  OUTPUT ${completion}
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
          ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:kestrel-cli> -DTEMPLATE=${PROJECT_SOURCE_DIR}/res/completion/kestrel-cli.bash.in
          -DOUTPUT=${completion} -P ${PROJECT_SOURCE_DIR}/cmake/HelpToCompletion.cmake
  DEPENDS kestrel-cli ${PROJECT_SOURCE_DIR}/cmake/HelpToCompletion.cmake ${PROJECT_SOURCE_DIR}/res/completion/kestrel-cli.bash.in
  VERBATIM)
add_custom_target(kestrel_help_files ALL DEPENDS ${man_dir}/en/kestrel.1 ${man_dir}/en/kestrel-cli.1
                  ${man_dir}/ja/kestrel.1 ${man_dir}/ja/kestrel-cli.1 ${completion})

# Compressed, as Debian's policy has manual pages.
install(FILES ${man_dir}/en/kestrel.1.gz ${man_dir}/en/kestrel-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${man_dir}/ja/kestrel.1.gz ${man_dir}/ja/kestrel-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
install(FILES ${completion} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
