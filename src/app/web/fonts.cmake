# Writes the page's shell with its fonts inside: the Liberation fonts that
# stand in for Times New Roman and MS Sans Serif, metric-compatible with
# them, cut down to the characters the window shows and put into the page as
# WOFF2, so that every caption fits its box in every browser, whatever fonts
# the computer has.
# cmake -DPYFTSUBSET=… -DFONTS=… -DSHELL=… -DOUTPUT=… -DWORK=… -P fonts.cmake
set(characters " ,-./0123456789:ABCDFHIKLMNOPRSTZabcdefghijklmnoprstuvwxyzáéíóúýčďěňřšťůž")
set(faces "")
foreach(face "Tavrolin Serif;bold;LiberationSerif-Bold" "Tavrolin Sans;normal;LiberationSans-Regular"
             "Tavrolin Sans;bold;LiberationSans-Bold")
    list(GET face 0 family)
    list(GET face 1 weight)
    list(GET face 2 file)
    set(woff2 ${WORK}/${file}.woff2)
    execute_process(COMMAND ${PYFTSUBSET} ${FONTS}/${file}.ttf --text=${characters} --flavor=woff2
                            --layout-features=kern --no-hinting --desubroutinize --output-file=${woff2}
                    RESULT_VARIABLE failed ERROR_VARIABLE why)
    if(failed)
        message(FATAL_ERROR "the page's font ${file} could not be made: ${why}")
    endif()
    execute_process(COMMAND base64 -w0 ${woff2} OUTPUT_VARIABLE base64 RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "the page's font ${file} could not be encoded")
    endif()
    string(APPEND faces "  @font-face { font-family: \"${family}\"; font-weight: ${weight}; font-display: block;\n"
                        "               src: url(data:font/woff2;base64,${base64}) format(\"woff2\"); }\n")
endforeach()
file(READ ${SHELL} shell)
string(REPLACE "/* FONTS */\n" "${faces}" shell "${shell}")
file(WRITE ${OUTPUT} "${shell}")
