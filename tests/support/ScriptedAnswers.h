#pragma once
// Answers the reminder check's questions from a script instead of a dialog,
// and records every question, so a test says what the person answers and
// checks what they were asked.

#include "reminders/ReminderAnswers.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct AskedReminder {
    QString heading, name, description;
};

class ScriptedAnswers : public ReminderAnswers {
public:
    QList<int> script;              // answers in order; Yes once it runs out
    QList<AskedReminder> questions; // every question, in the order asked
    QStringList asked;              // the names asked about, in the same order
    // Runs while a reminder is "open", after the question was recorded: what
    // the event loop could do meanwhile (timers, a second check, a window).
    std::function<void()> whileOpen;

    int Ask(const QString &heading, const QString &name, const QString &description) override
    {
        questions.append({heading, name, description});
        asked << name;
        if (whileOpen)
            whileOpen();
        return script.isEmpty() ? ReminderAnswer::Yes : script.takeFirst();
    }

    // Starts the record of questions afresh; the script stays.
    void forgetQuestions()
    {
        questions.clear();
        asked.clear();
    }
};
