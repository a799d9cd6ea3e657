# The Windows installer (.msi) of the architecture being built, made by Debian's wixl from
# packaging/windows/orvane-tictactoe.wxs.in. Each architecture has its own product: its own
# upgrade code, kept for good so that every later version replaces the one installed, and
# its own component codes.
find_program(TTT_WIXL wixl REQUIRED)
if(TTT_WINDOWS_ARCH STREQUAL "x86")
  set(TTT_MSI_UPGRADE_CODE E6E5EB61-9D74-4908-9EB2-6EB8CBCBF411)
  set(TTT_MSI_PROGRAM_GUID 1F3822A5-884F-43AC-88F8-B6D32F72D1CF)
  set(TTT_MSI_SHORTCUT_GUID 3406D933-6AC7-41EF-919D-65BF25E991FF)
  set(TTT_MSI_PROGRAM_FILES ProgramFilesFolder)  # Program Files (x86) on a 64-bit Windows
  set(TTT_MSI_WIN64 no)
else()
  set(TTT_MSI_UPGRADE_CODE 3496B915-196D-4F59-8890-D4EFD2A9E85B)
  set(TTT_MSI_PROGRAM_GUID 766B7A9B-8F77-4799-9848-39E8BD6D07C7)
  set(TTT_MSI_SHORTCUT_GUID AEDB3E6A-6D1C-46EF-B7CA-510A7ADDE441)
  set(TTT_MSI_PROGRAM_FILES ProgramFiles64Folder)
  set(TTT_MSI_WIN64 yes)
endif()
# wixl takes its files by paths relative to the folder it runs in, the build folder.
set(TTT_MSI_EXE $<TARGET_FILE_NAME:orvane-tictactoe>)
file(RELATIVE_PATH TTT_MSI_README ${CMAKE_BINARY_DIR} ${generated}/README.txt)
file(RELATIVE_PATH TTT_MSI_ICON ${CMAKE_BINARY_DIR} ${TTT_ICON_FILE})

# ttt_windows_msi(VERSION MSI): the installer MSI of this build's program, as version VERSION.
function(ttt_windows_msi version msi)
  set(TTT_MSI_VERSION ${version})
  set(wxs ${generated}/orvane-tictactoe-${version}.wxs)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/orvane-tictactoe.wxs.in ${wxs}.in @ONLY)
  # The program's path is known once the generator runs.
  file(GENERATE OUTPUT ${wxs} INPUT ${wxs}.in)
  add_custom_command(OUTPUT ${msi}
    COMMAND ${TTT_WIXL} --arch ${TTT_WINDOWS_ARCH} -o ${msi} ${wxs}
    DEPENDS orvane-tictactoe ${wxs} ${TTT_ICON_FILE} ${generated}/README.txt
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR} VERBATIM)
endfunction()

set(TTT_WINDOWS_MSI
    ${CMAKE_BINARY_DIR}/orvane-tictactoe-${PROJECT_VERSION}-windows-${TTT_WINDOWS_ARCH}.msi)
ttt_windows_msi(${PROJECT_VERSION} ${TTT_WINDOWS_MSI})
add_custom_target(windows-msi ALL DEPENDS ${TTT_WINDOWS_MSI})
