#include "views/painting/carpet_blocks.h"

#include <algorithm>

std::vector<CarpetBlock> CarpetBlocks(const vrd::Interval& period, vrd::Day firstDate,
                                      vrd::Minute dates) {
    const vrd::Minute origin = vrd::StartOfDay(firstDate);
    const vrd::Minute from = std::max<vrd::Minute>(period.from - origin, 0);
    const vrd::Minute to = std::min<vrd::Minute>(period.to - origin, dates * vrd::kMinutesPerDay);
    if (from >= to)
        return {};
    const vrd::Minute firstRow = from / vrd::kMinutesPerDay;
    const vrd::Minute lastRow = (to - 1) / vrd::kMinutesPerDay;
    const vrd::Minute start = from % vrd::kMinutesPerDay;
    const vrd::Minute end = to - lastRow * vrd::kMinutesPerDay;
    if (firstRow == lastRow)
        return {{firstRow, 1, start, end}};
    std::vector<CarpetBlock> blocks;
    const vrd::Minute wholeFrom = start == 0 ? firstRow : firstRow + 1;
    const vrd::Minute wholeTo = end == vrd::kMinutesPerDay ? lastRow + 1 : lastRow;
    if (start != 0)
        blocks.push_back({firstRow, 1, start, vrd::kMinutesPerDay});
    if (wholeTo > wholeFrom)
        blocks.push_back({wholeFrom, wholeTo - wholeFrom, 0, vrd::kMinutesPerDay});
    if (end != vrd::kMinutesPerDay)
        blocks.push_back({lastRow, 1, 0, end});
    return blocks;
}

QRectF CarpetBlockRect(const QRectF& cells, vrd::Minute dates, const CarpetBlock& block) {
    const double rowHeight = cells.height() / static_cast<double>(dates);
    const double minute = cells.width() / static_cast<double>(vrd::kMinutesPerDay);
    return QRectF(cells.left() + minute * static_cast<double>(block.left),
                  cells.top() + rowHeight * static_cast<double>(block.firstRow),
                  minute * static_cast<double>(block.right - block.left),
                  std::max(rowHeight * static_cast<double>(block.rows), 1.0));
}
