# The hash a Content-Security-Policy names an inline script or style by:
# SHA-256 in base64. CMake gives the digest in hex; the page tool, which
# writes the page's other base64, turns it into base64.
#   ACPOWER_PAGE_TOOL: the page tool's path
function(acpower_csp_hash content out)
    string(SHA256 hex "${content}")
    execute_process(COMMAND "${ACPOWER_PAGE_TOOL}" hex-base64 ${hex}
                    OUTPUT_VARIABLE hash RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "acpower_csp_hash: ${ACPOWER_PAGE_TOOL} failed: ${failed}")
    endif()
    set(${out} "'sha256-${hash}'" PARENT_SCOPE)
endfunction()
