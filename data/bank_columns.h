#pragma once

// The columns after STBH, in table and CSV order; a file of an earlier version lacks some or
// all of them and reads them as empty.
inline constexpr const char* kBankTextColumnsAfterStbh[] = {"JX", "ZT", "ZSD", "BS", "YD"};
