# Where the program's resources are, stated once for the resources/ folder
# that builds and installs them and for the tests that look at them.
set(ACPOWER_EXECUTABLE acpower)
# The icon is pixel art at the sizes it was drawn for (16 and 32 px) and a
# scalable drawing of the same picture, rendered into the larger theme icons.
# scripts/regenerate-icon.sh remakes the rendered icons, the Windows icon and
# the cursor from the art with Debian's tools; all are committed, so that a
# build only copies them and needs no tool of its own.
set(ACPOWER_ART_DIR ${PROJECT_SOURCE_DIR}/resources/art)
set(ACPOWER_ICON_DRAWING ${ACPOWER_ART_DIR}/acpower.svg)
set(ACPOWER_ICO_FILE ${PROJECT_SOURCE_DIR}/resources/windows/acpower.ico)
set(ACPOWER_CUR_FILE ${PROJECT_SOURCE_DIR}/resources/windows/link-cursor.cur)
set(ACPOWER_HICOLOR_SIZES 16 32 48 64 128 256)
set(ACPOWER_RC_FILE ${PROJECT_BINARY_DIR}/resources/acpower.rc)
# UTF-8, the code page the version record's script is written in.
set(ACPOWER_RC_CODE_PAGE 65001)
# One reverse-DNS id names the desktop file, the theme icons and the AppStream
# record, and is what the program passes to setDesktopFileName.
set(ACPOWER_DESKTOP_FILE ${PROJECT_BINARY_DIR}/resources/${ACPOWER_APP_ID}.desktop)
set(ACPOWER_METAINFO_FILE ${PROJECT_BINARY_DIR}/resources/${ACPOWER_APP_ID}.metainfo.xml)
