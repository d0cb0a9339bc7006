# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT

# Where an install puts each file: in the directories its reader looks in,
# whatever the prefix. Programs and data follow the prefix; udev and the
# session's autostart read only system directories, so those two do not.

find_package(PkgConfig REQUIRED)
pkg_get_variable(qmb_udev_pc_dir udev udevdir)
if(NOT qmb_udev_pc_dir)
  # Merged /usr (Debian 12 and later): udev reads /usr/lib/udev/rules.d.
  set(qmb_udev_pc_dir /usr/lib/udev)
endif()
set(QMB_UDEV_DIR "${qmb_udev_pc_dir}" CACHE PATH "udev's directory; the rule goes to its rules.d")
set(QMB_AUTOSTART_DIR /etc/xdg/autostart CACHE PATH "Where the session starts programs at login")

# qmb-virtual-mouse is a developer's tool: beside the programs, not on PATH.
set(QMB_LIBEXEC_DIR ${CMAKE_INSTALL_LIBEXECDIR}/qmbpro)
set(QMB_BASH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
set(QMB_METAINFO_DIR ${CMAKE_INSTALL_DATADIR}/metainfo)
