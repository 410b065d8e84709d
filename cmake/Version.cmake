# The program's version comes from project() alone. The Qt program, the
# Windows program's version record and manifest, the .deb, the MSI and the
# release take it from here, through tavrolin_version.h where code needs it.
string(REPLACE "." ";" parts ${PROJECT_VERSION})
list(LENGTH parts count)
set(numbers "")
foreach(i RANGE 0 3)
    if(i LESS count)
        list(GET parts ${i} part)
        math(EXPR part "${part}") # "00" is 0
    else()
        set(part 0)
    endif()
    list(APPEND numbers ${part})
endforeach()
string(JOIN "," TAVROLIN_VERSION_COMMAS ${numbers})
string(JOIN "." TAVROLIN_VERSION_DOTS ${numbers})
set(TAVROLIN_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tavrolin_version.h.in ${TAVROLIN_GENERATED_DIR}/tavrolin_version.h @ONLY)
if(WIN32)
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/tavrolin.manifest.in
                   ${TAVROLIN_GENERATED_DIR}/tavrolin.manifest @ONLY)
endif()
