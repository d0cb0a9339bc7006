// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings_keys.h"

namespace qmb {

// The current user's values live in $XDG_CONFIG_HOME/VELD/QMBPro.conf, the
// machine's in the first VELD/<name>.conf of $XDG_CONFIG_DIRS (for
// SOFTWARE/VELD/QMB_VIZado: VELD/QMB_VIZado.conf, values at its top level).
// Texts are UTF-8.
//
// An INI file has no empty groups, so a key exists exactly while at least
// one value is stored under it or under one of its subkeys. That matches
// every state this program produces: a key only ever comes into being by
// writing a value into it, and nothing is ever deleted.
//
// Each call opens the file, does one thing and is done; nothing is kept
// between calls but QSettings' own copy of the file, which it checks against
// the file on every open. Reads never change the file.

// 0 when the key or the value is missing, or the value is not a decimal
// number from 0 to 4294967295.
uint32_t ReadUserDword(std::string_view key, std::string_view name);

// 1 when the key exists (the value may still be missing: text is then
// empty), 0 when it does not. The text is cut to fit kTextBufferSize.
int ReadUserString(std::string_view key, std::string_view name, std::string& text);

// 1 when written, 0 when the file cannot be written.
int WriteUserDword(std::string_view key, std::string_view name, uint32_t value);

// 1 when written, 0 when the file cannot be written. The text ends at its
// first zero byte, as a C string would.
int WriteUserString(std::string_view key, std::string_view name, std::string_view text);

// As ReadUserDword, from the machine's read-only configuration.
uint32_t ReadMachineDword(std::string_view key, std::string_view name);

// The installed model: "Model" of the machine's configuration, 0 when absent.
int InstalledModelNumber();

}  // namespace qmb
