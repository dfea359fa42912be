#include "app/CommandService.h"

#include "app/MainUnit.h"
#include "app/sync/LiveMirror.h"
#include "app/cli/StoreAccess.h"
#include "platform/instance/SingleInstance.h"
#include "reminders/Clock.h"
#include "store/TerminFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStatusBar>

using CommandProtocol::Answer;

namespace {

Answer answer(Answer::Status status, const QByteArray &payload = QByteArray())
{
    Answer a;
    a.status = status;
    a.payload = payload;
    return a;
}

} // namespace

CommandService::CommandService(TMainForm &form, SingleInstance &instance) : form_(form), instance_(instance)
{
    instance_.setCommandHandler(
        [this](const QByteArray &verb, const QByteArray &payload) { return Serve(verb, payload); });
}

CommandService::~CommandService()
{
    instance_.setCommandHandler(nullptr);
}

Answer CommandService::Serve(const QByteArray &verb, const QByteArray &payload)
{
    // While the program ends the store is being written and let go; the
    // command waits for the lock instead.
    if (!form_.acceptsCommands())
        return answer(Answer::Retry, "the running copy is ending");
    if (verb == StoreAccess::SnapshotVerb)
        return answer(Answer::Ok, TerminFile::Serialize(form_.grid(), form_.settings()));
    if (verb == StoreAccess::AddVerb)
        return add(payload);
    if (verb == StoreAccess::SyncVerb)
        return sync(payload);
    return answer(Answer::Failed,
                  QCoreApplication::translate("CommandService", "this copy of Kalvix does not know the command \"%1\"")
                      .arg(QString::fromUtf8(verb))
                      .toUtf8());
}

Answer CommandService::add(const QByteArray &payload)
{
    StoreBatch batch;
    bool skipPresent = false, dryRun = false;
    QByteArray rule;
    QString error;
    if (!StoreAccess::ParseAddRequest(payload, batch, skipPresent, dryRun, rule, error))
        return answer(Answer::Failed, error.toUtf8());

    BatchAddition addition;
    const BatchCounts counts = addition.Apply(form_.grid(), batch, skipPresent, dryRun);
    if (!dryRun && counts.added > 0) {
        // Saved the window's way, which first takes in what other programs
        // wrote to the file; a failure goes back to the command, and the
        // store loses the batch again, so nothing is half done.
        const TerminFile::Outcome o = form_.SaveForCommand();
        if (!o.ok) {
            addition.Undo(form_.grid());
            form_.ShowOutsideChange();
            return answer(Answer::Failed,
                          QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(form_.dataPath()), o.message).toUtf8());
        }
        form_.ShowOutsideChange();
        // Noted before the mirror's pass (due a second after the save) can
        // take the new appointments for single ones.
        SystemClock system;
        const double now = mirror_ ? mirror_->Now() : system.now();
        if (counts.added == int(batch.size())
            && !StoreAccess::NoteSeries(form_.dataPath(), form_.grid(), batch, rule, now, error))
            form_.statusBar()->showMessage(StoreAccess::SeriesNotNoted(error));
    }
    return answer(Answer::Ok, StoreAccess::CountsAnswer(counts));
}

Answer CommandService::sync(const QByteArray &payload)
{
    if (!mirror_)
        return answer(Answer::Failed,
                      QCoreApplication::translate("CommandService",
                                                  "this copy of Kalvix does not mirror calendar folders")
                          .toUtf8());
    if (payload.size() < 2)
        return answer(Answer::Failed, QCoreApplication::translate("CommandService", "malformed request").toUtf8());
    const QString folder = QString::fromUtf8(payload.mid(2));
    const int take = payload[1] - '0';
    const std::optional<PassReport> r = mirror_->PassNow(folder, payload[0] == '1', take & 1, take & 2);
    if (!r)
        return answer(Answer::Retry,
                      QCoreApplication::translate("CommandService",
                                                  "the running copy is showing a reminder or a message")
                          .toUtf8());
    if (!r->ok)
        return answer(Answer::Failed, r->error.toUtf8());
    QString text = r->Summary(folder);
    for (const QString &note : r->notes)
        text += QCoreApplication::translate("CommandService", "Note: ") + note + QLatin1Char('\n');
    return answer(Answer::Ok, text.toUtf8());
}
