# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT

# Checks every #include of the program's own folders against the one-way
# layering: a folder may include its own headers and those of the folders
# its rule names, nothing else. A folder without a rule fails too, so a new
# folder needs its place in the table.
#
#   cmake -DSOURCE_DIR=<tree> -P check_layering.cmake

cmake_minimum_required(VERSION 3.25)

set(rules
  "device: device"
  "device/hidraw: device/hidraw device"
  "protocol: protocol device"
  "actions: actions protocol device"
  "settings: settings"
  "backup: backup actions protocol device settings"
  "emulator: emulator"
  "emulator/platform: emulator/platform emulator device"
  "emulator/uhid: emulator/uhid emulator device protocol"
  "ui/controls: ui/controls"
  "ui/notice: ui/notice"
  "ui/dialog_framework: ui/dialog_framework ui/controls device protocol"
  "ui/dialogs: ui/dialogs ui/dialog_framework ui/controls ui/notice actions protocol device settings"
  "app: app ui/dialogs ui/dialog_framework ui/controls ui/notice actions backup protocol device settings emulator/platform"
  "cli: cli actions backup protocol device settings emulator/platform"
  "fuzz: device device/hidraw protocol cli emulator/platform"
)
# Tests and benchmarks stand outside the layers: they may reach anything.
set(unchecked tests bench)

foreach(rule IN LISTS rules)
  string(REGEX MATCH "^([^:]+): (.*)$" _ "${rule}")
  string(REPLACE " " ";" allowed "${CMAKE_MATCH_2}")
  set("allowed_${CMAKE_MATCH_1}" "${allowed}")
endforeach()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults 0)
set(checked 0)
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" top "${source}")
  if(top IN_LIST unchecked OR top MATCHES "^build" OR NOT source MATCHES "/")
    continue()
  endif()
  get_filename_component(folder "${source}" DIRECTORY)
  if(NOT DEFINED "allowed_${folder}")
    message(SEND_ERROR "${source}: the folder ${folder} has no place in the layering table")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include \"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*$" "\\1" included "${line}")
    get_filename_component(included_folder "${included}" DIRECTORY)
    if(NOT included_folder IN_LIST "allowed_${folder}")
      message(SEND_ERROR "${source}: includes ${included}, but ${folder} may not depend on ${included_folder}")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()

if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) against the layering")
endif()
message(STATUS "layering: ${checked} files, every include goes the one way")
