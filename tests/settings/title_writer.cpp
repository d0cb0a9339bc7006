// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// Stores one writer's titles over and over, as a second program running at
// the same time would. After each store it checks that none of its earlier
// titles has been lost to the other writer.
//
//   settings_title_writer FIRST_INDEX COUNT TAG ROUNDS

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/settings_keys.h"
#include "settings/site_titles.h"

int main(int argc, char** argv)
{
    if (argc != 5)
        return 2;
    const int first = std::atoi(argv[1]);
    const int count = std::atoi(argv[2]);
    const std::string tag = argv[3];
    const int rounds = std::atoi(argv[4]);
    if (first < 0 || count < 1 || first + count > qmb::kSiteSlotCount)
        return 2;

    std::vector<std::string> expected(qmb::kSiteSlotCount);
    for (int round = 0; round < rounds; ++round) {
        for (int index = first; index < first + count; ++index) {
            expected[index] = tag + "-" + std::to_string(1000 + round);
            qmb::StoreSiteTitle(index, expected[index]);
            const auto titles = qmb::LoadSiteTitles();
            for (int mine = first; mine < first + count; ++mine) {
                if (!titles || titles->at(mine) != expected[mine]) {
                    std::fprintf(stderr, "%s: title %d lost in round %d\n", tag.c_str(), mine, round);
                    return 1;
                }
            }
        }
    }
    return 0;
}
