# The Windows program's installer, tavrolin-1.00.msi (tavrolin-1.00-x64.msi
# for the 64-bit build), made by wixl from resources/windows/tavrolin.wxs
# around the exe and signed like it when the build's environment names a
# certificate (cmake/sign-windows.sh).
set(TAVROLIN_WXS_DIR ${PROJECT_SOURCE_DIR}/resources/windows)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
    set(TAVROLIN_MSI_ARCH x64)
    set(msi_suffix -x64)
else()
    set(TAVROLIN_MSI_ARCH x86)
    set(msi_suffix "")
endif()
find_program(WIXL wixl)
if(NOT WIXL)
    message(STATUS "wixl not found: no installer (scripts/install-deps.sh test installs it)")
endif()

# The licence and the notices for the installer, with Windows line ends:
# Notepad before Windows 10 shows a file with Unix ones as one long line.
set(TAVROLIN_LICENCE_TXT ${PROJECT_BINARY_DIR}/LICENSE.txt)
set(TAVROLIN_NOTICES_TXT ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
foreach(name LICENSE THIRD-PARTY-NOTICES)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${name}.txt
        COMMAND sh -c "sed 's/$/\\r/' \"$1\" > \"$2\"" sh ${PROJECT_SOURCE_DIR}/${name} ${PROJECT_BINARY_DIR}/${name}.txt
        DEPENDS ${PROJECT_SOURCE_DIR}/${name} VERBATIM)
endforeach()
# An installer made in another folder (the tests' upgrade) cannot name these
# files, nor the guides, as its dependencies with Make, which knows their
# rules only in their own folders: it depends on their targets and sources.
add_custom_target(tavrolin_installer_texts DEPENDS ${TAVROLIN_LICENCE_TXT} ${TAVROLIN_NOTICES_TXT})

# Adds target NAME, which builds the installer of VERSION into OUTPUT.
function(tavrolin_msi name version output)
    if(NOT WIXL)
        add_custom_target(${name} COMMAND ${CMAKE_COMMAND} -E echo "wixl is missing: scripts/install-deps.sh test installs it"
                          COMMAND ${CMAKE_COMMAND} -E false VERBATIM)
        return()
    endif()
    if(TAVROLIN_MSI_ARCH STREQUAL x64)
        set(program_files ProgramFiles64Folder)
        set(win64 yes)
    else()
        set(program_files ProgramFilesFolder)
        set(win64 no)
    endif()
    # wixl takes source paths relative to the .wxs file's folder only.
    file(RELATIVE_PATH exe ${TAVROLIN_WXS_DIR} ${PROJECT_BINARY_DIR}/tavrolin.exe)
    file(RELATIVE_PATH licence ${TAVROLIN_WXS_DIR} ${TAVROLIN_LICENCE_TXT})
    file(RELATIVE_PATH notices ${TAVROLIN_WXS_DIR} ${TAVROLIN_NOTICES_TXT})
    list(GET TAVROLIN_GUIDES 0 teachers)
    list(GET TAVROLIN_GUIDES 1 ucitele)
    file(RELATIVE_PATH teachers ${TAVROLIN_WXS_DIR} ${teachers})
    file(RELATIVE_PATH ucitele ${TAVROLIN_WXS_DIR} ${ucitele})
    set(sign ${PROJECT_SOURCE_DIR}/cmake/sign-windows.sh)
    add_custom_command(OUTPUT ${output}
        COMMAND ${WIXL} -a ${TAVROLIN_MSI_ARCH} -D Version=${version} -D Exe=${exe} -D Licence=${licence} -D Notices=${notices}
                -D Teachers=${teachers} -D Ucitele=${ucitele} -D ProgramFiles=${program_files} -D Win64=${win64} -o ${output} ${TAVROLIN_WXS_DIR}/tavrolin.wxs
        COMMAND ${sign} ${output}
        DEPENDS tavrolin tavrolin_installer_texts ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/THIRD-PARTY-NOTICES
                guides ${PROJECT_SOURCE_DIR}/docs/teachers.md ${PROJECT_SOURCE_DIR}/docs/ucitele.md ${TAVROLIN_WXS_DIR}/tavrolin.wxs ${TAVROLIN_WXS_DIR}/tavrolin.ico ${sign}
        COMMENT "Making the installer ${output}"
        VERBATIM)
    add_custom_target(${name} ALL DEPENDS ${output})
endfunction()

set(TAVROLIN_MSI ${PROJECT_BINARY_DIR}/tavrolin-${PROJECT_VERSION}${msi_suffix}.msi)
tavrolin_msi(msi ${PROJECT_VERSION} ${TAVROLIN_MSI})
