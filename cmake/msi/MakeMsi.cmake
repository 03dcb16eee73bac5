# Makes a Windows installer with wixl from a product folder: generates its
# WiX source from the folder, so that no file of the product is ever missed,
# around cmake/msi/Product.wxs.in. Run two ways:
#   by CPack, once it has staged the product folder for the zip
#   (CPACK_PRE_BUILD_SCRIPTS), building <package file name>.msi beside it
#   from the CPACK_ and CPACK_MIROBANTH_MSI_ variables of MirobanthMsi.cmake;
#   by mirobanth-package, as cmake -P with the MSI_ variables below given
#   with -D.
# MSI_PRODUCT_DIR, MSI_WXS, MSI_FILE: the folder, the WiX source, the installer
# MSI_NAME, MSI_VERSION, MSI_VENDOR, MSI_SUMMARY, MSI_INSTALL_DIRECTORY
# MSI_WIXL, MSI_ARCH (x64 or x86), MSI_TEMPLATE, MSI_ICON (absolute)
# MSI_SHORTCUT_TARGET: the program the Start menu shortcut starts
# MSI_UPGRADE_CODE: the GUID Windows Installer knows every version by; when
#   not given, the one MSI_UPGRADE_NAMESPACE gives vendor and name
# MSI_ASSOCIATIONS: EXTENSION|MIME-TYPE|TEXT items, file types the shortcut's
#   program opens
#
# Each file is a component of its own, with the file as its key path; a folder
# without files gets an empty one. A component's GUID follows from the word
# size and its path below the product folder, so a file keeps its component
# from version to version, as Windows Installer's component rules ask. Every
# folder is also listed for creation: that is what makes the uninstall remove
# it again (Wine's installer removes no other folder).

if(DEFINED CPACK_TEMPORARY_DIRECTORY)
  # The zip holds one component, the product folder, staged below its own name.
  set(MSI_PRODUCT_DIR "${CPACK_TEMPORARY_DIRECTORY}/${CPACK_COMPONENTS_ALL}/${CPACK_PACKAGE_FILE_NAME}")
  set(MSI_WXS "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.wxs")
  set(MSI_FILE "${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi")
  set(MSI_NAME "${CPACK_PACKAGE_NAME}")
  set(MSI_VERSION "${CPACK_PACKAGE_VERSION}")
  set(MSI_VENDOR "${CPACK_PACKAGE_VENDOR}")
  set(MSI_SUMMARY "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}")
  set(MSI_INSTALL_DIRECTORY "${CPACK_PACKAGE_INSTALL_DIRECTORY}")
  foreach(_variable WIXL ARCH TEMPLATE ICON SHORTCUT_TARGET UPGRADE_CODE)
    set(MSI_${_variable} "${CPACK_MIROBANTH_MSI_${_variable}}")
  endforeach()
  set(MSI_WIXL "${CPACK_MIROBANTH_WIXL}")
  set(MSI_ASSOCIATIONS "")
endif()
if(NOT MSI_UPGRADE_CODE)
  string(UUID MSI_UPGRADE_CODE NAMESPACE "${MSI_UPGRADE_NAMESPACE}"
         NAME "${MSI_VENDOR}/${MSI_NAME}" TYPE SHA1 UPPER)
endif()
set(product "${MSI_PRODUCT_DIR}")
set(wxs "${MSI_WXS}")
set(msi "${MSI_FILE}")
if(NOT IS_DIRECTORY "${product}")
  message(FATAL_ERROR "No staged product folder at ${product}")
endif()
if(NOT MSI_WIXL)
  message(FATAL_ERROR "wixl, which builds the Windows installer, was not found: "
                      "install Debian's package wixl and configure again")
endif()

# msi_id(VAR KIND PATH): a WiX identifier for a path below the product folder
# (identifiers allow no "-" or "/", file names do).
function(msi_id var kind path)
  string(SHA1 hash "${path}")
  string(SUBSTRING "${hash}" 0 24 hash)
  set(${var} "${kind}_${hash}" PARENT_SCOPE)
endfunction()

# msi_component_guid(VAR PATH): the GUID of the component for PATH, the same
# in every version of the package of one word size.
function(msi_component_guid var path)
  string(UUID guid NAMESPACE "${MSI_UPGRADE_CODE}"
         NAME "${MSI_ARCH}/${path}" TYPE SHA1 UPPER)
  set(${var} "${guid}" PARENT_SCOPE)
endfunction()

# xml_escape(VAR TEXT): TEXT as an XML attribute value between double quotes.
function(xml_escape var text)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE "\"" "&quot;" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

# msi_component(PATH INDENT CONTENT): appends a component for PATH holding
# CONTENT to MSI_PRODUCT_FOLDER and its reference to MSI_COMPONENT_REFS.
function(msi_component path indent content)
  msi_id(id comp "${path}")
  msi_component_guid(guid "${path}")
  string(APPEND MSI_PRODUCT_FOLDER
    "${indent}<Component Id=\"${id}\" Guid=\"${guid}\"${MSI_WIN64}>${content}</Component>\n")
  string(APPEND MSI_COMPONENT_REFS "      <ComponentRef Id=\"${id}\"/>\n")
  set(MSI_PRODUCT_FOLDER "${MSI_PRODUCT_FOLDER}" PARENT_SCOPE)
  set(MSI_COMPONENT_REFS "${MSI_COMPONENT_REFS}" PARENT_SCOPE)
endfunction()

# msi_associations(VAR FILE-ID): the file types the program FILE-ID opens,
# each a ProgId with its extension and an "open" verb passing the file's path.
function(msi_associations var file_id)
  set(elements "")
  foreach(association IN LISTS MSI_ASSOCIATIONS)
    string(REPLACE "|" ";" association "${association}")
    list(GET association 0 extension)
    list(GET association 1 mime_type)
    list(GET association 2 text)
    xml_escape(text "${text}")
    string(APPEND elements
      "<ProgId Id=\"${MSI_NAME}.${extension}\" Description=\"${text}\" Icon=\"${file_id}\">"
      "<Extension Id=\"${extension}\" ContentType=\"${mime_type}\">"
      "<Verb Id=\"open\" Command=\"Open\" TargetFile=\"${file_id}\" Argument=\"&quot;%1&quot;\"/>"
      "</Extension></ProgId>")
  endforeach()
  set(${var} "${elements}" PARENT_SCOPE)
endfunction()

# msi_file_element(VAR PATH): the File element of PATH; the one the Start
# menu shortcut starts carries the shortcut and opens the product's file types.
function(msi_file_element var path)
  msi_id(id file "${path}")
  get_filename_component(name "${path}" NAME)
  xml_escape(source "${path}")
  xml_escape(name "${name}")
  set(shortcut "")
  set(associations "")
  if(path STREQUAL MSI_SHORTCUT_TARGET)
    xml_escape(shortcut_name "${MSI_NAME}")
    string(CONCAT shortcut "<Shortcut Id=\"StartMenuShortcut\" Directory=\"ProgramMenuFolder\" "
           "Name=\"${shortcut_name}\" Target=\"[#${id}]\" Icon=\"${MSI_ICON_ID}\"/>")
    msi_associations(associations "${id}")
  endif()
  set(${var} "<File Id=\"${id}\" Source=\"${source}\" Name=\"${name}\" KeyPath=\"yes\">${shortcut}</File>${associations}"
      PARENT_SCOPE)
endfunction()

# msi_folder(FOLDER INDENT): the folders, files and components of FOLDER, a
# path below the product folder ending in "/" ("" for the product folder).
function(msi_folder folder indent)
  file(GLOB entries LIST_DIRECTORIES true RELATIVE "${product}" "${product}/${folder}*")
  set(create_folder "<CreateFolder/>")
  foreach(entry IN LISTS entries)
    if(NOT IS_DIRECTORY "${product}/${entry}")
      msi_file_element(file "${entry}")
      msi_component("${entry}" "${indent}" "${create_folder}${file}")
      set(create_folder "")
    endif()
  endforeach()
  if(NOT create_folder STREQUAL "")
    msi_component("${folder}" "${indent}" "${create_folder}")
  endif()
  foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${product}/${entry}")
      msi_id(id dir "${entry}")
      get_filename_component(name "${entry}" NAME)
      xml_escape(name "${name}")
      string(APPEND MSI_PRODUCT_FOLDER "${indent}<Directory Id=\"${id}\" Name=\"${name}\">\n")
      msi_folder("${entry}/" "${indent}  ")
      string(APPEND MSI_PRODUCT_FOLDER "${indent}</Directory>\n")
    endif()
  endforeach()
  set(MSI_PRODUCT_FOLDER "${MSI_PRODUCT_FOLDER}" PARENT_SCOPE)
  set(MSI_COMPONENT_REFS "${MSI_COMPONENT_REFS}" PARENT_SCOPE)
endfunction()

# wixl finds every source file relative to its working folder, the product's.
set(MSI_ICON_ID "${MSI_NAME}.ico")
file(RELATIVE_PATH MSI_ICON_SOURCE "${product}" "${MSI_ICON}")
# A 64-bit package installs into the 64-bit Program Files, with 64-bit components.
if(MSI_ARCH STREQUAL "x64")
  set(MSI_PROGRAM_FILES ProgramFiles64Folder)
  set(MSI_WIN64 " Win64=\"yes\"")
else()
  set(MSI_PROGRAM_FILES ProgramFilesFolder)
  set(MSI_WIN64 "")
endif()
set(MSI_PRODUCT_FOLDER "")
set(MSI_COMPONENT_REFS "")
msi_folder("" "          ")
# The template has each on a line of its own.
string(REGEX REPLACE "\n$" "" MSI_PRODUCT_FOLDER "${MSI_PRODUCT_FOLDER}")
string(REGEX REPLACE "\n$" "" MSI_COMPONENT_REFS "${MSI_COMPONENT_REFS}")
foreach(_text NAME VENDOR SUMMARY INSTALL_DIRECTORY)
  xml_escape(MSI_${_text}_XML "${MSI_${_text}}")
endforeach()
configure_file("${MSI_TEMPLATE}" "${wxs}" @ONLY)

execute_process(
  COMMAND "${MSI_WIXL}" --arch "${MSI_ARCH}" --output "${msi}" "${wxs}"
  WORKING_DIRECTORY "${product}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "wixl could not build ${msi} from ${wxs} (${result}):\n${output}")
endif()
message(STATUS "Installer ${msi} made from ${wxs}")
