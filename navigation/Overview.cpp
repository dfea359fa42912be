#include "navigation/Overview.h"

#include "navigation/NodeCode.h"
#include "store/CodePage.h"
#include "store/DayGrid.h"

#include <QCoreApplication>

#include <algorithm>

const char *const NoAppointmentsText = QT_TRANSLATE_NOOP("Overview", "No appointments...");

QString ShortLine(const TText &text)
{
    const size_t limit = std::min(text.size(), static_cast<size_t>(ShortLineChars));
    size_t n = 0;
    while (n < limit && text.data()[n] != '\r' && text.data()[n] != '\n')
        ++n;
    QString line = DecodeAnsi(std::string_view(text.data(), n));
    if (n < text.size())
        line += QStringLiteral("...");
    return line;
}

QString CountText(size_t count)
{
    return count == 1 ? QCoreApplication::translate("Overview", "1 Appointment")
                      : QCoreApplication::translate("Overview", "%1 Dates").arg(count);
}

Overview BuildOverview(const DayGrid &grid, int code)
{
    using NodeCode::Encode;
    Overview o;
    const NodeCode::Parts p = NodeCode::Decode(code);
    switch (NodeCode::LevelOf(code)) {
    case NodeCode::Level::Day: {
        o.isDay = true;
        if (!DayGrid::IsValidDay(p.year, p.month, p.day))
            break;
        const TTerminDay &slot = grid.Slot(p.year, p.month, p.day);
        o.heading = NodeCode::DayHeading(p.year, p.month, p.day);
        // The rows are the records; nothing is built per row here.
        if (slot.records.Count() > 0) {
            o.day = &slot;
            o.dayRows = slot.records.Count();
        }
        break;
    }
    case NodeCode::Level::Month:
        o.heading = QStringLiteral("%1 %2").arg(NodeCode::MonthName(p.month)).arg(p.year);
        for (int d = 1, n = DayGrid::DaysInMonth(p.year, p.month); d <= n; ++d) {
            const TTerminDay &slot = grid.Slot(p.year, p.month, d);
            if (slot.records.Count() > 0)
                o.rows.append({NodeCode::DayCaption(p.year, p.month, d), CountText(slot.records.Count()),
                               Encode(p.year, p.month, d)});
        }
        break;
    case NodeCode::Level::Year:
        o.heading = QCoreApplication::translate("Overview", "Year %1").arg(p.year);
        for (int m = 1; m <= 12; ++m) {
            const size_t n = grid.RecordCount(p.year, m);
            if (n > 0)
                o.rows.append({NodeCode::MonthName(m), CountText(n), Encode(p.year, m)});
        }
        break;
    case NodeCode::Level::Root:
        o.heading = QCoreApplication::translate("Overview", "All years");
        for (int y = DayGrid::FirstYear; y <= DayGrid::LastYear; ++y) {
            const size_t n = grid.RecordCount(y);
            if (n > 0)
                o.rows.append({QString::number(y), CountText(n), Encode(y)});
        }
        break;
    }
    if (o.rows.isEmpty() && !o.day)
        o.rows.append({QString(), QCoreApplication::translate("Overview", NoAppointmentsText), -1});
    return o;
}
