# Builds the Windows setup program (run by the "installer" target in script mode):
#   cmake -DBUILD_DIR=... -DSTAGE=... -DOUTPUT=...setup.exe -DMAKENSIS=makensis -DSCRIPT=...nsi
#         -DICON=...ico -DVERSION=x.y.z -P WindowsInstaller.cmake
# The build's install tree is staged, its file list written for the setup script (what to install
# and, file by file, what the uninstaller removes: never more than it installed), and makensis
# packs it.
foreach(var BUILD_DIR STAGE OUTPUT MAKENSIS SCRIPT ICON VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "WindowsInstaller.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE} --strip
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "staging the install tree into ${STAGE} failed")
endif()

file(GLOB_RECURSE files RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(install_lines)
set(uninstall_lines)
set(folders)
set(current_folder "-")
foreach(file IN LISTS files)
  get_filename_component(folder ${file} DIRECTORY)
  string(REPLACE "/" "\\" windows_file "${file}")
  if(NOT folder STREQUAL current_folder)
    set(current_folder ${folder})
    string(REPLACE "/" "\\" windows_folder "${folder}")
    if(folder STREQUAL "")
      string(APPEND install_lines "  SetOutPath \"$INSTDIR\"\n")
    else()
      string(APPEND install_lines "  SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
      list(APPEND folders ${windows_folder})
    endif()
  endif()
  string(APPEND install_lines "  File \"${STAGE}/${file}\"\n")
  string(APPEND uninstall_lines "  Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
# Folders deepest first; each is removed only when nothing else is left in it.
list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders)
foreach(folder IN LISTS folders)
  string(APPEND uninstall_lines "  RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()

get_filename_component(lists ${OUTPUT} DIRECTORY)
file(WRITE ${lists}/installer-files.nsh
     "!macro MorvikInstallFiles\n${install_lines}!macroend\n"
     "!macro MorvikUninstallFiles\n${uninstall_lines}!macroend\n")

# The total size for the uninstall entry of the Control Panel, in KiB.
set(bytes 0)
foreach(file IN LISTS files)
  file(SIZE ${STAGE}/${file} size)
  math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kib "(${bytes} + 1023) / 1024")

execute_process(
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${VERSION}
          -DVERSION4=${VERSION}.0 -DOUTFILE=${OUTPUT} -DICON=${ICON}
          -DFILES=${lists}/installer-files.nsh -DSIZE_KB=${kib} ${SCRIPT}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "makensis failed on ${SCRIPT}")
endif()
