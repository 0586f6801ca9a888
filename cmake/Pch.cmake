# Precompiled headers. Parsing the Qt headers is most of the time of each of our compiles, so the
# headers nearly every file includes are compiled once per build folder and reused by every
# library, program, test, benchmark and fuzzer: one set for the program's code, one with QtTest
# for the tests and benchmarks. geldlog_precompile_all() runs at the end of the top-level list,
# so a new folder or test program gets them without a line of its own.
#
# A reused header must be compiled with the same flags and definitions as its users; the two sets
# link the same Qt modules as their users do, and the build folder gives the flags. GCC quietly
# parses the headers again when a precompiled one does not fit: -Winvalid-pch says so.
option(GELDLOG_PCH "Precompile the Qt headers" ON)

set(GELDLOG_PCH_HEADERS
    <algorithm> <array> <functional> <memory> <optional> <vector>
    <QApplication> <QBuffer> <QColor> <QComboBox> <QCoreApplication> <QDateTime> <QDialog> <QDir>
    <QElapsedTimer> <QEvent> <QFile> <QFont> <QFrame> <QHeaderView> <QImage> <QLabel> <QLineEdit>
    <QListWidget> <QMouseEvent> <QPainter> <QPointer> <QString> <QStringList> <QTimer>
    <QTreeView> <QWidget>)

if(GELDLOG_PCH AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Winvalid-pch)
endif()
# QtTest gives every test the folders of its own source and build as definitions, which differ
# from folder to folder and so would refuse the one precompiled QtTest; they only serve
# QFINDTESTDATA, which our tests do not use.
if(GELDLOG_PCH)
    set_property(TARGET Qt6::Test PROPERTY INTERFACE_COMPILE_DEFINITIONS QT_TESTLIB_LIB)
endif()

# ccache takes a compile with a precompiled header only when told that the header's definitions
# and time macros may be trusted; otherwise it runs the compiler every time.
if(GELDLOG_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache$")
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

function(geldlog_pch_target name)
    if(TARGET ${name})
        return()
    endif()
    add_library(${name} OBJECT ${PROJECT_SOURCE_DIR}/cmake/pch.cpp)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${name} PRIVATE Qt6::Widgets Qt6::PrintSupport)
    if(name STREQUAL "geldlog_test_pch")
        target_link_libraries(${name} PRIVATE Qt6::Test)
        target_precompile_headers(${name} PRIVATE ${GELDLOG_PCH_HEADERS} <QTest> <QSignalSpy>)
    else()
        target_precompile_headers(${name} PRIVATE ${GELDLOG_PCH_HEADERS})
    endif()
endfunction()

function(geldlog_targets_in directory result)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        geldlog_targets_in(${subdirectory} more)
        list(APPEND targets ${more})
    endforeach()
    set(${result} ${targets} PARENT_SCOPE)
endfunction()

function(geldlog_precompile_all)
    if(NOT GELDLOG_PCH)
        return()
    endif()
    geldlog_targets_in(${PROJECT_SOURCE_DIR} targets)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|OBJECT_LIBRARY)$")
            continue()
        endif()
        # A build tool without Qt Widgets cannot take the headers; it says so itself.
        get_target_property(disabled ${target} DISABLE_PRECOMPILE_HEADERS)
        if(disabled)
            continue()
        endif()
        get_target_property(libraries ${target} LINK_LIBRARIES)
        if(libraries MATCHES "Qt6::Test|geldlog_test_support")
            set(pch geldlog_test_pch)
        else()
            set(pch geldlog_pch)
        endif()
        geldlog_pch_target(${pch})
        target_precompile_headers(${target} REUSE_FROM ${pch})
        # A program's AUTOMOC file is empty, since its moc output is included by its own source;
        # loading the precompiled headers would be all of its cost.
        get_target_property(automoc ${target} AUTOMOC)
        get_target_property(binary_dir ${target} BINARY_DIR)
        if(automoc AND type STREQUAL "EXECUTABLE")
            set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
                TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
        endif()
    endforeach()
endfunction()
