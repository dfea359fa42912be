#include "MainFormHarness.h"
#include "app/SettleLayout.h"

#include <QtTest>

namespace {
// Layout requests handled while the event loop runs `passes` times; each
// pass settles one more level of a cascade.
int layoutRequestsLeft(int passes = 16)
{
    struct Counter : QObject {
        int seen = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            seen += event->type() == QEvent::LayoutRequest;
            return false;
        }
    } counter;
    qApp->installEventFilter(&counter);
    for (int i = 0; i < passes; ++i)
        QCoreApplication::processEvents();
    qApp->removeEventFilter(&counter);
    return counter.seen;
}
} // namespace

class TstSettleLayout : public QObject {
    Q_OBJECT
private slots:
    // Shown, the main window leaves layout requests for the event loop,
    // level by level; its first paint would come between two of them.
    // Settled, nothing is left to lay out once the loop runs.
    void mainWindowIsLaidOutBeforeTheLoopRuns()
    {
        MainFormHarness h;
        {
            auto plain = h.make();
            plain->show();
            if (layoutRequestsLeft() == 0)
                QSKIP("this Qt lays the window out within show()");
        }
        auto form = h.make();
        form->show();
        SettleLayout::Now();
        QCOMPARE(layoutRequestsLeft(), 0);
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(TstSettleLayout)
#include "tst_settlelayout.moc"
