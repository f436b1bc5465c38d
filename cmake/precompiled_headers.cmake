# Precompiled headers. A source that includes Qt Widgets or GoogleTest reads
# over 100 000 lines of headers before its own; read once per family of
# targets, they cost a fraction of that.
#
# A family is a set of targets whose compiler flags agree on everything the
# headers below look at: GCC refuses a precompiled header built under other
# macros (QT_NO_KEYWORDS changes what "slots" means), and -Winvalid-pch with
# -Werror turns that refusal into a build error instead of a silent slowdown.
# Each family has one donor target that builds the header; the others reuse it.

set(korvana_std_headers <algorithm> <array> <chrono> <cstdint> <functional> <map> <memory>
  <optional> <string> <string_view> <utility> <vector>)
set(korvana_qt_core_headers <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile>
  <QFileInfo> <QList> <QObject> <QPointer> <QRegularExpression> <QSettings> <QString>
  <QStringList> <QTimer> <QUrl>)
set(korvana_qt_gui_headers ${korvana_qt_core_headers} <QColor> <QGuiApplication> <QImage>
  <QPainter> <QPainterPath>)
set(korvana_qt_widgets_headers ${korvana_qt_gui_headers} <QAction> <QApplication> <QCheckBox>
  <QEvent> <QLabel> <QMenu> <QMenuBar> <QMouseEvent> <QSlider> <QToolButton> <QWidget>)

# korvana_precompile(<family> <target>...): the targets use the family's header.
# Families: core (Qt Core and Network), gui, widgets, widgets_no_keywords (Qt's
# keywords off, as the window library builds), gtest (no Qt).
function(korvana_precompile family)
  set(donor korvana_pch_${family})
  if(NOT TARGET ${donor})
    set(source ${CMAKE_BINARY_DIR}/precompiled/${family}.cpp)
    if(NOT EXISTS ${source})
      file(WRITE ${source} "// Only here to build the precompiled header of its family.\n")
    endif()
    add_library(${donor} OBJECT ${source})
    set_target_properties(${donor} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    if(family STREQUAL "gtest")
      find_package(GTest REQUIRED)
      target_link_libraries(${donor} PRIVATE GTest::gtest)
      target_precompile_headers(${donor} PRIVATE ${korvana_std_headers} <gtest/gtest.h>)
    else()
      # Only Qt Core is linked: its macros (QT_CORE_LIB, QT_NO_DEBUG) are the
      # ones every Qt target has. The other modules lend their folders alone,
      # since a macro the header was built with and a user lacks rejects it.
      target_link_libraries(${donor} PRIVATE Qt6::Core)
      if(family STREQUAL "core")
        set(modules)
        set(headers ${korvana_qt_core_headers})
      elseif(family STREQUAL "gui")
        set(modules Gui)
        set(headers ${korvana_qt_gui_headers})
      else()
        set(modules Gui Widgets)
        set(headers ${korvana_qt_widgets_headers})
      endif()
      foreach(module IN LISTS modules)
        target_include_directories(${donor} SYSTEM PRIVATE
          $<TARGET_PROPERTY:Qt6::${module},INTERFACE_INCLUDE_DIRECTORIES>)
      endforeach()
      target_precompile_headers(${donor} PRIVATE ${korvana_std_headers} ${headers})
      if(family STREQUAL "widgets_no_keywords")
        target_compile_definitions(${donor} PRIVATE QT_NO_KEYWORDS)
      endif()
    endif()
  endif()
  foreach(target IN LISTS ARGN)
    target_precompile_headers(${target} REUSE_FROM ${donor})
  endforeach()
endfunction()
