# The Windows installer, made by the package target beside the zip:
# Tintavel-<version>-win64.msi (-win32.msi from the 32-bit build). CPack
# stages the product folder for the zip; before zipping it, cmake/msi/MakeMsi.cmake
# generates the WiX source from what was staged and builds the MSI with wixl
# (Debian's package wixl), so the installer holds exactly the files of the zip.
# It installs into Program Files\Tintavel (the 64-bit one for win64), with a
# Start menu shortcut to Tintavel64.exe and an entry in the installed programs.
find_program(MIROBANTH_WIXL wixl DOC "wixl, which builds the Windows installer")

set(CPACK_MIROBANTH_WIXL ${MIROBANTH_WIXL})
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_MIROBANTH_MSI_ARCH x64)
else()
  set(CPACK_MIROBANTH_MSI_ARCH x86)
endif()
set(CPACK_MIROBANTH_MSI_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/msi/Product.wxs.in)
set(CPACK_MIROBANTH_MSI_ICON ${PROJECT_SOURCE_DIR}/launcher/os/windows/Tintavel.ico)
set(CPACK_MIROBANTH_MSI_SHORTCUT_TARGET Tintavel64.exe)
# Never to change: Windows Installer knows every version of the product by
# it, so that a later one replaces an earlier one in place. Both word sizes
# share it: they would share the Start menu shortcut too.
set(CPACK_MIROBANTH_MSI_UPGRADE_CODE 10B5B86C-6E03-46E3-9987-739E135475D6)

list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/msi/MakeMsi.cmake)
