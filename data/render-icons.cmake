# Renders the PNG icons of the hicolor theme from the scalable one with rsvg-convert.
# Usage: cmake -DRSVG_CONVERT=<rsvg-convert> -DSVG=<icon.svg> -DHICOLOR_DIR=<dir> -P render-icons.cmake
# writes <dir>/48x48/apps/<name>.png and <dir>/128x128/apps/<name>.png. The build's snake-icons
# target runs it on the checked-in PNGs; the packaging tests run it into a scratch folder and
# compare, so a changed SVG without new PNGs does not go unnoticed.
foreach(var RSVG_CONVERT SVG HICOLOR_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "render-icons: ${var} is not set")
    endif()
endforeach()

# The icon is named after the dotted application id, so NAME_WE (which stops at the first dot)
# would cut it short.
get_filename_component(name "${SVG}" NAME)
string(REGEX REPLACE "\\.svg$" "" name "${name}")

foreach(size 48 128)
    set(out "${HICOLOR_DIR}/${size}x${size}/apps/${name}.png")
    file(MAKE_DIRECTORY "${HICOLOR_DIR}/${size}x${size}/apps")
    execute_process(
        COMMAND "${RSVG_CONVERT}" --width ${size} --height ${size} --output "${out}" "${SVG}"
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
