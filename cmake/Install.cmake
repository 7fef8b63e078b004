# Installing: the program folder goes to the prefix whole (default
# /opt/korvu-n63k); links on the PATH, the menu entry, icons, AppStream data,
# the manual page, bash completion and the udev rule go where the desktop and
# the system look for them. A package sets the system places to /usr.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /opt/korvu-n63k CACHE PATH "Where the program folder goes" FORCE)
endif()
set(N63K_BIN_DIR /usr/local/bin CACHE PATH "Where links to N63KDriver and n63kctl go")
set(N63K_SHARE_DIR /usr/local/share CACHE PATH "Where menu entries, icons, manual pages go")
set(N63K_UDEV_RULES_DIR /etc/udev/rules.d CACHE PATH "Where the udev rule goes")
option(N63K_RELOAD_UDEV "Reload udev after installing the rule" ON)

install(TARGETS N63KDriver n63kctl RUNTIME DESTINATION .)
# The rest of the program folder: data files, languages, skins.
install(DIRECTORY ${N63K_PROGRAM_DIR}/ DESTINATION .
  PATTERN N63KDriver EXCLUDE
  PATTERN n63kctl EXCLUDE)

# The links point into the prefix chosen at install time, so the folder can
# be installed anywhere (cmake --install --prefix).
string(CONFIGURE [[
  foreach(program N63KDriver n63kctl)
    set(link "$ENV{DESTDIR}@N63K_BIN_DIR@/${program}")
    file(MAKE_DIRECTORY "$ENV{DESTDIR}@N63K_BIN_DIR@")
    file(CREATE_LINK "${CMAKE_INSTALL_PREFIX}/${program}" "${link}" SYMBOLIC)
    message(STATUS "Linking: ${link} -> ${CMAKE_INSTALL_PREFIX}/${program}")
  endforeach()
]] n63k_link_code @ONLY)
install(CODE "${n63k_link_code}")

install(FILES ${CMAKE_SOURCE_DIR}/packaging/N63KDriver.desktop
  DESTINATION ${N63K_SHARE_DIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/com.korvu.N63KDriver.metainfo.xml
  DESTINATION ${N63K_SHARE_DIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/n63kctl.bash-completion
  DESTINATION ${N63K_SHARE_DIR}/bash-completion/completions RENAME n63kctl)
foreach(size 16 22 32 48 64 128 256)
  install(FILES ${N63K_PROGRAM_DIR}/skins/Icons/Icon_${size}.png
    DESTINATION ${N63K_SHARE_DIR}/icons/hicolor/${size}x${size}/apps RENAME N63KDriver.png)
endforeach()
install(FILES ${N63K_PROGRAM_DIR}/70-korvu-n63k.rules DESTINATION ${N63K_UDEV_RULES_DIR})
if(N63K_RELOAD_UDEV)
  install(CODE [[
    # Staged installs (DESTDIR, packages) leave udev to the package's scripts;
    # without a running udev the rule takes effect at the next boot.
    find_program(udevadm udevadm)
    if("$ENV{DESTDIR}" STREQUAL "" AND udevadm)
      execute_process(COMMAND ${udevadm} control --reload ERROR_QUIET)
      execute_process(COMMAND ${udevadm} trigger --subsystem-match=hidraw
        --subsystem-match=input --subsystem-match=misc ERROR_QUIET)
    endif()
  ]])
endif()

# The manual page is written from the tool's own help by help2man.
find_program(N63K_HELP2MAN help2man)
if(N63K_HELP2MAN)
  set(N63K_MANPAGE ${CMAKE_BINARY_DIR}/man/n63kctl.1)
  add_custom_command(
    OUTPUT ${N63K_MANPAGE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${CMAKE_SOURCE_DIR}/packaging/make-manpage.sh $<TARGET_FILE:n63kctl>
      ${PROJECT_VERSION} ${N63K_MANPAGE}
    DEPENDS n63kctl ${CMAKE_SOURCE_DIR}/packaging/make-manpage.sh
    COMMENT "Writing the manual page of n63kctl")
  add_custom_target(manpage ALL DEPENDS ${N63K_MANPAGE})
  install(FILES ${N63K_MANPAGE} DESTINATION ${N63K_SHARE_DIR}/man/man1)
else()
  message(STATUS "help2man not found: n63kctl's manual page is not built or installed")
endif()
