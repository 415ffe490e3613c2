#include "report/PageStreamCodes.h"

#include <array>

namespace {

constexpr std::array<TPageCodeInfo, 256> BuildTable() {
    std::array<TPageCodeInfo, 256> Table{};
#define VELMORA_CODE_ENTRY(Code, Name, Layout, Kind, Operation, Args)                                        \
    Table[Code] = TPageCodeInfo{Code, #Name, Layout, #Operation};
    VELMORA_PAGE_STREAM_CODES(VELMORA_CODE_ENTRY)
#undef VELMORA_CODE_ENTRY
    return Table;
}

constexpr std::array<TPageCodeInfo, 256> CodeTable = BuildTable();

} // namespace

const TPageCodeInfo* FindPageCode(uint8_t Code) {
    const TPageCodeInfo& Info = CodeTable[Code];
    return Info.Name ? &Info : nullptr;
}
