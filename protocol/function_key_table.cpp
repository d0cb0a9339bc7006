#include "protocol/function_key_table.h"

namespace qmb {

int FunctionKeyRowOf(const std::array<uint8_t, 3>& functionKey)
{
    for (const auto& row : FunctionKeyTable) {
        if (static_cast<uint8_t>(row.kind) == functionKey[0] && row.a == functionKey[1] && row.b == functionKey[2]) {
            return row.row;
        }
    }
    return 0;
}

}  // namespace qmb
