// The two data sets the editors edit, and a stretch of one: the records of
// the memory image, or of the alignment table (a record there is a row of
// 16 cells). App::Data_replaced marks a stretch replaced; App::Data_mark
// tells whether a stretch was replaced since a mark was taken.
#pragma once

#include "model/memory_map.h"

namespace bx {

enum class DataSet { Image, Adj_table };

struct DataArea {
    DataSet set = DataSet::Image;
    RecordRange records{0, -1};
    RecordRange more{0, -1};  // a second stretch (none when empty)
};

inline constexpr DataArea kWholeImage{DataSet::Image, {0, kImageRecords - 1}};
inline constexpr DataArea kWholeAdjTable{DataSet::Adj_table, {0, kAdjRecords - 1}};

}  // namespace bx
