# Prints the page's size and fails above its budget, so that growth in what
# the page carries is seen on the day it comes in. The size is the same at
# every build from the same sources with the same toolchain.
# cmake -DPAGE=tavrolin.html -DBUDGET=bytes -P page-size.cmake
file(SIZE ${PAGE} bytes)
math(EXPR kib "${bytes} / 1024")
math(EXPR budget_kib "${BUDGET} / 1024")
if(bytes GREATER BUDGET)
    message(FATAL_ERROR "tavrolin.html is ${bytes} bytes (${kib} KiB), over its budget of ${BUDGET} bytes "
                        "(${budget_kib} KiB): find what the new bytes are, and raise the budget only for what pays")
endif()
message(STATUS "tavrolin.html is ${bytes} bytes (${kib} KiB), within its budget of ${BUDGET} bytes (${budget_kib} KiB)")
