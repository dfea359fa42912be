#include "app/SettleLayout.h"

#include <QCoreApplication>
#include <QEvent>

namespace SettleLayout {

namespace {
class RequestCounter : public QObject {
public:
    int seen = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        seen += event->type() == QEvent::LayoutRequest;
        return false;
    }
};
// Deeper than any window here nests its layouts; a layout that keeps asking
// must not hold up the start.
constexpr int MostPasses = 32;
} // namespace

void Now()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    RequestCounter counter;
    app->installEventFilter(&counter);
    for (int pass = 0; pass < MostPasses; ++pass) {
        counter.seen = 0;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (counter.seen == 0)
            break;
    }
    app->removeEventFilter(&counter);
}

} // namespace SettleLayout
