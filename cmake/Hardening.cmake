# The hardening that a school's IT expects of an installed program, as
# Debian builds its own packages: stack protector, fortified libc calls,
# stack-clash probes, control-flow protection, read-only relocations bound at
# start. Every optimised build has it, tests and benchmarks included, so that
# they test and measure what ships; the debug and sanitizer builds do not
# (_FORTIFY_SOURCE needs optimisation and gets in AddressSanitizer's way).
# The browser program gets none of it: WebAssembly has no such attacks.
include(CheckCXXCompilerFlag)
if(EMSCRIPTEN OR TAVROLIN_SANITIZE)
    return()
endif()

if(WIN32)
    # mingw-w64's stack protector, libssp, is linked in statically (-static),
    # so the program stays one file; it seeds its guard with ADVAPI32's random
    # numbers, which every Windows has. DEP and ASLR are binutils' defaults
    # already, named here so that no change of defaults loses them.
    # _FORTIFY_SOURCE would need libssp's DLL with this mingw-w64 (10).
    set(compile -fstack-protector-strong)
    set(link -Wl,--nxcompat -Wl,--dynamicbase)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
        list(APPEND link -Wl,--high-entropy-va)
    endif()
else()
    # dpkg-buildflags' hardening, where it exists, without its optimisation
    # and debug flags (those stay the build type's); and whatever of Debian's
    # current set this dpkg does not give yet (Debian 12's lacks the last two).
    set(compile -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat -Werror=format-security
                -fstack-clash-protection -fcf-protection)
    set(link -Wl,-z,relro -Wl,-z,now)
    find_program(TAVROLIN_DPKG_BUILDFLAGS dpkg-buildflags)
    if(TAVROLIN_DPKG_BUILDFLAGS)
        set(from_dpkg "")
        foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-all"
                                    ${TAVROLIN_DPKG_BUILDFLAGS} --get ${kind}
                            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
            if(failed)
                message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
            endif()
            separate_arguments(flags UNIX_COMMAND "${flags}")
            list(FILTER flags EXCLUDE REGEX "^-(g|O.*|f(file|debug|macro)-prefix-map=.*)$")
            if(kind STREQUAL LDFLAGS)
                list(PREPEND link ${flags})
            else()
                list(PREPEND compile ${flags})
            endif()
        endforeach()
    endif()
    list(REMOVE_DUPLICATES compile)
    list(REMOVE_DUPLICATES link)
    # -fcf-protection is x86's; another processor goes without it.
    foreach(flag -fstack-clash-protection -fcf-protection)
        string(MAKE_C_IDENTIFIER "TAVROLIN_HAS${flag}" has)
        check_cxx_compiler_flag(${flag} ${has})
        if(NOT ${has})
            list(REMOVE_ITEM compile ${flag})
        endif()
    endforeach()
endif()

set(optimised $<NOT:$<CONFIG:Debug>>)
foreach(flag ${compile})
    add_compile_options($<${optimised}:${flag}>)
endforeach()
# Linking with the compile flags too brings in what they need (libssp).
foreach(flag ${compile} ${link})
    add_link_options($<${optimised}:${flag}>)
endforeach()
string(REPLACE ";" " " shown "${compile};${link}")
message(STATUS "Hardening of optimised builds: ${shown}")
