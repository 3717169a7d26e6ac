# Fails when a core source file includes a Qt GUI or Widgets header.
file(GLOB core_files ${SOURCE_DIR}/src/*/*.cpp ${SOURCE_DIR}/src/*/*.h)
list(FILTER core_files EXCLUDE REGEX "/src/(cli|app)/")
foreach(file ${core_files})
  file(STRINGS ${file} lines REGEX "#include *<(QtGui|QtWidgets|QWidget|QDialog|QImage|QPixmap|QApplication|QGuiApplication|QMessageBox)")
  if(lines)
    message(FATAL_ERROR "${file} includes a GUI header: ${lines}")
  endif()
endforeach()
