# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# verrin_qrc_files(<variable> <qrc file>)
# The files a resource collection lists, with the collection's folder in front: the .qrc stays
# the one list of the pictures, and qt_add_resources' target form embeds them (BASE that folder).
function(verrin_qrc_files variable qrc)
    get_filename_component(folder ${qrc} DIRECTORY)
    file(STRINGS ${qrc} entries REGEX "<file>.*</file>")
    list(TRANSFORM entries REPLACE ".*<file>(.*)</file>.*" "${folder}/\\1")
    set(${variable} ${entries} PARENT_SCOPE)
endfunction()
