// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qmb {

// The site titles under SITE: nothing when that key does not exist yet,
// otherwise exactly kSiteSlotCount titles, entry i being slot i + 1 and a
// missing title an empty one.
std::optional<std::vector<std::string>> LoadSiteTitles();

// Stores the title of site siteIndex (0 to 30) as SITE value siteIndex + 1,
// cut to fit kTextBufferSize. 0 for an index outside the slots, which
// stores nothing; otherwise WriteUserString's result.
int StoreSiteTitle(int siteIndex, std::string_view title);

// Copies all SITE titles to TEMP_SITE, missing ones as empty titles. Does
// nothing at all while SITE does not exist.
void SaveProfile();

// Copies the TEMP_SITE titles back to SITE and returns them, for the list
// that shows them. Without TEMP_SITE it writes nothing and returns no
// titles.
std::vector<std::string> ReadProfile();

}  // namespace qmb
