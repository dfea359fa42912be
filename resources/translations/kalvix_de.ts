<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ArgumentValues</name>
    <message>
        <source>duration %1 is longer than %2 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a date; write it as 2026-12-24, today or tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a day of the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the date %1 is outside 2000-01-01 to 2100-12-31, the days %2 keeps appointments for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a time of day; write it as 18:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid time: hours go from 0 to 23, minutes and seconds from 0 to 59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a duration; write it as 3d, 2h30m, 1d2h30m or P1DT2H30M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a repetition; write day, week, month, year, or a number of days or weeks such as 10d or 2w</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: kalvix add DATE [TIME] NAME [--description TEXT] [--first DURATION] [--repeat DURATION]
                  [--every day|week|month|year|Nd|Nw (--until DATE | --count N)]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kalvix list [FROM [TO]] [--format text|tsv]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kalvix export FILE.ics [FROM [TO]]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kalvix import FILE.ics [--dry-run] [--from DATE] [--until DATE]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kalvix [--help | --version | COMMAND ...]
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the appointments from FROM to TO (both included; default: all of them)
as iCalendar (RFC 5545) for other calendar programs, each with its reminder
as an alarm. FILE - writes to standard output.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add needs a date and a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add needs a name after the date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add takes a date, a time and a name, but got %1 words; put a name with spaces in quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add needs a name after the time &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name holds a line break; a name is one line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name holds %1 character(s) the data file cannot store (it keeps Western European characters only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the description holds %1 character(s) the data file cannot store (it keeps Western European characters only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--every: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--every needs either --until DATE or --count N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--until: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count: &quot;%1&quot; is not a whole number of 1 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--until and --count go with --every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most two dates, FROM and TO, may follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TO %1 comes before FROM %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is neither text nor tsv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list takes at most two dates, FROM and TO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export needs a file name (- for standard output)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import needs a file name (- for standard input)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--until comes before --from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reminds you of your appointments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Run &quot;kalvix COMMAND --help&quot; for one command.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Without a command the window opens (or the running copy shows itself).
Commands work without a display; when %1 runs, the running copy
carries them out. Run &quot;kalvix COMMAND --help&quot; for one command.
One import takes at most 2,000,000 occurrences of events.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Added %1 %2 to %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added %1 appointments from %2 to %3 to %4
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not write %1: %2; nothing was exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 appointments to %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported (import fewer days with --from and --until)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; nothing was imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would import: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kalvix: waiting: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kalvix: could not write to standard output: %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The appointments in &quot;%1&quot; were copied to &quot;%2&quot;%4, because the folder &quot;%3&quot; cannot be written. From now on they are read and saved there; &quot;%1&quot; is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (which held no appointment)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The appointments in &quot;%1&quot; could not be copied to &quot;%2&quot; (%3), where they would be saved, because the folder &quot;%4&quot; cannot be written. They are used where they are; changes cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateTreeModel</name>
    <message>
        <source>Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be looked at (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the symbolic link &quot;%1&quot; cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many symbolic links lead from &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ical</name>
    <message>
        <source>not a real date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a reminder more than 100 years away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a reminder more than 100 years before the appointment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a negative number of repeats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a usable repeat interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown time zone %1 taken as local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an event longer than 100 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a recurrence rule libical cannot follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 occurrences of one event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeats, but not on the days imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends inside a %1 (cut off?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an iCalendar file (no BEGIN:VCALENDAR ... END:VCALENDAR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an iCalendar file: &quot;%1&quot; outside a VCALENDAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>libical could not close the VCALENDAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not close the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an event (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty, not an iCalendar file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a NUL byte: not an iCalendar text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>added %1, already present %2, skipped %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 characters outside the code page stored as &quot;?&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the events occur more than %1 times up to %2, more than one import takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the appointments would hold more than %1 MB of names and descriptions, more than one import takes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>the socket &quot;%1&quot; is held by another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other users can enter it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is too long a path for a local socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder for the program&apos;s socket could be had: &quot;%1&quot; to &quot;%2&quot; are taken by others or cannot be created%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not used for the program&apos;s socket: %2. The program uses &quot;%3&quot; instead; if you did not make &quot;%1&quot;, somebody else did.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No socket folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The socket &quot;%1&quot; is held by another user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, but Kalvix keeps its lock file under that name while it runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a symbolic link that leads nowhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Remove or rename it, then start Kalvix again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running copy did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <source>Could not decode the JPEG picture: there is no data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not decode the JPEG picture: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the JPEG picture %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KalvixApplication</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>no more reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>passed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reminder due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first reminder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reminded %1, next %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Manage dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage appointments - choose date and click on &quot;Add appointment&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add appointment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete appointment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One folder up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appointment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time: hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time: minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First time to remind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First time to remind: days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First time to remind: hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First time to remind: minutes before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then remind me every:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then remind me every: days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then remind me every: hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then remind me every: minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t remind anymore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last reminded:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set back to &apos;never&apos;&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings - here you can make some settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check appointments every:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check appointments every: minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check appointments every: seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for deadlines now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start program minimized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the Brontal homepage...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the window, but stay active in background and remind me about appointments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information about the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hereby you leave the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NodeCode</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A day in the date tree and in a month&apos;s overview: %1 the day of the month, %2 the weekday abbreviation.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2.%3 %4</source>
        <extracomment>Heading over a day&apos;s appointments: %1 weekday abbreviation, %2 day of the month, %3 month name, %4 year.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Occurrences</name>
    <message>
        <source>--until %1 comes before the first day %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count must be at least 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count %1 runs past 2100-12-31, the last day Kalvix keeps appointments for; only %2 fit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>nothing could be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Overview</name>
    <message>
        <source>No appointments...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Appointment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All years</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>When?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReminderHeading</name>
    <message>
        <source>At %1 at %2</source>
        <extracomment>Reminder heading when the time carries AM/PM: %1 the date, %2 the time (&quot;11:59:00 PM&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1 at %2 o&apos;clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShownTermin</name>
    <message>
        <source>Too long to edit here; it is kept as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown up to a NUL character it holds; it is kept as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be shown here (stored as %1 days); it is kept as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreAccess</name>
    <message>
        <source>malformed request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Remove or rename it, then try again; nothing was changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running copy is busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running copy of Kalvix for %1 took the request but did not answer (%2); look in its window whether the change was made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running copy sent an unreadable store: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running copy gave an answer that makes no sense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by a copy of Kalvix that cannot take commands now: %2; nothing was changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by a copy of Kalvix that does not answer (lock file %2)%3; nothing was changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreBatch</name>
    <message>
        <source>malformed list of appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>appointment %1 is on a day outside 2000 to 2100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>appointment %1 holds a value that is not a number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>&quot;%1&quot; was changed by another program while this store had changes of its own; both were kept (days from the file: %2, from here: %3, with appointments of both: %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2 Nothing will be saved over it until it can be read or is moved away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another program; it is saved once that has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program; its appointments are shown now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keeps your appointments and reminds you of them in time, quietly from the notification area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is freeware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made with care by the %1 team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions, ideas or praise are welcome: visit our homepage for news and updates.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBitBtnXP</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>No name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete the selected appointments?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete appointment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminded: never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminded: (invalid)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminded: %1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program can&apos;t remind you any more if you quit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The appointments could not be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Nothing was added or changed in this run; &quot;%1&quot; was left as it was, with all its appointments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

They could not be kept anywhere else either:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

&quot;%1&quot; holds the %2 appointment(s) of this run only. &quot;%3&quot; could not be read by this run and was left as it was, with its own appointments: do not replace one by the other, each holds appointments the other lacks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

&quot;%1&quot; holds all %2 appointments as they were at the end. &quot;%3&quot; was changed by another program and could not be read; it was left as it was. Compare the two before replacing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

&quot;%1&quot; holds all %2 appointments as they were at the end; &quot;%3&quot; holds those of the last save. To use them, rename that file to &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not save the appointments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data file could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

File: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file was changed by another program; it is taken in and saved once the open reminder or message is answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The appointments were not saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

This start ends without changing anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already running with the appointments in &quot;%2&quot;, but it does not answer.

This start ends without changing anything. If the running program stays unresponsive, end it and start %1 again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored as &quot;?&quot;: the data file&apos;s character set (Windows-1252) has no such character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(invalid)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Got to the Brontal homepage...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About the program...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appointment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTerminForm</name>
    <message>
        <source>Appointment reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appointment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t remind anymore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TerminFile</name>
    <message>
        <source>Error: could not create file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: could not open file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read before saving over it (%2). The appointments were not saved; the file is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy of &quot;%1&quot; could not be kept before rewriting it in place (%2). The appointments were not saved; the file is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. The appointments were written only in part; the file as it was before is kept as &quot;%2&quot;, and the next start reads it from there if needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a file of appointments. The appointments were not saved; they stay in memory. Move it away to save them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. The appointments were not saved; they stay in memory. Make the file writable to save them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. The appointments were not saved; the previous file is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error: the file&apos;s permissions could not be kept (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no free name for a copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nothing will be saved over it until it can be read or is moved away; until then changes are kept in memory only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. The file could not be read, and a copy of it could not be kept (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. The file could not be read; its contents were kept as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The appointments from before the last, unfinished save were loaded from &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TerminFormat</name>
    <message>
        <source>Invalid appointment count %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid text length %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>Program options...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnsavedStore</name>
    <message>
        <source>too many such files already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the folder could not be created
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
