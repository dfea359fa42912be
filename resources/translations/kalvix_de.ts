<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ArgumentValues</name>
    <message>
        <source>duration %1 is longer than %2 days</source>
        <translation>Die Dauer %1 ist länger als %2 Tage</translation>
    </message>
    <message>
        <source>%1 is not a date; write it as 2026-12-24, today or tomorrow</source>
        <translation>%1 ist kein Datum; schreiben Sie es als 2026-12-24, today oder tomorrow</translation>
    </message>
    <message>
        <source>%1 is not a day of the calendar</source>
        <translation>%1 ist kein Tag des Kalenders</translation>
    </message>
    <message>
        <source>the date %1 is outside 2000-01-01 to 2100-12-31, the days %2 keeps appointments for</source>
        <translation>das Datum %1 liegt außerhalb von 2000-01-01 bis 2100-12-31, den Tagen, für die %2 Termine führt</translation>
    </message>
    <message>
        <source>%1 is not a time of day; write it as 18:00</source>
        <translation>%1 ist keine Uhrzeit; schreiben Sie sie als 18:00</translation>
    </message>
    <message>
        <source>%1 is not a valid time: hours go from 0 to 23, minutes and seconds from 0 to 59</source>
        <translation>%1 ist keine gültige Uhrzeit: Stunden gehen von 0 bis 23, Minuten und Sekunden von 0 bis 59</translation>
    </message>
    <message>
        <source>%1 is not a duration; write it as 3d, 2h30m, 1d2h30m or P1DT2H30M</source>
        <translation>%1 ist keine Dauer; schreiben Sie sie als 3d, 2h30m, 1d2h30m oder P1DT2H30M</translation>
    </message>
    <message>
        <source>%1 is not a repetition; write day, week, month, year, or a number of days or weeks such as 10d or 2w</source>
        <translation>%1 ist keine Wiederholung; schreiben Sie day, week, month, year oder eine Zahl von Tagen oder Wochen wie 10d oder 2w</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: kalvix add DATE [TIME] NAME [--description TEXT] [--first DURATION] [--repeat DURATION]
                  [--every day|week|month|year|Nd|Nw (--until DATE | --count N)]
</source>
        <translation>Aufruf: kalvix add DATUM [ZEIT] NAME [--description TEXT] [--first DAUER] [--repeat DAUER]
                   [--every day|week|month|year|Nd|Nw (--until DATUM | --count N)]
</translation>
    </message>
    <message>
        <source>Usage: kalvix list [FROM [TO]] [--format text|tsv]
</source>
        <translation>Aufruf: kalvix list [VON [BIS]] [--format text|tsv]
</translation>
    </message>
    <message>
        <source>Usage: kalvix export FILE.ics [FROM [TO]]
</source>
        <translation>Aufruf: kalvix export DATEI.ics [VON [BIS]]
</translation>
    </message>
    <message>
        <source>Usage: kalvix import FILE.ics [--dry-run] [--from DATE] [--until DATE]
</source>
        <translation>Aufruf: kalvix import DATEI.ics [--dry-run] [--from DATUM] [--until DATUM]
</translation>
    </message>
    <message>
        <source>Usage: kalvix [--help | --version | COMMAND ...]
</source>
        <translation>Aufruf: kalvix [--help | --version | BEFEHL ...]
</translation>
    </message>
    <message>
        <source>Adds an appointment, as &quot;Add appointment&quot; in the window does.

  DATE                 2026-12-24, today or tomorrow (2000-01-01 to 2100-12-31)
  TIME                 18:00 (default 12:00)
  NAME                 the appointment&apos;s name; put it in quotes when it has spaces
  -d, --description TEXT  longer text shown with the reminder
  --first DURATION     first reminder this long before (default 3d)
  --repeat DURATION    then remind again this often (default 1d)
  --every STEP         add one appointment per day, week, month, year, N days (Nd)
                       or N weeks (Nw); a day missing in a month (the 31st)
                       becomes its last day
  --until DATE         last day of the series (with --every)
  --count N            number of appointments in the series (with --every)

DURATION: 3d, 2h30m, 1d2h30m, 45m or ISO 8601 such as P1DT2H30M.
</source>
        <translation>Fügt einen Termin hinzu, wie „Termin hinzufügen“ im Fenster.

  DATUM                2026-12-24, today oder tomorrow (2000-01-01 bis 2100-12-31)
  ZEIT                 18:00 (Vorgabe 12:00)
  NAME                 der Name des Termins; in Anführungszeichen, wenn er Leerzeichen enthält
  -d, --description TEXT  längerer Text, der mit der Erinnerung erscheint
  --first DAUER        erste Erinnerung so lange vorher (Vorgabe 3d)
  --repeat DAUER       danach so oft erneut erinnern (Vorgabe 1d)
  --every SCHRITT      einen Termin je Tag (day), Woche (week), Monat (month), Jahr
                       (year), N Tage (Nd) oder N Wochen (Nw) hinzufügen; fehlt der
                       Tag in einem Monat (der 31.), gilt dessen letzter Tag
  --until DATUM        letzter Tag der Serie (mit --every)
  --count N            Anzahl der Termine der Serie (mit --every)

DAUER: 3d, 2h30m, 1d2h30m, 45m oder ISO 8601 wie P1DT2H30M.
</translation>
    </message>
    <message>
        <source>Lists the appointments from FROM to TO (both included), in calendar order and
within a day in the order they were added: date, time, name, reminder state.
FROM defaults to today, TO to 30 days after FROM.

  --format text|tsv    tsv: tab-separated columns date, time, name, state
                       (done, passed, due, waiting, reminded), last reminded,
                       first reminder, repeat, description; tab, line break,
                       carriage return and backslash written as \t \n \r \\
</source>
        <translation>Listet die Termine von VON bis BIS (beide eingeschlossen) in Kalenderfolge und
innerhalb eines Tages in der Reihenfolge des Hinzufügens: Datum, Uhrzeit, Name,
Erinnerungsstand. VON ist vorgegeben heute, BIS 30 Tage nach VON.

  --format text|tsv    tsv: durch Tabulatoren getrennte Spalten Datum, Uhrzeit, Name,
                       Stand (done, passed, due, waiting, reminded), zuletzt erinnert,
                       erste Erinnerung, Wiederholung, Beschreibung; Tabulator,
                       Zeilenumbruch, Wagenrücklauf und Backslash als \t \n \r \\
</translation>
    </message>
    <message>
        <source>Writes the appointments from FROM to TO (both included; default: all of them)
as iCalendar (RFC 5545) for other calendar programs, each with its reminder
as an alarm. FILE - writes to standard output.
</source>
        <translation>Schreibt die Termine von VON bis BIS (beide eingeschlossen; Vorgabe: alle) als
iCalendar (RFC 5545) für andere Kalenderprogramme, jeden mit seiner Erinnerung
als Alarm. DATEI - schreibt auf die Standardausgabe.
</translation>
    </message>
    <message>
        <source>Adds every event of an iCalendar file as an appointment, with its first
alarm as the reminder. Recurring events become one appointment per
occurrence from --from (default today) to --until (default a year later).
An appointment with the same day, time, name and description as one
already stored is not added again. Nothing is imported from a file that
cannot be read as a whole. FILE - reads standard input.

One import takes at most 2,000,000 occurrences (an event is one; a
repeating event one each time it repeats until --until, also before
--from) and 1,024 MB of names and descriptions; a file with more is
refused and nothing is imported.

  --dry-run            only count what would be added
  --from DATE          first day of recurring events
  --until DATE         last day of recurring events
</source>
        <translation>Fügt jedes Ereignis einer iCalendar-Datei als Termin hinzu, mit seinem ersten
Alarm als Erinnerung. Wiederkehrende Ereignisse werden zu einem Termin je
Vorkommen von --from (Vorgabe heute) bis --until (Vorgabe ein Jahr später).
Ein Termin mit gleichem Tag, gleicher Uhrzeit, gleichem Namen und gleicher
Beschreibung wie ein bereits gespeicherter wird nicht erneut hinzugefügt. Aus
einer Datei, die nicht als Ganzes gelesen werden kann, wird nichts importiert.
DATEI - liest die Standardeingabe.

Ein Import nimmt höchstens 2.000.000 Vorkommen (ein Ereignis ist eines; ein
wiederkehrendes Ereignis eines je Wiederholung bis --until, auch vor --from)
und 1.024 MB an Namen und Beschreibungen; eine Datei mit mehr wird abgewiesen
und nichts importiert.

  --dry-run            nur zählen, was hinzugefügt würde
  --from DATUM         erster Tag wiederkehrender Ereignisse
  --until DATUM        letzter Tag wiederkehrender Ereignisse
</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>add needs a date and a name</source>
        <translation>add braucht ein Datum und einen Namen</translation>
    </message>
    <message>
        <source>add needs a name after the date</source>
        <translation>add braucht einen Namen nach dem Datum</translation>
    </message>
    <message>
        <source>add takes a date, a time and a name, but got %1 words; put a name with spaces in quotes</source>
        <translation>add nimmt ein Datum, eine Uhrzeit und einen Namen, hat aber %1 Wörter erhalten; setzen Sie einen Namen mit Leerzeichen in Anführungszeichen</translation>
    </message>
    <message>
        <source>add needs a name after the time &quot;%1&quot;</source>
        <translation>add braucht einen Namen nach der Uhrzeit „%1“</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>the name holds a line break; a name is one line</source>
        <translation>der Name enthält einen Zeilenumbruch; ein Name ist eine Zeile</translation>
    </message>
    <message>
        <source>the name holds %1 character(s) the data file cannot store (it keeps Western European characters only)</source>
        <translation>der Name enthält %1 Zeichen, die die Datendatei nicht speichern kann (sie kennt nur westeuropäische Zeichen)</translation>
    </message>
    <message>
        <source>the description holds %1 character(s) the data file cannot store (it keeps Western European characters only)</source>
        <translation>die Beschreibung enthält %1 Zeichen, die die Datendatei nicht speichern kann (sie kennt nur westeuropäische Zeichen)</translation>
    </message>
    <message>
        <source>--%1: %2</source>
        <translation>--%1: %2</translation>
    </message>
    <message>
        <source>--every: </source>
        <translation>--every: </translation>
    </message>
    <message>
        <source>--every needs either --until DATE or --count N</source>
        <translation>--every braucht entweder --until DATUM oder --count N</translation>
    </message>
    <message>
        <source>--until: </source>
        <translation>--until: </translation>
    </message>
    <message>
        <source>--count: &quot;%1&quot; is not a whole number of 1 or more</source>
        <translation>--count: „%1“ ist keine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>--until and --count go with --every</source>
        <translation>--until und --count gehören zu --every</translation>
    </message>
    <message>
        <source>at most two dates, FROM and TO, may follow</source>
        <translation>höchstens zwei Daten, VON und BIS, dürfen folgen</translation>
    </message>
    <message>
        <source>TO %1 comes before FROM %2</source>
        <translation>BIS %1 liegt vor VON %2</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is neither text nor tsv</source>
        <translation>--format: „%1“ ist weder text noch tsv</translation>
    </message>
    <message>
        <source>list takes at most two dates, FROM and TO</source>
        <translation>list nimmt höchstens zwei Daten, VON und BIS</translation>
    </message>
    <message>
        <source>export needs a file name (- for standard output)</source>
        <translation>export braucht einen Dateinamen (- für die Standardausgabe)</translation>
    </message>
    <message>
        <source>import needs a file name (- for standard input)</source>
        <translation>import braucht einen Dateinamen (- für die Standardeingabe)</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import nimmt eine Datei</translation>
    </message>
    <message>
        <source>--until comes before --from</source>
        <translation>--until liegt vor --from</translation>
    </message>
    <message>
        <source>%1 reminds you of your appointments.</source>
        <translation>%1 erinnert Sie an Ihre Termine.</translation>
    </message>
    <message>
        <source>
Run &quot;kalvix COMMAND --help&quot; for one command.
</source>
        <translation>
„kalvix BEFEHL --help“ zeigt die Hilfe zu einem Befehl.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>unerwartet: „%1“</translation>
    </message>
    <message>
        <source>
Without a command the window opens (or the running copy shows itself).
Commands work without a display; when %1 runs, the running copy
carries them out. Run &quot;kalvix COMMAND --help&quot; for one command.
One import takes at most 2,000,000 occurrences of events.
</source>
        <translation>
Ohne Befehl öffnet sich das Fenster (oder das laufende Programm zeigt sich).
Befehle brauchen keine Anzeige; läuft %1, führt das laufende Programm sie
aus. „kalvix BEFEHL --help“ zeigt die Hilfe zu einem Befehl.
Ein Import nimmt höchstens 2.000.000 Vorkommen von Ereignissen.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an option nor a value: a date, time or number has no minus sign</source>
        <translation>„%1“ ist weder eine Option noch ein Wert: ein Datum, eine Uhrzeit oder eine Zahl hat kein Minuszeichen</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Added %1 %2 to %3
</source>
        <translation>%1 %2 in %3 eingetragen
</translation>
    </message>
    <message>
        <source>Added %1 appointments from %2 to %3 to %4
</source>
        <translation>%1 Termine vom %2 bis %3 in %4 eingetragen
</translation>
    </message>
    <message>
        <source>could not write %1: %2; nothing was exported</source>
        <translation>%1 konnte nicht geschrieben werden: %2; es wurde nichts exportiert</translation>
    </message>
    <message>
        <source>Exported %1 appointments to %2
</source>
        <translation>%1 Termine nach %2 exportiert
</translation>
    </message>
    <message>
        <source>could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported (import fewer days with --from and --until)</source>
        <translation>%1: %2; es wurde nichts importiert (importieren Sie weniger Tage mit --from und --until)</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>; nothing was imported</source>
        <translation>; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>Would import: </source>
        <translation>Würde importieren: </translation>
    </message>
    <message>
        <source>Imported: </source>
        <translation>Importiert: </translation>
    </message>
    <message>
        <source>kalvix: waiting: </source>
        <translation>kalvix: warte: </translation>
    </message>
    <message>
        <source>kalvix: could not write to standard output: %1
</source>
        <translation>kalvix: in die Standardausgabe konnte nicht geschrieben werden: %1
</translation>
    </message>
    <message>
        <source>no calendar folder is set for %1; give it once with &quot;kalvix sync --vdir DIR&quot;</source>
        <translation>für %1 ist kein Kalenderordner festgelegt; geben Sie ihn einmal mit „kalvix sync --vdir ORDNER“ an</translation>
    </message>
    <message>
        <source>kalvix: %1; give --vdir again next time
</source>
        <translation>kalvix: %1; geben Sie --vdir beim nächsten Mal erneut an
</translation>
    </message>
    <message>
        <source>; nothing was changed</source>
        <translation>; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Changed on both sides: %1 (changed %2) is the later change and was kept; the other version (changed %3) is in %4
</source>
        <translation>Auf beiden Seiten geändert: %1 (geändert %2) ist die spätere Änderung und wurde behalten; die andere Fassung (geändert %3) liegt in %4
</translation>
    </message>
</context>
<context>
    <name>CommandService</name>
    <message>
        <source>this copy of Kalvix does not know the command &quot;%1&quot;</source>
        <translation>dieses Kalvix kennt den Befehl „%1“ nicht</translation>
    </message>
    <message>
        <source>this copy of Kalvix does not mirror calendar folders</source>
        <translation>dieses Kalvix gleicht keine Kalenderordner ab</translation>
    </message>
    <message>
        <source>malformed request</source>
        <translation>fehlerhafte Anfrage</translation>
    </message>
    <message>
        <source>the running copy is showing a reminder or a message</source>
        <translation>das laufende Kalvix zeigt gerade eine Erinnerung oder eine Meldung</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Hinweis: </translation>
    </message>
</context>
<context>
    <name>ConflictCommand</name>
    <message>
        <source>Usage: kalvix resolve-conflict FILE FILE
</source>
        <translation>Aufruf: kalvix resolve-conflict DATEI DATEI
</translation>
    </message>
    <message>
        <source>Settles an appointment that vdirsyncer found changed both in the calendar
folder and on the server. vdirsyncer calls it with the two versions&apos;
files (conflict_resolution = [&quot;command&quot;, &quot;kalvix&quot;, &quot;resolve-conflict&quot;]
in its configuration). The later change (LAST-MODIFIED) is written to both
files; at the same time the second file&apos;s wins. The other version is kept
in the &quot;conflicts&quot; folder beside the data file.
</source>
        <translation>Entscheidet über einen Termin, den vdirsyncer sowohl im Kalenderordner als
auch auf dem Server geändert fand. vdirsyncer ruft es mit den Dateien der
beiden Fassungen auf (conflict_resolution = [&quot;command&quot;, &quot;kalvix&quot;, &quot;resolve-conflict&quot;]
in seiner Konfiguration). Die spätere Änderung (LAST-MODIFIED) wird in beide
Dateien geschrieben; bei gleicher Zeit gewinnt die zweite Datei. Die andere
Fassung wird im Ordner &quot;conflicts&quot; neben der Datendatei aufbewahrt.
</translation>
    </message>
    <message>
        <source>resolve-conflict takes two files</source>
        <translation>resolve-conflict erwartet zwei Dateien</translation>
    </message>
</context>
<context>
    <name>ConflictResolver</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not an iCalendar file (%2)</source>
        <translation>%1 ist keine iCalendar-Datei (%2)</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The appointments in &quot;%1&quot; were copied to &quot;%2&quot;%4, because the folder &quot;%3&quot; cannot be written. From now on they are read and saved there; &quot;%1&quot; is left as it is.</source>
        <translation>Die Termine aus „%1“ wurden nach „%2“%4 kopiert, weil der Ordner „%3“ nicht beschreibbar ist. Von nun an werden sie dort gelesen und gespeichert; „%1“ bleibt, wie es ist.</translation>
    </message>
    <message>
        <source> (which held no appointment)</source>
        <translation> (die keinen Termin enthielt)</translation>
    </message>
    <message>
        <source>The appointments in &quot;%1&quot; could not be copied to &quot;%2&quot; (%3), where they would be saved, because the folder &quot;%4&quot; cannot be written. They are used where they are; changes cannot be saved.</source>
        <translation>Die Termine aus „%1“ konnten nicht nach „%2“ kopiert werden (%3), wo sie gespeichert würden, weil der Ordner „%4“ nicht beschreibbar ist. Sie werden dort verwendet, wo sie sind; Änderungen können nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>DateTreeModel</name>
    <message>
        <source>Dates</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>DetailPages</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Appointment:</source>
        <translation>Termin:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Time: hours</source>
        <translation>Uhrzeit: Stunden</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Time: minutes</source>
        <translation>Uhrzeit: Minuten</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>First time to remind:</source>
        <translation>Erste Erinnerung:</translation>
    </message>
    <message>
        <source>First time to remind: days</source>
        <translation>Erste Erinnerung: Tage</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>First time to remind: hours</source>
        <translation>Erste Erinnerung: Stunden</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>First time to remind: minutes before</source>
        <translation>Erste Erinnerung: Minuten vorher</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>Minuten vorher</translation>
    </message>
    <message>
        <source>Then remind me every:</source>
        <translation>Dann erinnern alle:</translation>
    </message>
    <message>
        <source>Then remind me every: days</source>
        <translation>Dann erinnern alle: Tage</translation>
    </message>
    <message>
        <source>Then remind me every: hours</source>
        <translation>Dann erinnern alle: Stunden</translation>
    </message>
    <message>
        <source>Then remind me every: minutes</source>
        <translation>Dann erinnern alle: Minuten</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Don&apos;t remind anymore</source>
        <translation>Nicht mehr erinnern</translation>
    </message>
    <message>
        <source>Last reminded:</source>
        <translation>Zuletzt erinnert:</translation>
    </message>
    <message>
        <source>Set back to &apos;never&apos;&apos;</source>
        <translation>Auf „nie“ zurücksetzen</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>eine FIFO (benannte Pipe)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be looked at (%2)</source>
        <translation>„%1“ kann nicht untersucht werden (%2)</translation>
    </message>
    <message>
        <source>the symbolic link &quot;%1&quot; cannot be read</source>
        <translation>die symbolische Verknüpfung „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>too many symbolic links lead from &quot;%1&quot;</source>
        <translation>zu viele symbolische Verknüpfungen führen von „%1“ weiter</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es ist %1</translation>
    </message>
</context>
<context>
    <name>Ical</name>
    <message>
        <source>not a real date and time</source>
        <translation>kein echtes Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>a reminder more than 100 years away</source>
        <translation>eine Erinnerung mehr als 100 Jahre entfernt</translation>
    </message>
    <message>
        <source>a reminder more than 100 years before the appointment</source>
        <translation>eine Erinnerung mehr als 100 Jahre vor dem Termin</translation>
    </message>
    <message>
        <source>a negative number of repeats</source>
        <translation>eine negative Anzahl von Wiederholungen</translation>
    </message>
    <message>
        <source>not a usable repeat interval</source>
        <translation>kein brauchbarer Wiederholungsabstand</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgesagt</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>keine Anfangszeit</translation>
    </message>
    <message>
        <source>unknown time zone %1 taken as local time</source>
        <translation>unbekannte Zeitzone %1 als Ortszeit genommen</translation>
    </message>
    <message>
        <source>an event longer than 100 years</source>
        <translation>ein Ereignis länger als 100 Jahre</translation>
    </message>
    <message>
        <source>a recurrence rule libical cannot follow</source>
        <translation>eine Wiederholungsregel, der libical nicht folgen kann</translation>
    </message>
    <message>
        <source>more than %1 occurrences of one event</source>
        <translation>mehr als %1 Vorkommen eines Ereignisses</translation>
    </message>
    <message>
        <source>repeats, but not on the days imported</source>
        <translation>wiederholt sich, aber nicht an den importierten Tagen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file ends inside a %1 (cut off?)</source>
        <translation>die Datei endet innerhalb eines %1 (abgeschnitten?)</translation>
    </message>
    <message>
        <source>not an iCalendar file (no BEGIN:VCALENDAR ... END:VCALENDAR)</source>
        <translation>keine iCalendar-Datei (kein BEGIN:VCALENDAR ... END:VCALENDAR)</translation>
    </message>
    <message>
        <source>not an iCalendar file: &quot;%1&quot; outside a VCALENDAR</source>
        <translation>keine iCalendar-Datei: „%1“ außerhalb eines VCALENDAR</translation>
    </message>
    <message>
        <source>libical could not close the VCALENDAR</source>
        <translation>libical konnte den VCALENDAR nicht abschließen</translation>
    </message>
    <message>
        <source>%1 does not close the %2</source>
        <translation>%1 schließt nicht den %2</translation>
    </message>
    <message>
        <source>not an event (%1)</source>
        <translation>kein Ereignis (%1)</translation>
    </message>
    <message>
        <source>the file is empty, not an iCalendar file</source>
        <translation>die Datei ist leer, keine iCalendar-Datei</translation>
    </message>
    <message>
        <source>a NUL byte: not an iCalendar text file</source>
        <translation>ein NUL-Byte: keine iCalendar-Textdatei</translation>
    </message>
    <message>
        <source>added %1, already present %2, skipped %3</source>
        <translation>hinzugefügt %1, bereits vorhanden %2, übersprungen %3</translation>
    </message>
    <message>
        <source>; %1 characters outside the code page stored as &quot;?&quot;</source>
        <translation>; %1 Zeichen außerhalb der Codepage als „?“ gespeichert</translation>
    </message>
    <message>
        <source>; %1: %2</source>
        <translation>; %1: %2</translation>
    </message>
    <message>
        <source>the events occur more than %1 times up to %2, more than one import takes</source>
        <translation>die Ereignisse kommen bis %2 mehr als %1-mal vor, mehr als ein Import nimmt</translation>
    </message>
    <message>
        <source>the appointments would hold more than %1 MB of names and descriptions, more than one import takes</source>
        <translation>die Termine hätten mehr als %1 MB an Namen und Beschreibungen, mehr als ein Import nimmt</translation>
    </message>
    <message>
        <source>it holds no repeating event</source>
        <translation>die Datei enthält kein sich wiederholendes Ereignis</translation>
    </message>
    <message>
        <source>it holds no one plain event</source>
        <translation>sie enthält nicht genau ein einfaches Ereignis</translation>
    </message>
    <message>
        <source>the changed event would not read back as the appointment (%1)</source>
        <translation>das geänderte Ereignis ließe sich nicht als derselbe Termin zurücklesen (%1)</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>the running copy did not take the connection</source>
        <translation>die laufende Kopie hat die Verbindung nicht angenommen</translation>
    </message>
    <message>
        <source>no answer in time</source>
        <translation>keine Antwort in der Zeit</translation>
    </message>
    <message>
        <source>the running copy closed the connection</source>
        <translation>die laufende Kopie hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the running copy&apos;s answer is not understood</source>
        <translation>die Antwort der laufenden Kopie ist unverständlich</translation>
    </message>
    <message>
        <source>cannot listen at &quot;%1&quot;: %2</source>
        <translation>kann nicht an „%1“ lauschen: %2</translation>
    </message>
    <message>
        <source>the socket &quot;%1&quot; is held by another user</source>
        <translation>der Socket „%1“ gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>er gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>other users can enter it</source>
        <translation>andere Benutzer können ihn betreten</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is too long a path for a local socket.</source>
        <translation>Der Ordner „%1“ ist ein zu langer Pfad für einen lokalen Socket.</translation>
    </message>
    <message>
        <source>No folder for the program&apos;s socket could be had: &quot;%1&quot; to &quot;%2&quot; are taken by others or cannot be created%3.</source>
        <translation>Es fand sich kein Ordner für den Socket des Programms: „%1“ bis „%2“ gehören anderen oder können nicht angelegt werden%3.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not used for the program&apos;s socket: %2. The program uses &quot;%3&quot; instead; if you did not make &quot;%1&quot;, somebody else did.</source>
        <translation>Der Ordner „%1“ wird nicht für den Socket des Programms verwendet: %2. Das Programm verwendet stattdessen „%3“; wenn Sie „%1“ nicht angelegt haben, hat es jemand anderes getan.</translation>
    </message>
    <message>
        <source>No socket folder.</source>
        <translation>Kein Ordner für den Socket.</translation>
    </message>
    <message>
        <source>The socket &quot;%1&quot; is held by another user.</source>
        <translation>Der Socket „%1“ gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, but Kalvix keeps its lock file under that name while it runs.</source>
        <translation>„%1“ ist %2, aber Kalvix legt unter diesem Namen seine Sperrdatei an, solange es läuft.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a symbolic link that leads nowhere</source>
        <translation>eine symbolische Verknüpfung, die ins Leere führt</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source> Remove or rename it, then start Kalvix again.</source>
        <translation> Entfernen oder benennen Sie es um und starten Sie Kalvix dann erneut.</translation>
    </message>
    <message>
        <source>The running copy did not answer.</source>
        <translation>Das laufende Programm hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; could not be created.</source>
        <translation>Die Sperrdatei „%1“ konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <source>Could not decode the JPEG picture: there is no data.</source>
        <translation>Das JPEG-Bild konnte nicht entschlüsselt werden: Es enthält keine Daten.</translation>
    </message>
    <message>
        <source>Could not decode the JPEG picture: %1.</source>
        <translation>Das JPEG-Bild konnte nicht entschlüsselt werden: %1.</translation>
    </message>
    <message>
        <source>Could not read the JPEG picture %1: %2.</source>
        <translation>Das JPEG-Bild %1 konnte nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>KalvixApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>KeptVersion</name>
    <message>
        <source>could not create %1: %2</source>
        <translation>%1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>no more reminders</source>
        <translation>keine Erinnerungen mehr</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>vorbei</translation>
    </message>
    <message>
        <source>reminder due</source>
        <translation>Erinnerung fällig</translation>
    </message>
    <message>
        <source>first reminder %1</source>
        <translation>erste Erinnerung %1</translation>
    </message>
    <message>
        <source>reminded %1, next %2</source>
        <translation>erinnert %1, nächste %2</translation>
    </message>
</context>
<context>
    <name>LiveMirror</name>
    <message>
        <source>Calendar folder: </source>
        <translation>Kalenderordner: </translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Manage dates</source>
        <translation>Termine verwalten</translation>
    </message>
    <message>
        <source>Manage appointments - choose date and click on &quot;Add appointment&quot;</source>
        <translation>Termine verwalten - Datum wählen und auf „Termin hinzufügen“ klicken</translation>
    </message>
    <message>
        <source>Add appointment</source>
        <translation>Termin hinzufügen</translation>
    </message>
    <message>
        <source>Delete appointment</source>
        <translation>Termin löschen</translation>
    </message>
    <message>
        <source>One folder up</source>
        <translation>Eine Ebene höher</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nichts ausgewählt</translation>
    </message>
    <message>
        <source>Appointments</source>
        <translation>Termine</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Settings - here you can make some settings</source>
        <translation>Einstellungen - hier können Sie einiges einstellen</translation>
    </message>
    <message>
        <source>Go to the Brontal homepage...</source>
        <translation>Zur Homepage von Brontal...</translation>
    </message>
    <message>
        <source>Close the window, but stay active in background and remind me about appointments.</source>
        <translation>Fenster schließen, aber im Hintergrund aktiv bleiben und an Termine erinnern.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Information about the program</source>
        <translation>Informationen über das Programm</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hereby you leave the program</source>
        <translation>Hiermit verlassen Sie das Programm</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>ManPage</name>
    <message>
        <source>User Commands</source>
        <translation>Benutzerbefehle</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>BEZEICHNUNG</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>ÜBERSICHT</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>BESCHREIBUNG</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>BEFEHLE</translation>
    </message>
</context>
<context>
    <name>MissedAppointments</name>
    <message>
        <source>Passed without a reminder (%1):</source>
        <translation>Ohne Erinnerung verstrichen (%1):</translation>
    </message>
</context>
<context>
    <name>NodeCode</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>We</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>So</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A day in the date tree and in a month&apos;s overview: %1 the day of the month, %2 the weekday abbreviation.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1 %2.%3 %4</source>
        <extracomment>Heading over a day&apos;s appointments: %1 weekday abbreviation, %2 day of the month, %3 month name, %4 year.</extracomment>
        <translation>%1, %2. %3 %4</translation>
    </message>
</context>
<context>
    <name>Occurrences</name>
    <message>
        <source>--until %1 comes before the first day %2</source>
        <translation>--until %1 liegt vor dem ersten Tag %2</translation>
    </message>
    <message>
        <source>--count must be at least 1</source>
        <translation>--count muss mindestens 1 sein</translation>
    </message>
    <message>
        <source>--count %1 runs past 2100-12-31, the last day Kalvix keeps appointments for; only %2 fit</source>
        <translation>--count %1 reicht über 2100-12-31 hinaus, den letzten Tag, für den Kalvix Termine führt; nur %2 passen</translation>
    </message>
</context>
<context>
    <name>OptionsFields</name>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Check appointments every:</source>
        <translation>Termine prüfen alle:</translation>
    </message>
    <message>
        <source>Check appointments every: minutes</source>
        <translation>Termine prüfen alle: Minuten</translation>
    </message>
    <message>
        <source>Check appointments every: seconds</source>
        <translation>Termine prüfen alle: Sekunden</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Check for deadlines now!</source>
        <translation>Jetzt auf fällige Termine prüfen!</translation>
    </message>
    <message>
        <source>Start program minimized</source>
        <translation>Programm minimiert starten</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>nothing could be written</source>
        <translation>es konnte nichts geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Overview</name>
    <message>
        <source>No appointments...</source>
        <translation>Keine Termine...</translation>
    </message>
    <message>
        <source>1 Appointment</source>
        <translation>1 Termin</translation>
    </message>
    <message>
        <source>%1 Dates</source>
        <translation>%1 Termine</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>Jahr %1</translation>
    </message>
    <message>
        <source>All years</source>
        <translation>Alle Jahre</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>When?</source>
        <translation>Wann?</translation>
    </message>
    <message>
        <source>What?</source>
        <translation>Was?</translation>
    </message>
</context>
<context>
    <name>PassApply</name>
    <message>
        <source>could not remove %1</source>
        <translation>%1 konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>could not flush %1 to the disk</source>
        <translation>%1 konnte nicht auf die Festplatte geschrieben werden</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 was not changed: %2</source>
        <translation>%1 wurde nicht geändert: %2</translation>
    </message>
</context>
<context>
    <name>PassPlan</name>
    <message>
        <source>it holds no event</source>
        <translation>die Datei enthält kein Ereignis</translation>
    </message>
    <message>
        <source>its event has no UID</source>
        <translation>das Ereignis darin hat keine UID</translation>
    </message>
    <message>
        <source>its event lies outside the years 2000 to 2100</source>
        <translation>das Ereignis darin liegt außerhalb der Jahre 2000 bis 2100</translation>
    </message>
    <message>
        <source>%1 was left alone: %2</source>
        <translation>%1 wurde übergangen: %2</translation>
    </message>
    <message>
        <source>%1 was left alone: another file holds an event with the same UID</source>
        <translation>%1 wurde übergangen: eine andere Datei enthält ein Ereignis mit derselben UID</translation>
    </message>
    <message>
        <source>Changed on both sides: &quot;%1&quot; on %2 is the later change and was kept; the other version, &quot;%3&quot;, is in %4</source>
        <translation>Auf beiden Seiten geändert: „%1“ am %2 ist die spätere Änderung und wurde behalten; die andere Fassung, „%3“, liegt in %4</translation>
    </message>
    <message>
        <source>its event now repeats; it stands for one appointment here, which was kept as it is</source>
        <translation>das Ereignis darin wiederholt sich jetzt; es steht hier für einen Termin, der unverändert blieb</translation>
    </message>
    <message>
        <source>it holds more than one event</source>
        <translation>die Datei enthält mehr als ein Ereignis</translation>
    </message>
    <message>
        <source>%1 was taken for &quot;%2&quot; on %3, which has its day and name, and was not sent out again</source>
        <translation>%1 wurde für „%2“ am %3 genommen, der denselben Tag und Namen hat, und nicht noch einmal hinausgeschickt</translation>
    </message>
    <message>
        <source>%1 no longer holds %2 of the %3 events it held at the last pass (is it a mount point not mounted, or a folder made anew?); nothing was changed; if they were removed on purpose, run &quot;kalvix sync --take-removals&quot;</source>
        <translation>%1 enthält %2 der %3 Ereignisse nicht mehr, die beim letzten Durchgang darin waren (ein nicht eingehängter Einhängepunkt, oder ein neu angelegter Ordner?); nichts wurde geändert; wurden sie absichtlich entfernt, „kalvix sync --take-removals“ ausführen</translation>
    </message>
</context>
<context>
    <name>PassSeries</name>
    <message>
        <source>&quot;%1&quot; on %2 was changed here and is kept: %3</source>
        <translation>„%1“ am %2 wurde hier geändert und bleibt erhalten: %3</translation>
    </message>
    <message>
        <source>its repeating event %1 no longer has it, so it stays as an appointment of its own</source>
        <translation>sein sich wiederholendes Ereignis %1 enthält ihn nicht mehr, daher bleibt er als eigener Termin bestehen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; on %2 was changed here and is kept: the change to %3 did not reach it</source>
        <translation>„%1“ am %2 wurde hier geändert und bleibt erhalten: die Änderung an %3 wurde nicht übernommen</translation>
    </message>
    <message>
        <source>%1 was left alone: its event no longer repeats</source>
        <translation>%1 wurde übergangen: das Ereignis darin wiederholt sich nicht mehr</translation>
    </message>
    <message>
        <source>%1 could not be changed: %2</source>
        <translation>%1 konnte nicht geändert werden: %2</translation>
    </message>
</context>
<context>
    <name>ReminderHeading</name>
    <message>
        <source>At %1 at %2</source>
        <extracomment>Reminder heading when the time carries AM/PM: %1 the date, %2 the time (&quot;11:59:00 PM&quot;).</extracomment>
        <translation>Am %1 um %2</translation>
    </message>
    <message>
        <source>At %1 at %2 o&apos;clock</source>
        <translation>Am %1 um %2 Uhr</translation>
    </message>
</context>
<context>
    <name>SetAside</name>
    <message>
        <source>%1 was set aside and the other events were mirrored: %2; it is read again once it changes</source>
        <translation>%1 wurde beiseitegelegt und die übrigen Ereignisse abgeglichen: %2; sie wird wieder gelesen, sobald sie sich ändert</translation>
    </message>
</context>
<context>
    <name>ShownTermin</name>
    <message>
        <source>Too long to edit here; it is kept as it is.</source>
        <translation>Zu lang, um hier bearbeitet zu werden; der Inhalt bleibt unverändert.</translation>
    </message>
    <message>
        <source>Shown up to a NUL character it holds; it is kept as it is.</source>
        <translation>Bis zu einem enthaltenen NUL-Zeichen angezeigt; der Inhalt bleibt unverändert.</translation>
    </message>
    <message>
        <source>Cannot be shown here (stored as %1 days); it is kept as it is.</source>
        <translation>Kann hier nicht angezeigt werden (gespeichert als %1 Tage); der Wert bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>StoreAccess</name>
    <message>
        <source>malformed request</source>
        <translation>fehlerhafte Anfrage</translation>
    </message>
    <message>
        <source> Remove or rename it, then try again; nothing was changed</source>
        <translation> Entfernen oder benennen Sie es um und versuchen Sie es erneut; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>the running copy is busy</source>
        <translation>das laufende Programm ist beschäftigt</translation>
    </message>
    <message>
        <source>the running copy of Kalvix for %1 took the request but did not answer (%2); look in its window whether the change was made</source>
        <translation>das laufende Kalvix für %1 hat die Anfrage angenommen, aber nicht geantwortet (%2); sehen Sie in seinem Fenster nach, ob die Änderung vorgenommen wurde</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the running copy sent an unreadable store: </source>
        <translation>das laufende Programm hat einen unlesbaren Datenbestand geschickt: </translation>
    </message>
    <message>
        <source>the running copy gave an answer that makes no sense</source>
        <translation>das laufende Programm hat eine unsinnige Antwort gegeben</translation>
    </message>
    <message>
        <source>%1 is in use by a copy of Kalvix that cannot take commands now: %2; nothing was changed</source>
        <translation>%1 wird von einem Kalvix verwendet, das gerade keine Befehle annehmen kann: %2; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>%1 is in use by a copy of Kalvix that does not answer (lock file %2)%3; nothing was changed</source>
        <translation>%1 wird von einem Kalvix verwendet, das nicht antwortet (Sperrdatei %2)%3; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>the appointments were added, but not noted as one series for the calendar folder: %1</source>
        <translation>die Termine wurden hinzugefügt, aber nicht als eine Serie für den Kalenderordner vermerkt: %1</translation>
    </message>
    <message>
        <source>the calendar folder was not brought up to date: %1; run &quot;kalvix sync&quot; once that is mended</source>
        <translation>der Kalenderordner wurde nicht auf den neuesten Stand gebracht: %1; führen Sie &quot;kalvix sync&quot; aus, sobald das behoben ist</translation>
    </message>
    <message>
        <source>the disk is full; make room on %1 and try again</source>
        <translation>der Datenträger ist voll; schaffen Sie Platz auf %1 und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the lock file could not be written</source>
        <translation>die Sperrdatei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; nothing was changed</source>
        <translation>%1 kann nicht gesperrt werden: %2; nichts wurde geändert</translation>
    </message>
    <message>
        <source>the running copy did not answer, but %1 holds the new appointments: the change was made</source>
        <translation>die laufende Kopie hat nicht geantwortet, aber %1 enthält die neuen Termine: die Änderung wurde vorgenommen</translation>
    </message>
    <message>
        <source>the running copy of Kalvix for %1 took the request but ended without answering (%2); the file is as before: nothing was changed</source>
        <translation>die laufende Kopie von Kalvix für %1 hat die Anfrage angenommen, wurde aber ohne Antwort beendet (%2); die Datei ist wie zuvor: nichts wurde geändert</translation>
    </message>
</context>
<context>
    <name>StoreBatch</name>
    <message>
        <source>malformed list of appointments</source>
        <translation>fehlerhafte Terminliste</translation>
    </message>
    <message>
        <source>appointment %1 is on a day outside 2000 to 2100</source>
        <translation>Termin %1 liegt an einem Tag außerhalb von 2000 bis 2100</translation>
    </message>
    <message>
        <source>appointment %1 holds a value that is not a number</source>
        <translation>Termin %1 enthält einen Wert, der keine Zahl ist</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>&quot;%1&quot; was changed by another program while this store had changes of its own; both were kept (days from the file: %2, from here: %3, with appointments of both: %4).</source>
        <translation>„%1“ wurde von einem anderen Programm geändert, während hier eigene Änderungen vorlagen; beide wurden übernommen (Tage aus der Datei: %2, von hier: %3, mit Terminen aus beiden: %4).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another program; it is saved once that has finished.</source>
        <translation>„%1“ wird gerade von einem anderen Programm geschrieben; gespeichert wird, sobald es fertig ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program; its appointments are shown now.</source>
        <translation>„%1“ wurde von einem anderen Programm geändert; seine Termine werden jetzt angezeigt.</translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>unerwartet: „%1“</translation>
    </message>
    <message>
        <source>--vdir is given twice</source>
        <translation>--vdir ist zweimal angegeben</translation>
    </message>
    <message>
        <source>--vdir needs a folder</source>
        <translation>--vdir braucht einen Ordner</translation>
    </message>
    <message>
        <source>Usage: kalvix sync [--vdir DIR] [--take-existing] [--take-removals]
</source>
        <translation>Aufruf: kalvix sync [--vdir ORDNER] [--take-existing] [--take-removals]
</translation>
    </message>
    <message>
        <source>Mirrors the appointments with a calendar folder that vdirsyncer keeps in
step with a CalDAV server (a vdir: one .ics file per event; khal reads it
too). What changed on one side since the last pass goes to the other; an
appointment changed on both keeps the later change, and the other version
is saved in the &quot;conflicts&quot; folder beside the data file. A reminder
answered on either side stays answered. While Kalvix runs it keeps the
folder in step by itself; this command then asks it for a pass at once.

A folder that comes back emptied removes nothing: when a pass would
remove the appointments of at least two events and that is all the
events the folder held at the last pass, or of more than five and more
than half of them, nothing is changed and the pass says why (a mount
point not mounted, a folder deleted and made anew). A file of the folder
that cannot be taken (not iCalendar, over 1 MB, repeating more often
than a store holds) is set aside with a note, once, and the others are
mirrored.

  --vdir DIR           the calendar&apos;s folder, remembered from then on
  --take-existing      the folder is new to this store and holds events
                       other programs wrote: take them in as well
  --take-removals      the folder was emptied on purpose: remove its
                       events&apos; appointments from the store as well
</source>
        <translation>Gleicht die Termine mit einem Kalenderordner ab, den vdirsyncer mit einem
CalDAV-Server auf Stand hält (ein vdir: eine .ics-Datei je Ereignis; auch khal
liest ihn). Was sich seit dem letzten Durchgang auf einer Seite geändert hat,
geht auf die andere; bei einem auf beiden Seiten geänderten Termin gilt die
spätere Änderung, und die andere Fassung wird im Ordner „conflicts“ neben der
Datendatei gespeichert. Eine auf einer Seite beantwortete Erinnerung bleibt
beantwortet. Solange Kalvix läuft, hält es den Ordner selbst auf Stand; dieser
Befehl lässt es dann sofort einen Durchgang machen.

Ein geleert zurückkommender Ordner entfernt nichts: würde ein Durchgang die
Termine von mindestens zwei Ereignissen entfernen, und das sind alle, die beim
letzten Durchgang im Ordner waren, oder von mehr als fünf und mehr als der
Hälfte, wird nichts geändert und der Durchgang sagt warum (ein nicht
eingehängter Einhängepunkt, ein gelöschter und neu angelegter Ordner). Eine
Datei des Ordners, die nicht übernommen werden kann (kein iCalendar, über
1 MB, öfter wiederholt als eine Datendatei fasst), wird mit einem Hinweis
beiseitegelegt, einmal, und die übrigen werden abgeglichen.

  --vdir ORDNER        der Ordner des Kalenders, von da an gemerkt
  --take-existing      der Ordner ist neu für diese Datendatei und enthält
                       Ereignisse anderer Programme: auch diese übernehmen
  --take-removals      der Ordner wurde absichtlich geleert: die Termine
                       seiner Ereignisse auch hier entfernen
</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>%1 keeps your appointments and reminds you of them in time, quietly from the notification area.</source>
        <translation>%1 verwaltet Ihre Termine und erinnert Sie rechtzeitig daran, unauffällig aus dem Infobereich.</translation>
    </message>
    <message>
        <source>This program is freeware.</source>
        <translation>Dieses Programm ist Freeware.</translation>
    </message>
    <message>
        <source>Made with care by the %1 team.</source>
        <translation>Mit Sorgfalt gemacht vom %1-Team.</translation>
    </message>
    <message>
        <source>Questions, ideas or praise are welcome: visit our homepage for news and updates.</source>
        <translation>Fragen, Ideen oder Lob sind willkommen: Besuchen Sie unsere Homepage für Neuigkeiten und Updates.</translation>
    </message>
</context>
<context>
    <name>TBitBtnXP</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>No name</source>
        <translation>Kein Name</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected appointments?</source>
        <translation>Möchten Sie die ausgewählten Termine wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete appointment</source>
        <translation>Termin löschen</translation>
    </message>
    <message>
        <source>Reminded: never</source>
        <translation>Erinnert: nie</translation>
    </message>
    <message>
        <source>Reminded: (invalid)</source>
        <translation>Erinnert: (ungültig)</translation>
    </message>
    <message>
        <source>Reminded: %1; %2</source>
        <translation>Erinnert: %1; %2</translation>
    </message>
    <message>
        <source>The program can&apos;t remind you any more if you quit!</source>
        <translation>Das Programm kann Sie nicht mehr erinnern, wenn Sie es beenden!</translation>
    </message>
    <message>
        <source>Quit program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>The appointments could not be saved to &quot;%1&quot;: %2</source>
        <translation>Die Termine konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>

Nothing was added or changed in this run; &quot;%1&quot; was left as it was, with all its appointments.</source>
        <translation>

In diesem Lauf wurde nichts hinzugefügt oder geändert; „%1“ blieb, wie es war, mit allen seinen Terminen.</translation>
    </message>
    <message>
        <source>

They could not be kept anywhere else either:
%1</source>
        <translation>

Sie konnten auch nirgends sonst aufbewahrt werden:
%1</translation>
    </message>
    <message>
        <source>

&quot;%1&quot; holds the %2 appointment(s) of this run only. &quot;%3&quot; could not be read by this run and was left as it was, with its own appointments: do not replace one by the other, each holds appointments the other lacks.</source>
        <translation>

„%1“ enthält nur die %2 Termin(e) dieses Laufs. „%3“ konnte in diesem Lauf nicht gelesen werden und blieb, wie es war, mit seinen eigenen Terminen: Ersetzen Sie nicht die eine Datei durch die andere, jede enthält Termine, die der anderen fehlen.</translation>
    </message>
    <message>
        <source>%1 could not save the appointments</source>
        <translation>%1 konnte die Termine nicht speichern</translation>
    </message>
    <message>
        <source>Not saved: </source>
        <translation>Nicht gespeichert: </translation>
    </message>
    <message>
        <source>the data file could not be read</source>
        <translation>die Datendatei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>

File: </source>
        <translation>

Datei: </translation>
    </message>
    <message>
        <source>The data file was changed by another program; it is taken in and saved once the open reminder or message is answered.</source>
        <translation>Die Datendatei wurde von einem anderen Programm geändert; sie wird übernommen und gespeichert, sobald die offene Erinnerung oder Meldung beantwortet ist.</translation>
    </message>
    <message>
        <source>The appointments were not saved. %1</source>
        <translation>Die Termine wurden nicht gespeichert. %1</translation>
    </message>
    <message>
        <source>

This start ends without changing anything.</source>
        <translation>

Dieser Start endet, ohne etwas zu ändern.</translation>
    </message>
    <message>
        <source>%1 is already running with the appointments in &quot;%2&quot;, but it does not answer.

This start ends without changing anything. If the running program stays unresponsive, end it and start %1 again.</source>
        <translation>%1 läuft bereits mit den Terminen in „%2“, antwortet aber nicht.

Dieser Start endet, ohne etwas zu ändern. Wenn das laufende Programm weiterhin nicht reagiert, beenden Sie es und starten Sie %1 erneut.</translation>
    </message>
    <message>
        <source>Stored as &quot;?&quot;: the data file&apos;s character set (Windows-1252) has no such character</source>
        <translation>Als „?“ gespeichert: Der Zeichensatz der Datendatei (Windows-1252) kennt dieses Zeichen nicht</translation>
    </message>
    <message>
        <source>(invalid)</source>
        <translation>(ungültig)</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nichts ausgewählt</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Keine Aktion</translation>
    </message>
    <message>
        <source>Got to the Brontal homepage...</source>
        <translation>Zur Homepage von Brontal...</translation>
    </message>
    <message>
        <source>About the program...</source>
        <translation>Über das Programm...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Appointment</source>
        <translation>Termin</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>The appointments could not be saved to &quot;%1&quot;: %2

Make room (or mend the cause) and try again, or quit anyway: the appointments are then kept in a file of their own in &quot;%3&quot; or, when that has no room either, in &quot;%4&quot;.</source>
        <translation>Die Termine konnten nicht in „%1“ gespeichert werden: %2

Schaffen Sie Platz (oder beheben Sie die Ursache) und versuchen Sie es erneut, oder beenden Sie trotzdem: Die Termine werden dann in einer eigenen Datei in „%3“ aufbewahrt oder, wenn dort auch kein Platz ist, in „%4“.</translation>
    </message>
    <message>
        <source>&amp;Try again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>&amp;Quit anyway</source>
        <translation>&amp;Trotzdem beenden</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t quit</source>
        <translation>&amp;Nicht beenden</translation>
    </message>
    <message>
        <source>

&quot;%1&quot; holds all %2 appointments as they were at the end; &quot;%3&quot; holds those of the last save. To use them, move that file to &quot;%4&quot;, in place of &quot;%3&quot;.</source>
        <translation>

„%1“ enthält alle %2 Termine so, wie sie am Ende waren; „%3“ enthält die der letzten Speicherung. Um sie zu verwenden, verschieben Sie diese Datei nach „%4“, an die Stelle von „%3“.</translation>
    </message>
    <message>
        <source>

&quot;%1&quot; holds all %2 appointments as they were at the end. &quot;%3&quot; could not be read (see above why: its permissions or owner may have been changed); it was left as it was. Compare the two before replacing it.</source>
        <translation>

„%1“ enthält alle %2 Termine so, wie sie am Ende waren. „%3“ konnte nicht gelesen werden (warum, steht oben: vielleicht wurden seine Rechte oder sein Besitzer geändert); es blieb, wie es war. Vergleichen Sie beide, bevor Sie eine ersetzen.</translation>
    </message>
</context>
<context>
    <name>TTerminForm</name>
    <message>
        <source>Appointment reminder</source>
        <translation>Terminerinnerung</translation>
    </message>
    <message>
        <source>Appointment</source>
        <translation>Termin</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Cancel all</source>
        <translation>Alle abbrechen</translation>
    </message>
    <message>
        <source>Don&apos;t remind anymore</source>
        <translation>Nicht mehr erinnern</translation>
    </message>
    <message>
        <source>Remind later</source>
        <translation>Später erinnern</translation>
    </message>
</context>
<context>
    <name>TerminFile</name>
    <message>
        <source>Error: could not create file!</source>
        <translation>Fehler: Die Datei konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Error: could not open file!</source>
        <translation>Fehler: Die Datei konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>I/O error: %1</source>
        <translation>E/A-Fehler: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read before saving over it (%2). The appointments were not saved; the file is unchanged.</source>
        <translation>„%1“ konnte vor dem Überschreiben nicht gelesen werden (%2). Die Termine wurden nicht gespeichert; die Datei ist unverändert.</translation>
    </message>
    <message>
        <source>A copy of &quot;%1&quot; could not be kept before rewriting it in place (%2). The appointments were not saved; the file is unchanged.</source>
        <translation>Eine Kopie von „%1“ konnte vor dem Überschreiben an Ort und Stelle nicht angelegt werden (%2). Die Termine wurden nicht gespeichert; die Datei ist unverändert.</translation>
    </message>
    <message>
        <source>%1. The appointments were written only in part; the file as it was before is kept as &quot;%2&quot;, and the next start reads it from there if needed.</source>
        <translation>%1. Die Termine wurden nur teilweise geschrieben; die Datei, wie sie vorher war, ist als „%2“ aufbewahrt, und der nächste Start liest sie bei Bedarf von dort.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a file of appointments. The appointments were not saved; they stay in memory. Move it away to save them.</source>
        <translation>„%1“ ist %2, keine Termindatei. Die Termine wurden nicht gespeichert; sie bleiben im Speicher. Verschieben Sie es, um sie zu speichern.</translation>
    </message>
    <message>
        <source>. The appointments were not saved; the previous file is unchanged.</source>
        <translation>. Die Termine wurden nicht gespeichert; die vorherige Datei ist unverändert.</translation>
    </message>
    <message>
        <source>I/O error: the file&apos;s permissions could not be kept (%1)</source>
        <translation>E/A-Fehler: Die Zugriffsrechte der Datei konnten nicht beibehalten werden (%1)</translation>
    </message>
    <message>
        <source>no free name for a copy</source>
        <translation>kein freier Name für eine Kopie</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source> Nothing will be saved over it until it can be read or is moved away; until then changes are kept in memory only.</source>
        <translation> Es wird nichts darüber gespeichert, bis die Datei gelesen werden kann oder entfernt wird; bis dahin bleiben Änderungen nur im Speicher.</translation>
    </message>
    <message>
        <source>. The file could not be read, and a copy of it could not be kept (%1).</source>
        <translation>. Die Datei konnte nicht gelesen werden, und eine Kopie davon konnte nicht angelegt werden (%1).</translation>
    </message>
    <message>
        <source>. The file could not be read; its contents were kept as &quot;%1&quot;.</source>
        <translation>. Die Datei konnte nicht gelesen werden; ihr Inhalt wurde als „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <source> The appointments from before the last, unfinished save were loaded from &quot;%1&quot;.</source>
        <translation> Die Termine von vor der letzten, nicht beendeten Speicherung wurden aus „%1“ geladen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. The appointments were not saved; they stay in memory. </source>
        <translation>„%1“ ist schreibgeschützt. Die Termine wurden nicht gespeichert; sie bleiben im Speicher. </translation>
    </message>
    <message>
        <source>Make the file writable to save them.</source>
        <translation>Machen Sie die Datei beschreibbar, um sie zu speichern.</translation>
    </message>
    <message>
        <source>It belongs to the user %1, so you cannot make it writable; put a copy of your own in its place (cp &quot;%2&quot; &quot;%2.mine&quot; &amp;&amp; mv &quot;%2.mine&quot; &quot;%2&quot;) and the next save works, or ask %1 to let you write it.</source>
        <translation>Sie gehört dem Benutzer %1, daher können Sie sie nicht beschreibbar machen; setzen Sie eine eigene Kopie an ihre Stelle (cp &quot;%2&quot; &quot;%2.mine&quot; &amp;&amp; mv &quot;%2.mine&quot; &quot;%2&quot;), dann gelingt das nächste Speichern, oder bitten Sie %1, Ihnen das Schreiben zu erlauben.</translation>
    </message>
    <message>
        <source>It belongs to the user %1, and neither it nor its folder may be written by you; ask %1 or the administrator to give it to you (chown).</source>
        <translation>Sie gehört dem Benutzer %1, und weder sie noch ihr Ordner darf von Ihnen beschrieben werden; bitten Sie %1 oder die Verwaltung, sie Ihnen zu übertragen (chown).</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is gone (renamed or removed?). The appointments were not saved; they stay in memory. Put the folder back under that name to save them.</source>
        <translation>Der Ordner „%1“ ist nicht mehr da (umbenannt oder entfernt?). Die Termine wurden nicht gespeichert; sie bleiben im Speicher. Stellen Sie den Ordner unter diesem Namen wieder her, um sie zu speichern.</translation>
    </message>
</context>
<context>
    <name>TerminFormat</name>
    <message>
        <source>Invalid appointment count %1</source>
        <translation>Ungültige Terminanzahl %1</translation>
    </message>
    <message>
        <source>Invalid text length %1</source>
        <translation>Ungültige Textlänge %1</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>Program options...</source>
        <translation>Programmoptionen...</translation>
    </message>
</context>
<context>
    <name>UnsavedStore</name>
    <message>
        <source>too many such files already</source>
        <translation>schon zu viele solche Dateien</translation>
    </message>
    <message>
        <source>%1: the folder could not be created
</source>
        <translation>%1: Der Ordner konnte nicht angelegt werden
</translation>
    </message>
</context>
<context>
    <name>VdirConfig</name>
    <message>
        <source>could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>VdirFolder</name>
    <message>
        <source>%1 does not exist; create it, or give the folder vdirsyncer writes the calendar to</source>
        <translation>%1 existiert nicht; legen Sie diesen Ordner an oder geben Sie den an, in den vdirsyncer den Kalender schreibt</translation>
    </message>
    <message>
        <source>%1 is not a folder; give the calendar&apos;s folder, which holds one .ics file per event</source>
        <translation>%1 ist kein Ordner; geben Sie den Ordner des Kalenders an, der eine .ics-Datei je Ereignis enthält</translation>
    </message>
    <message>
        <source>%1 cannot be read and written by you</source>
        <translation>Sie können %1 nicht lesen und beschreiben</translation>
    </message>
    <message>
        <source>%1 holds address book entries (.vcf), not calendar events; give a calendar&apos;s folder</source>
        <translation>%1 enthält Adressbucheinträge (.vcf), keine Kalenderereignisse; geben Sie den Ordner eines Kalenders an</translation>
    </message>
    <message>
        <source>%1 holds several calendars (%2); give the folder of one of them</source>
        <translation>%1 enthält mehrere Kalender (%2); geben Sie den Ordner eines davon an</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>VdirIndex</name>
    <message>
        <source>line %1 makes no sense</source>
        <translation>Zeile %1 ist unverständlich</translation>
    </message>
</context>
<context>
    <name>VdirPass</name>
    <message>
        <source>Mirrored with %1: from the folder %2 added, %3 changed, %4 removed; to the folder %5 written, %6 removed
</source>
        <translation>Abgeglichen mit %1: aus dem Ordner %2 hinzugefügt, %3 geändert, %4 entfernt; in den Ordner %5 geschrieben, %6 entfernt
</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); appointments were matched to the folder&apos;s events by their contents</source>
        <translation>%1 konnte nicht gelesen werden (%2); die Termine wurden den Ereignissen des Ordners nach ihrem Inhalt zugeordnet</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>the data file was written by a program that did not keep %1; appointments were matched to the folder&apos;s events by their contents</source>
        <translation>die Datendatei wurde von einem Programm geschrieben, das %1 nicht auf Stand gehalten hat; die Termine wurden den Ereignissen des Ordners nach ihrem Inhalt zugeordnet</translation>
    </message>
    <message>
        <source>%1 holds events already and %2 has no record of them; appointments were matched to them by their contents</source>
        <translation>%1 enthält bereits Ereignisse, und %2 verzeichnet sie nicht; die Termine wurden ihnen nach ihrem Inhalt zugeordnet</translation>
    </message>
    <message>
        <source>%1 already holds %2 events that other programs wrote; to take them into this store as well, run the command again with --take-existing; nothing was changed</source>
        <translation>%1 enthält bereits %2 Ereignisse, die andere Programme geschrieben haben; um sie ebenfalls in diese Datendatei zu übernehmen, führen Sie den Befehl erneut mit --take-existing aus; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>%1; the calendar folder was not changed</source>
        <translation>%1; der Kalenderordner wurde nicht geändert</translation>
    </message>
    <message>
        <source>it is bigger than %1 MB, more than any event needs</source>
        <translation>sie ist größer als %1 MB, mehr als ein Ereignis braucht</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is not an iCalendar file a calendar can take (%1)</source>
        <translation>sie ist keine iCalendar-Datei, die ein Kalender übernehmen kann (%1)</translation>
    </message>
    <message>
        <source>; and %1 more files</source>
        <translation>; und %1 weitere Dateien</translation>
    </message>
</context>
</TS>
