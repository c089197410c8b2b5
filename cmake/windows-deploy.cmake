# Installs beside horavela.exe what windeployqt would: the Qt libraries it and
# its printing module link, the Windows platform, style and printer plugins in
# their folders, and the MinGW-w64 runtime libraries that Qt's own libraries need.
set(qt_libraries Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
foreach(library IN LISTS qt_libraries)
  install(FILES $<TARGET_FILE:${library}> DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
if(TARGET Qt6::QWindowsVistaStylePlugin)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
          DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
endif()
# Without it the print dialog finds no printer.
if(TARGET Qt6::QWindowsPrinterSupportPlugin)
  install(FILES $<TARGET_FILE:Qt6::QWindowsPrinterSupportPlugin>
          DESTINATION ${CMAKE_INSTALL_BINDIR}/printsupport)
endif()
if(MINGW)
  foreach(runtime IN LISTS HORAVELA_MINGW_RUNTIME_DLLS)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
      message(FATAL_ERROR "The compiler does not know where ${runtime} is")
    endif()
    install(FILES ${runtime_path} DESTINATION ${CMAKE_INSTALL_BINDIR})
  endforeach()
endif()
