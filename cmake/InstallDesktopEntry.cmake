# Run at install time: writes the desktop entry with the absolute path of the installed program, so
# a menu or a file manager starts it whether or not the prefix's bin folder is on their PATH.
# Expects KESTA_DESKTOP_SOURCE (the entry with "@KESTA_EXEC@" in its Exec line) and KESTA_DESKTOP_WORK
# (a folder of the build tree to write it in).
set(program "${CMAKE_INSTALL_PREFIX}/bin/kesta32")
# The Exec value is a string value (backslashes doubled) holding a quoted argument (backslash,
# double quote, backquote and dollar escaped by a backslash); a percent sign is doubled.
string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" quoted "${program}")
string(REPLACE "\\" "\\\\" quoted "${quoted}")
string(REPLACE "%" "%%" quoted "${quoted}")
set(KESTA_EXEC "\"${quoted}\"")
set(entry "${KESTA_DESKTOP_WORK}/kesta32.desktop")
configure_file("${KESTA_DESKTOP_SOURCE}" "${entry}" @ONLY)
file(INSTALL "${entry}" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
