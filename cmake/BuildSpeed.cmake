# Most of the time a unit takes to compile goes into Qt's headers (QString alone brings more
# than 100.000 lines), so each library and test target reads them once, precompiled.

# The compiler cache can keep units that use a precompiled header only when it is told that
# the header's own macros and time stamps do not matter.
function(velkor_use_compiler_cache)
  find_program(CCACHE_PROGRAM ccache)
  if(CCACHE_PROGRAM)
    set(launcher env CCACHE_SLOPPINESS=pch_defines,time_macros ${CCACHE_PROGRAM})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher} PARENT_SCOPE)
    set(CMAKE_C_COMPILER_LAUNCHER ${launcher} PARENT_SCOPE)
  endif()
endfunction()

# The linker of the test executables: every test links the whole core library, which the
# default linker reads slowly with its debug information; mold does the same in a fraction.
function(velkor_use_fast_linker)
  find_program(MOLD_PROGRAM mold)
  if(MOLD_PROGRAM)
    add_link_options(-fuse-ld=mold)
  endif()
endfunction()

set(VELKOR_PCH_CORE <QString> <QStringList> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QByteArray>
  <QVariant> <QRegularExpression> <vector> <functional> <optional> <memory> <map> <algorithm> <cmath>)
set(VELKOR_PCH_WIDGETS ${VELKOR_PCH_CORE} <QWidget> <QLabel> <QPushButton> <QLineEdit> <QVBoxLayout>
  <QHBoxLayout> <QGridLayout> <QGroupBox> <QComboBox> <QCheckBox> <QTextEdit> <QTabWidget> <QDateEdit>)
set(VELKOR_PCH_TESTS <gtest/gtest.h> ${VELKOR_PCH_CORE} <QTemporaryDir> <QProcess>)

# velkor_precompile(TARGET core|widgets|tests)
function(velkor_precompile target kind)
  string(TOUPPER ${kind} kind)
  target_precompile_headers(${target} PRIVATE ${VELKOR_PCH_${kind}})
endfunction()

# The build's debug information: line tables, which is all a backtrace or a profile needs.
# The full information of every variable (-g) took more than a third of a fresh build on two
# cores (709 s against 446 s); a debugger that needs it builds with CMAKE_BUILD_TYPE=Debug.
function(velkor_use_line_tables)
  foreach(lang C CXX)
    set(CMAKE_${lang}_FLAGS_RELWITHDEBINFO "-O2 -g1 -DNDEBUG" PARENT_SCOPE)
  endforeach()
endfunction()

# velkor_compile_as_test(TARGET): the tests' own code is compiled without optimisation, which
# more than halves what a test unit costs to compile; the code they test is the core library,
# compiled as it ships. moc runs only for a test whose sources declare a QObject.
function(velkor_compile_as_test target)
  target_compile_options(${target} PRIVATE -O0)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  set(declares_qobject FALSE)
  foreach(source ${sources})
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir})
    if(EXISTS ${source})
      file(STRINGS ${source} qobject_lines REGEX "Q_OBJECT")
      if(qobject_lines)
        set(declares_qobject TRUE)
      endif()
    endif()
  endforeach()
  if(NOT declares_qobject)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF)
  endif()
endfunction()
