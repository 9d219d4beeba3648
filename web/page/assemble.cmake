# Puts the page and the element together from the generated form, the page
# script and the engine, and writes the page's own Content-Security-Policy,
# whose hashes must be those of the very bytes written.
#   cmake -DSOURCE=<web/page> -DFORM=<generated dir> -DWASM64=<engine as base64>
#         -DFAVICON64=<icon as base64> -DCURSOR=<link cursor> -DCURSOR64=<it as base64>
#         -DOUT=<dir> -DSITE_ICONS=<folder of the site's icons>
#         -DACPOWER_PAGE_TOOL=<page tool> -P assemble.cmake

include(${CMAKE_CURRENT_LIST_DIR}/csp_hash.cmake)

# The pieces of one script, wrapped so that nothing leaks into the host's
# global names but what the element must define.
function(acpower_script facts out)
    file(READ "${FORM}/${facts}" form_facts)
    file(READ "${WASM64}" engine_bytes)
    set(script "(() => {\n\"use strict\";\n${form_facts}const ACPOWER_WASM = \"${engine_bytes}\";\n")
    foreach(part IN LISTS ARGN)
        file(READ "${SOURCE}/${part}" text)
        # The comments are for whoever reads the sources: the page, which
        # every visitor downloads, goes without them and the indentation.
        string(REGEX REPLACE "(^|\n)[ \t]*//[^\n]*" "" text "${text}")
        string(REGEX REPLACE "\n[ \t]+" "\n" text "${text}")
        string(APPEND script "${text}\n")
    endforeach()
    set(${out} "${script}})();\n" PARENT_SCOPE)
endfunction()

acpower_script(form-page.js page_script engine.js calculator.js address.js print.js actions.js page-main.js)
file(READ "${FORM}/form.css" form_style)
file(READ "${SOURCE}/page.css" page_style)
file(READ "${SOURCE}/actions.css" actions_style)
file(READ "${CURSOR64}" cursor64)
file(READ "${FAVICON64}" favicon)
file(READ "${FORM}/form.html" markup)
file(READ "${FORM}/title.txt" title)
file(READ "${FORM}/theme.txt" theme)
file(READ "${SOURCE}/acpower.html.in" page)

# The single page carries its cursor inside itself as well.
string(REPLACE "ACPOWER_LINK_CURSOR" "\"data:image/x-icon;base64,${cursor64}\"" form_style "${form_style}")
set(style "${form_style}${page_style}${actions_style}")

acpower_csp_hash("${page_script}" script_hash)
acpower_csp_hash("${style}" style_hash)
set(policy "default-src 'none'; script-src ${script_hash} 'wasm-unsafe-eval'; style-src ${style_hash}; img-src data:")

# Markers replaced one by one, so that nothing in the script is read as one.
function(acpower_page template head policy script out)
    foreach(marker IN ITEMS HEAD POLICY TITLE FAVICON MARKUP STYLE)
        string(TOLOWER "${marker}" name)
        string(REPLACE "@${marker}@" "${${name}}" template "${template}")
    endforeach()
    string(REPLACE "@SCRIPT@" "${script}" template "${template}")
    file(WRITE "${out}" "${template}")
endfunction()
acpower_page("${page}" "" "${policy}" "${page_script}" "${OUT}/acpower.html")

# The site folder: the same page as index.html, with its manifest, icons and
# a worker that keeps it offline; its policy adds just those.
acpower_script(form-page.js site_script engine.js calculator.js address.js print.js actions.js page-main.js site-main.js)
acpower_csp_hash("${site_script}" site_hash)
set(site_policy "default-src 'none'; script-src ${site_hash} 'wasm-unsafe-eval'; style-src ${style_hash}; img-src data: 'self'; manifest-src 'self'; worker-src 'self'")
set(site_head "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n<link rel=\"apple-touch-icon\" href=\"apple-touch-icon.png\">\n<meta name=\"theme-color\" content=\"${theme}\">\n")
set(site "${OUT}/site")
file(REMOVE_RECURSE "${site}")
acpower_page("${page}" "${site_head}" "${site_policy}" "${site_script}" "${site}/index.html")
file(COPY "${FORM}/manifest.webmanifest" DESTINATION "${site}")
file(GLOB icons "${SITE_ICONS}/*.png")
file(COPY ${icons} DESTINATION "${site}")
set(kept "\"./\", \"index.html\", \"manifest.webmanifest\"")
foreach(icon IN LISTS icons)
    get_filename_component(name "${icon}" NAME)
    string(APPEND kept ", \"${name}\"")
endforeach()
file(SHA256 "${site}/index.html" page_sha256)
file(READ "${SOURCE}/sw.js.in" worker)
string(REPLACE "@PAGE_SHA256@" "${page_sha256}" worker "${worker}")
string(REPLACE "@FILES@" "${kept}" worker "${worker}")
file(WRITE "${site}/sw.js" "${worker}")

acpower_script(form-element.js element_script engine.js calculator.js address.js actions.js element.js)
file(WRITE "${OUT}/acpower-calculator.js" "${element_script}")
file(COPY_FILE "${CURSOR}" "${OUT}/acpower-link.cur")
