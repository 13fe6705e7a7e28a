# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The bare Qt window bench/startup.sh compares the program with (include()d
# from bench/CMakeLists.txt). Same compiler, flags and Qt as `ohmira`.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
qt_add_executable(bare_window ${CMAKE_CURRENT_LIST_DIR}/bare_window.cpp)
target_include_directories(bare_window PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bare_window PRIVATE Qt6::Widgets ohmira_warnings)
