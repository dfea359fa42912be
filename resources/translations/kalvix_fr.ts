<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ArgumentValues</name>
    <message>
        <source>duration %1 is longer than %2 days</source>
        <translation>la durée %1 dépasse %2 jours</translation>
    </message>
    <message>
        <source>%1 is not a date; write it as 2026-12-24, today or tomorrow</source>
        <translation>%1 n&apos;est pas une date&#xa0;; écrivez-la sous la forme 2026-12-24, today ou tomorrow</translation>
    </message>
    <message>
        <source>%1 is not a day of the calendar</source>
        <translation>%1 n&apos;est pas un jour du calendrier</translation>
    </message>
    <message>
        <source>the date %1 is outside 2000-01-01 to 2100-12-31, the days %2 keeps appointments for</source>
        <translation>la date %1 est hors de la période du 2000-01-01 au 2100-12-31, les jours pour lesquels %2 garde des rendez-vous</translation>
    </message>
    <message>
        <source>%1 is not a time of day; write it as 18:00</source>
        <translation>%1 n&apos;est pas une heure&#xa0;; écrivez-la sous la forme 18:00</translation>
    </message>
    <message>
        <source>%1 is not a valid time: hours go from 0 to 23, minutes and seconds from 0 to 59</source>
        <translation>%1 n&apos;est pas une heure valide&#xa0;: les heures vont de 0 à 23, les minutes et les secondes de 0 à 59</translation>
    </message>
    <message>
        <source>%1 is not a duration; write it as 3d, 2h30m, 1d2h30m or P1DT2H30M</source>
        <translation>%1 n&apos;est pas une durée&#xa0;; écrivez-la sous la forme 3d, 2h30m, 1d2h30m ou P1DT2H30M</translation>
    </message>
    <message>
        <source>%1 is not a repetition; write day, week, month, year, or a number of days or weeks such as 10d or 2w</source>
        <translation>%1 n&apos;est pas une répétition&#xa0;; écrivez day, week, month, year ou un nombre de jours ou de semaines comme 10d ou 2w</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: kalvix add DATE [TIME] NAME [--description TEXT] [--first DURATION] [--repeat DURATION]
                  [--every day|week|month|year|Nd|Nw (--until DATE | --count N)]
</source>
        <translation>Utilisation&#xa0;: kalvix add DATE [HEURE] NOM [--description TEXTE] [--first DURÉE] [--repeat DURÉE]
                         [--every day|week|month|year|Nd|Nw (--until DATE | --count N)]
</translation>
    </message>
    <message>
        <source>Usage: kalvix list [FROM [TO]] [--format text|tsv]
</source>
        <translation>Utilisation&#xa0;: kalvix list [DU [AU]] [--format text|tsv]
</translation>
    </message>
    <message>
        <source>Usage: kalvix export FILE.ics [FROM [TO]]
</source>
        <translation>Utilisation&#xa0;: kalvix export FICHIER.ics [DU [AU]]
</translation>
    </message>
    <message>
        <source>Usage: kalvix import FILE.ics [--dry-run] [--from DATE] [--until DATE]
</source>
        <translation>Utilisation&#xa0;: kalvix import FICHIER.ics [--dry-run] [--from DATE] [--until DATE]
</translation>
    </message>
    <message>
        <source>Usage: kalvix [--help | --version | COMMAND ...]
</source>
        <translation>Utilisation&#xa0;: kalvix [--help | --version | COMMANDE ...]
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
        <translation>Ajoute un rendez-vous, comme «&#xa0;Ajouter un rendez-vous&#xa0;» dans la fenêtre.

  DATE                 2026-12-24, today ou tomorrow (du 2000-01-01 au 2100-12-31)
  HEURE                18:00 (par défaut 12:00)
  NOM                  le nom du rendez-vous&#xa0;; entre guillemets s&apos;il contient des espaces
  -d, --description TEXTE  texte plus long affiché avec le rappel
  --first DURÉE        premier rappel autant de temps avant (par défaut 3d)
  --repeat DURÉE       puis rappeler à cet intervalle (par défaut 1d)
  --every PAS          ajouter un rendez-vous par jour (day), semaine (week), mois
                       (month), année (year), N jours (Nd) ou N semaines (Nw)&#xa0;;
                       un jour absent d&apos;un mois (le 31) devient son dernier jour
  --until DATE         dernier jour de la série (avec --every)
  --count N            nombre de rendez-vous de la série (avec --every)

DURÉE&#xa0;: 3d, 2h30m, 1d2h30m, 45m ou ISO 8601 comme P1DT2H30M.
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
        <translation>Liste les rendez-vous du DU au AU (inclus), dans l&apos;ordre du calendrier et, pour
un même jour, dans l&apos;ordre où ils ont été ajoutés&#xa0;: date, heure, nom, état du
rappel. DU vaut par défaut aujourd&apos;hui, AU 30 jours après DU.

  --format text|tsv    tsv&#xa0;: colonnes séparées par des tabulations date, heure, nom,
                       état (done, passed, due, waiting, reminded), dernier rappel,
                       premier rappel, répétition, description&#xa0;; tabulation, saut de
                       ligne, retour chariot et barre oblique inverse écrits \t \n \r \\
</translation>
    </message>
    <message>
        <source>Writes the appointments from FROM to TO (both included; default: all of them)
as iCalendar (RFC 5545) for other calendar programs, each with its reminder
as an alarm. FILE - writes to standard output.
</source>
        <translation>Écrit les rendez-vous du DU au AU (inclus&#xa0;; par défaut&#xa0;: tous) au format
iCalendar (RFC 5545) pour d&apos;autres agendas, chacun avec son rappel comme
alarme. FICHIER - écrit sur la sortie standard.
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
        <translation>Ajoute chaque événement d&apos;un fichier iCalendar comme rendez-vous, avec sa
première alarme comme rappel. Les événements récurrents donnent un rendez-vous
par occurrence de --from (par défaut aujourd&apos;hui) à --until (par défaut un an
plus tard). Un rendez-vous de même jour, heure, nom et description qu&apos;un
rendez-vous déjà enregistré n&apos;est pas ajouté de nouveau. Rien n&apos;est importé
d&apos;un fichier qui ne peut pas être lu en entier. FICHIER - lit l&apos;entrée standard.

Une importation accepte au plus 2 000 000 d&apos;occurrences (un événement en compte
une&#xa0;; un événement récurrent une à chaque répétition jusqu&apos;à --until, y compris
avant --from) et 1 024 Mo de noms et de descriptions&#xa0;; un fichier qui en contient
davantage est refusé et rien n&apos;est importé.

  --dry-run            compter seulement ce qui serait ajouté
  --from DATE          premier jour des événements récurrents
  --until DATE         dernier jour des événements récurrents
</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est indiqué plus d&apos;une fois</translation>
    </message>
    <message>
        <source>add needs a date and a name</source>
        <translation>add attend une date et un nom</translation>
    </message>
    <message>
        <source>add needs a name after the date</source>
        <translation>add attend un nom après la date</translation>
    </message>
    <message>
        <source>add takes a date, a time and a name, but got %1 words; put a name with spaces in quotes</source>
        <translation>add prend une date, une heure et un nom, mais a reçu %1 mots&#xa0;; mettez un nom contenant des espaces entre guillemets</translation>
    </message>
    <message>
        <source>add needs a name after the time &quot;%1&quot;</source>
        <translation>add attend un nom après l&apos;heure «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>le nom est vide</translation>
    </message>
    <message>
        <source>the name holds a line break; a name is one line</source>
        <translation>le nom contient un saut de ligne&#xa0;; un nom tient sur une ligne</translation>
    </message>
    <message>
        <source>the name holds %1 character(s) the data file cannot store (it keeps Western European characters only)</source>
        <translation>le nom contient %1 caractère(s) que le fichier de données ne peut pas enregistrer (il ne connaît que les caractères d&apos;Europe de l&apos;Ouest)</translation>
    </message>
    <message>
        <source>the description holds %1 character(s) the data file cannot store (it keeps Western European characters only)</source>
        <translation>la description contient %1 caractère(s) que le fichier de données ne peut pas enregistrer (il ne connaît que les caractères d&apos;Europe de l&apos;Ouest)</translation>
    </message>
    <message>
        <source>--%1: %2</source>
        <translation>--%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--every: </source>
        <translation>--every&#xa0;: </translation>
    </message>
    <message>
        <source>--every needs either --until DATE or --count N</source>
        <translation>--every attend soit --until DATE, soit --count N</translation>
    </message>
    <message>
        <source>--until: </source>
        <translation>--until&#xa0;: </translation>
    </message>
    <message>
        <source>--count: &quot;%1&quot; is not a whole number of 1 or more</source>
        <translation>--count&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un nombre entier supérieur ou égal à 1</translation>
    </message>
    <message>
        <source>--until and --count go with --every</source>
        <translation>--until et --count vont avec --every</translation>
    </message>
    <message>
        <source>at most two dates, FROM and TO, may follow</source>
        <translation>au plus deux dates, DU et AU, peuvent suivre</translation>
    </message>
    <message>
        <source>TO %1 comes before FROM %2</source>
        <translation>AU %1 précède DU %2</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is neither text nor tsv</source>
        <translation>--format&#xa0;: «&#xa0;%1&#xa0;» n&apos;est ni text ni tsv</translation>
    </message>
    <message>
        <source>list takes at most two dates, FROM and TO</source>
        <translation>list prend au plus deux dates, DU et AU</translation>
    </message>
    <message>
        <source>export needs a file name (- for standard output)</source>
        <translation>export attend un nom de fichier (- pour la sortie standard)</translation>
    </message>
    <message>
        <source>import needs a file name (- for standard input)</source>
        <translation>import attend un nom de fichier (- pour l&apos;entrée standard)</translation>
    </message>
    <message>
        <source>import takes one file</source>
        <translation>import prend un seul fichier</translation>
    </message>
    <message>
        <source>--until comes before --from</source>
        <translation>--until précède --from</translation>
    </message>
    <message>
        <source>%1 reminds you of your appointments.</source>
        <translation>%1 vous rappelle vos rendez-vous.</translation>
    </message>
    <message>
        <source>
Run &quot;kalvix COMMAND --help&quot; for one command.
</source>
        <translation>
«&#xa0;kalvix COMMANDE --help&#xa0;» affiche l&apos;aide d&apos;une commande.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>inattendu&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>
Without a command the window opens (or the running copy shows itself).
Commands work without a display; when %1 runs, the running copy
carries them out. Run &quot;kalvix COMMAND --help&quot; for one command.
One import takes at most 2,000,000 occurrences of events.
</source>
        <translation>
Sans commande, la fenêtre s&apos;ouvre (ou le programme déjà lancé se montre).
Les commandes n&apos;ont pas besoin d&apos;affichage&#xa0;; si %1 est lancé, c&apos;est lui qui
les exécute. «&#xa0;kalvix COMMANDE --help&#xa0;» affiche l&apos;aide d&apos;une commande.
Une importation accepte au plus 2 000 000 d&apos;occurrences d&apos;événements.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an option nor a value: a date, time or number has no minus sign</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni une option ni une valeur&#xa0;: une date, une heure ou un nombre n&apos;a pas de signe moins</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Added %1 %2 to %3
</source>
        <translation>Ajouté&#xa0;: %1 %2 dans %3
</translation>
    </message>
    <message>
        <source>Added %1 appointments from %2 to %3 to %4
</source>
        <translation>%1 rendez-vous du %2 au %3 ajoutés dans %4
</translation>
    </message>
    <message>
        <source>could not write %1: %2; nothing was exported</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2&#xa0;; rien n&apos;a été exporté</translation>
    </message>
    <message>
        <source>Exported %1 appointments to %2
</source>
        <translation>%1 rendez-vous exportés vers %2
</translation>
    </message>
    <message>
        <source>could not read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported (import fewer days with --from and --until)</source>
        <translation>%1&#xa0;: %2&#xa0;; rien n&apos;a été importé (importez moins de jours avec --from et --until)</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1&#xa0;: %2&#xa0;; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>; nothing was imported</source>
        <translation>&#xa0;; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>Would import: </source>
        <translation>Serait importé&#xa0;: </translation>
    </message>
    <message>
        <source>Imported: </source>
        <translation>Importé&#xa0;: </translation>
    </message>
    <message>
        <source>kalvix: waiting: </source>
        <translation>kalvix&#xa0;: en attente&#xa0;: </translation>
    </message>
    <message>
        <source>kalvix: could not write to standard output: %1
</source>
        <translation>kalvix&#xa0;: impossible d&apos;écrire sur la sortie standard&#xa0;: %1
</translation>
    </message>
    <message>
        <source>no calendar folder is set for %1; give it once with &quot;kalvix sync --vdir DIR&quot;</source>
        <translation>aucun dossier du calendrier n&apos;est défini pour %1&#xa0;; indiquez-le une fois avec «&#xa0;kalvix sync --vdir DOSSIER&#xa0;»</translation>
    </message>
    <message>
        <source>kalvix: %1; give --vdir again next time
</source>
        <translation>kalvix&#xa0;: %1&#xa0;; indiquez de nouveau --vdir la prochaine fois
</translation>
    </message>
    <message>
        <source>; nothing was changed</source>
        <translation>&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Changed on both sides: %1 (changed %2) is the later change and was kept; the other version (changed %3) is in %4
</source>
        <translation>Modifié des deux côtés&#xa0;: %1 (modifié le %2) est la modification la plus récente et a été gardé&#xa0;; l&apos;autre version (modifiée le %3) est dans %4
</translation>
    </message>
</context>
<context>
    <name>CommandService</name>
    <message>
        <source>this copy of Kalvix does not know the command &quot;%1&quot;</source>
        <translation>ce Kalvix ne connaît pas la commande «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>this copy of Kalvix does not mirror calendar folders</source>
        <translation>ce Kalvix ne synchronise pas de dossier du calendrier</translation>
    </message>
    <message>
        <source>malformed request</source>
        <translation>requête mal formée</translation>
    </message>
    <message>
        <source>the running copy is showing a reminder or a message</source>
        <translation>le Kalvix en cours affiche un rappel ou un message</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Remarque&#xa0;: </translation>
    </message>
</context>
<context>
    <name>ConflictCommand</name>
    <message>
        <source>Usage: kalvix resolve-conflict FILE FILE
</source>
        <translation>Utilisation&#xa0;: kalvix resolve-conflict FICHIER FICHIER
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
        <translation>Règle le cas d&apos;un rendez-vous que vdirsyncer a trouvé modifié à la fois dans
le dossier du calendrier et sur le serveur. vdirsyncer l&apos;appelle avec les
fichiers des deux versions (conflict_resolution = [&quot;command&quot;, &quot;kalvix&quot;, &quot;resolve-conflict&quot;]
dans sa configuration). La modification la plus récente (LAST-MODIFIED) est
écrite dans les deux fichiers&#xa0;; à la même heure, celle du second fichier
l&apos;emporte. L&apos;autre version est gardée dans le dossier &quot;conflicts&quot; à côté du
fichier de données.
</translation>
    </message>
    <message>
        <source>resolve-conflict takes two files</source>
        <translation>resolve-conflict prend deux fichiers</translation>
    </message>
</context>
<context>
    <name>ConflictResolver</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not an iCalendar file (%2)</source>
        <translation>%1 n&apos;est pas un fichier iCalendar (%2)</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The appointments in &quot;%1&quot; were copied to &quot;%2&quot;%4, because the folder &quot;%3&quot; cannot be written. From now on they are read and saved there; &quot;%1&quot; is left as it is.</source>
        <translation>Les rendez-vous de «&#xa0;%1&#xa0;» ont été copiés dans «&#xa0;%2&#xa0;»%4, car le dossier «&#xa0;%3&#xa0;» n&apos;est pas accessible en écriture. Ils sont désormais lus et enregistrés là&#xa0;; «&#xa0;%1&#xa0;» reste tel quel.</translation>
    </message>
    <message>
        <source> (which held no appointment)</source>
        <translation> (qui ne contenait aucun rendez-vous)</translation>
    </message>
    <message>
        <source>The appointments in &quot;%1&quot; could not be copied to &quot;%2&quot; (%3), where they would be saved, because the folder &quot;%4&quot; cannot be written. They are used where they are; changes cannot be saved.</source>
        <translation>Les rendez-vous de «&#xa0;%1&#xa0;» n&apos;ont pas pu être copiés dans «&#xa0;%2&#xa0;» (%3), où ils seraient enregistrés, car le dossier «&#xa0;%4&#xa0;» n&apos;est pas accessible en écriture. Ils sont utilisés là où ils sont&#xa0;; les modifications ne peuvent pas être enregistrées.</translation>
    </message>
</context>
<context>
    <name>DateTreeModel</name>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Années</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>DetailPages</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Appointment:</source>
        <translation>Rendez-vous&#xa0;:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Time: hours</source>
        <translation>Heure&#xa0;: heures</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Time: minutes</source>
        <translation>Heure&#xa0;: minutes</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>First time to remind:</source>
        <translation>Premier rappel&#xa0;:</translation>
    </message>
    <message>
        <source>First time to remind: days</source>
        <translation>Premier rappel&#xa0;: jours</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>First time to remind: hours</source>
        <translation>Premier rappel&#xa0;: heures</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>First time to remind: minutes before</source>
        <translation>Premier rappel&#xa0;: minutes avant</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>minutes avant</translation>
    </message>
    <message>
        <source>Then remind me every:</source>
        <translation>Puis rappeler tous les&#xa0;:</translation>
    </message>
    <message>
        <source>Then remind me every: days</source>
        <translation>Puis rappeler tous les&#xa0;: jours</translation>
    </message>
    <message>
        <source>Then remind me every: hours</source>
        <translation>Puis rappeler tous les&#xa0;: heures</translation>
    </message>
    <message>
        <source>Then remind me every: minutes</source>
        <translation>Puis rappeler tous les&#xa0;: minutes</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Don&apos;t remind anymore</source>
        <translation>Ne plus rappeler</translation>
    </message>
    <message>
        <source>Last reminded:</source>
        <translation>Dernier rappel&#xa0;:</translation>
    </message>
    <message>
        <source>Set back to &apos;never&apos;&apos;</source>
        <translation>Remettre à «&#xa0;jamais&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>un FIFO (tube nommé)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be looked at (%2)</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être examiné (%2)</translation>
    </message>
    <message>
        <source>the symbolic link &quot;%1&quot; cannot be read</source>
        <translation>le lien symbolique «&#xa0;%1&#xa0;» ne peut pas être lu</translation>
    </message>
    <message>
        <source>too many symbolic links lead from &quot;%1&quot;</source>
        <translation>trop de liens symboliques partent de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>c&apos;est %1</translation>
    </message>
</context>
<context>
    <name>Ical</name>
    <message>
        <source>not a real date and time</source>
        <translation>pas une date et une heure réelles</translation>
    </message>
    <message>
        <source>a reminder more than 100 years away</source>
        <translation>un rappel à plus de 100 ans</translation>
    </message>
    <message>
        <source>a reminder more than 100 years before the appointment</source>
        <translation>un rappel plus de 100 ans avant le rendez-vous</translation>
    </message>
    <message>
        <source>a negative number of repeats</source>
        <translation>un nombre négatif de répétitions</translation>
    </message>
    <message>
        <source>not a usable repeat interval</source>
        <translation>pas un intervalle de répétition utilisable</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>pas d&apos;heure de début</translation>
    </message>
    <message>
        <source>unknown time zone %1 taken as local time</source>
        <translation>fuseau horaire inconnu %1 pris comme heure locale</translation>
    </message>
    <message>
        <source>an event longer than 100 years</source>
        <translation>un événement de plus de 100 ans</translation>
    </message>
    <message>
        <source>a recurrence rule libical cannot follow</source>
        <translation>une règle de récurrence que libical ne sait pas suivre</translation>
    </message>
    <message>
        <source>more than %1 occurrences of one event</source>
        <translation>plus de %1 occurrences d&apos;un même événement</translation>
    </message>
    <message>
        <source>repeats, but not on the days imported</source>
        <translation>se répète, mais pas les jours importés</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file ends inside a %1 (cut off?)</source>
        <translation>le fichier se termine à l&apos;intérieur d&apos;un %1 (tronqué&#xa0;?)</translation>
    </message>
    <message>
        <source>not an iCalendar file (no BEGIN:VCALENDAR ... END:VCALENDAR)</source>
        <translation>pas un fichier iCalendar (pas de BEGIN:VCALENDAR ... END:VCALENDAR)</translation>
    </message>
    <message>
        <source>not an iCalendar file: &quot;%1&quot; outside a VCALENDAR</source>
        <translation>pas un fichier iCalendar&#xa0;: «&#xa0;%1&#xa0;» hors d&apos;un VCALENDAR</translation>
    </message>
    <message>
        <source>libical could not close the VCALENDAR</source>
        <translation>libical n&apos;a pas pu fermer le VCALENDAR</translation>
    </message>
    <message>
        <source>%1 does not close the %2</source>
        <translation>%1 ne ferme pas le %2</translation>
    </message>
    <message>
        <source>not an event (%1)</source>
        <translation>pas un événement (%1)</translation>
    </message>
    <message>
        <source>the file is empty, not an iCalendar file</source>
        <translation>le fichier est vide, ce n&apos;est pas un fichier iCalendar</translation>
    </message>
    <message>
        <source>a NUL byte: not an iCalendar text file</source>
        <translation>un octet NUL&#xa0;: pas un fichier texte iCalendar</translation>
    </message>
    <message>
        <source>added %1, already present %2, skipped %3</source>
        <translation>ajoutés %1, déjà présents %2, ignorés %3</translation>
    </message>
    <message>
        <source>; %1 characters outside the code page stored as &quot;?&quot;</source>
        <translation>&#xa0;; %1 caractères hors de la page de code enregistrés comme «&#xa0;?&#xa0;»</translation>
    </message>
    <message>
        <source>; %1: %2</source>
        <translation>&#xa0;; %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the events occur more than %1 times up to %2, more than one import takes</source>
        <translation>les événements se produisent plus de %1 fois jusqu&apos;au %2, plus qu&apos;une importation n&apos;en accepte</translation>
    </message>
    <message>
        <source>the appointments would hold more than %1 MB of names and descriptions, more than one import takes</source>
        <translation>les rendez-vous contiendraient plus de %1 Mo de noms et de descriptions, plus qu&apos;une importation n&apos;en accepte</translation>
    </message>
    <message>
        <source>it holds no repeating event</source>
        <translation>il ne contient aucun événement répétitif</translation>
    </message>
    <message>
        <source>it holds no one plain event</source>
        <translation>il ne contient pas un seul événement simple</translation>
    </message>
    <message>
        <source>the changed event would not read back as the appointment (%1)</source>
        <translation>l’événement modifié ne se relirait pas comme le rendez-vous (%1)</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>the running copy did not take the connection</source>
        <translation>la copie en cours n&apos;a pas accepté la connexion</translation>
    </message>
    <message>
        <source>no answer in time</source>
        <translation>pas de réponse à temps</translation>
    </message>
    <message>
        <source>the running copy closed the connection</source>
        <translation>la copie en cours a fermé la connexion</translation>
    </message>
    <message>
        <source>the running copy&apos;s answer is not understood</source>
        <translation>la réponse de la copie en cours est incompréhensible</translation>
    </message>
    <message>
        <source>cannot listen at &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;écouter sur «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the socket &quot;%1&quot; is held by another user</source>
        <translation>le socket «&#xa0;%1&#xa0;» appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>other users can enter it</source>
        <translation>d&apos;autres utilisateurs peuvent y entrer</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is too long a path for a local socket.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» est un chemin trop long pour un socket local.</translation>
    </message>
    <message>
        <source>No folder for the program&apos;s socket could be had: &quot;%1&quot; to &quot;%2&quot; are taken by others or cannot be created%3.</source>
        <translation>Aucun dossier n&apos;a pu être obtenu pour le socket du programme&#xa0;: «&#xa0;%1&#xa0;» à «&#xa0;%2&#xa0;» appartiennent à d&apos;autres ou ne peuvent pas être créés%3.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not used for the program&apos;s socket: %2. The program uses &quot;%3&quot; instead; if you did not make &quot;%1&quot;, somebody else did.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;est pas utilisé pour le socket du programme&#xa0;: %2. Le programme utilise «&#xa0;%3&#xa0;» à la place&#xa0;; si vous n&apos;avez pas créé «&#xa0;%1&#xa0;», quelqu&apos;un d&apos;autre l&apos;a fait.</translation>
    </message>
    <message>
        <source>No socket folder.</source>
        <translation>Aucun dossier pour le socket.</translation>
    </message>
    <message>
        <source>The socket &quot;%1&quot; is held by another user.</source>
        <translation>Le socket «&#xa0;%1&#xa0;» appartient à un autre utilisateur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, but Kalvix keeps its lock file under that name while it runs.</source>
        <translation>«&#xa0;%1&#xa0;» est %2, mais Kalvix place son fichier de verrou sous ce nom tant qu&apos;il fonctionne.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a symbolic link that leads nowhere</source>
        <translation>un lien symbolique qui ne mène nulle part</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source> Remove or rename it, then start Kalvix again.</source>
        <translation> Supprimez-le ou renommez-le, puis relancez Kalvix.</translation>
    </message>
    <message>
        <source>The running copy did not answer.</source>
        <translation>Le programme déjà lancé n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; could not be created.</source>
        <translation>Le fichier de verrou «&#xa0;%1&#xa0;» n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <source>Could not decode the JPEG picture: there is no data.</source>
        <translation>Impossible de décoder l&apos;image JPEG&#xa0;: elle ne contient aucune donnée.</translation>
    </message>
    <message>
        <source>Could not decode the JPEG picture: %1.</source>
        <translation>Impossible de décoder l&apos;image JPEG&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Could not read the JPEG picture %1: %2.</source>
        <translation>Impossible de lire l&apos;image JPEG %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>KalvixApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>KeptVersion</name>
    <message>
        <source>could not create %1: %2</source>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>no more reminders</source>
        <translation>plus de rappels</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>passé</translation>
    </message>
    <message>
        <source>reminder due</source>
        <translation>rappel dû</translation>
    </message>
    <message>
        <source>first reminder %1</source>
        <translation>premier rappel %1</translation>
    </message>
    <message>
        <source>reminded %1, next %2</source>
        <translation>rappelé %1, prochain %2</translation>
    </message>
</context>
<context>
    <name>LiveMirror</name>
    <message>
        <source>Calendar folder: </source>
        <translation>Dossier du calendrier&#xa0;: </translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Manage dates</source>
        <translation>Gérer les dates</translation>
    </message>
    <message>
        <source>Manage appointments - choose date and click on &quot;Add appointment&quot;</source>
        <translation>Gérer les rendez-vous - choisissez une date et cliquez sur «&#xa0;Ajouter un rendez-vous&#xa0;»</translation>
    </message>
    <message>
        <source>Add appointment</source>
        <translation>Ajouter un rendez-vous</translation>
    </message>
    <message>
        <source>Delete appointment</source>
        <translation>Supprimer le rendez-vous</translation>
    </message>
    <message>
        <source>One folder up</source>
        <translation>Niveau supérieur</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <source>Appointments</source>
        <translation>Rendez-vous</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Settings - here you can make some settings</source>
        <translation>Paramètres - réglez ici le fonctionnement du programme</translation>
    </message>
    <message>
        <source>Go to the Brontal homepage...</source>
        <translation>Aller sur le site de Brontal...</translation>
    </message>
    <message>
        <source>Close the window, but stay active in background and remind me about appointments.</source>
        <translation>Fermer la fenêtre, mais rester actif en arrière-plan et rappeler les rendez-vous.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Information about the program</source>
        <translation>Informations sur le programme</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Hereby you leave the program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>ManPage</name>
    <message>
        <source>User Commands</source>
        <translation>Commandes de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>COMMANDES</translation>
    </message>
</context>
<context>
    <name>MissedAppointments</name>
    <message>
        <source>Passed without a reminder (%1):</source>
        <translation>Passés sans rappel (%1)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>NodeCode</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>We</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>sam.</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>dim.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A day in the date tree and in a month&apos;s overview: %1 the day of the month, %2 the weekday abbreviation.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>%1 %2.%3 %4</source>
        <extracomment>Heading over a day&apos;s appointments: %1 weekday abbreviation, %2 day of the month, %3 month name, %4 year.</extracomment>
        <translation>%1 %2 %3 %4</translation>
    </message>
</context>
<context>
    <name>Occurrences</name>
    <message>
        <source>--until %1 comes before the first day %2</source>
        <translation>--until %1 précède le premier jour %2</translation>
    </message>
    <message>
        <source>--count must be at least 1</source>
        <translation>--count doit valoir au moins 1</translation>
    </message>
    <message>
        <source>--count %1 runs past 2100-12-31, the last day Kalvix keeps appointments for; only %2 fit</source>
        <translation>--count %1 dépasse le 2100-12-31, dernier jour pour lequel Kalvix garde des rendez-vous&#xa0;; seuls %2 tiennent</translation>
    </message>
</context>
<context>
    <name>OptionsFields</name>
    <message>
        <source>Minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Check appointments every:</source>
        <translation>Vérifier les rendez-vous toutes les&#xa0;:</translation>
    </message>
    <message>
        <source>Check appointments every: minutes</source>
        <translation>Vérifier les rendez-vous toutes les&#xa0;: minutes</translation>
    </message>
    <message>
        <source>Check appointments every: seconds</source>
        <translation>Vérifier les rendez-vous toutes les&#xa0;: secondes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Check for deadlines now!</source>
        <translation>Vérifier les échéances&#xa0;!</translation>
    </message>
    <message>
        <source>Start program minimized</source>
        <translation>Démarrer le programme réduit</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>nothing could be written</source>
        <translation>rien n&apos;a pu être écrit</translation>
    </message>
</context>
<context>
    <name>Overview</name>
    <message>
        <source>No appointments...</source>
        <translation>Aucun rendez-vous...</translation>
    </message>
    <message>
        <source>1 Appointment</source>
        <translation>1 rendez-vous</translation>
    </message>
    <message>
        <source>%1 Dates</source>
        <translation>%1 rendez-vous</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>Année %1</translation>
    </message>
    <message>
        <source>All years</source>
        <translation>Toutes les années</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>When?</source>
        <translation>Quand&#xa0;?</translation>
    </message>
    <message>
        <source>What?</source>
        <translation>Quoi&#xa0;?</translation>
    </message>
</context>
<context>
    <name>PassApply</name>
    <message>
        <source>could not remove %1</source>
        <translation>impossible de supprimer %1</translation>
    </message>
    <message>
        <source>could not flush %1 to the disk</source>
        <translation>impossible d&apos;écrire %1 sur le disque</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 was not changed: %2</source>
        <translation>%1 n’a pas été modifié : %2</translation>
    </message>
</context>
<context>
    <name>PassPlan</name>
    <message>
        <source>it holds no event</source>
        <translation>le fichier ne contient aucun événement</translation>
    </message>
    <message>
        <source>its event has no UID</source>
        <translation>son événement n&apos;a pas d&apos;UID</translation>
    </message>
    <message>
        <source>its event lies outside the years 2000 to 2100</source>
        <translation>son événement se situe en dehors des années 2000 à 2100</translation>
    </message>
    <message>
        <source>%1 was left alone: %2</source>
        <translation>%1 a été laissé de côté&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was left alone: another file holds an event with the same UID</source>
        <translation>%1 a été laissé de côté&#xa0;: un autre fichier contient un événement avec le même UID</translation>
    </message>
    <message>
        <source>Changed on both sides: &quot;%1&quot; on %2 is the later change and was kept; the other version, &quot;%3&quot;, is in %4</source>
        <translation>Modifié des deux côtés&#xa0;: «&#xa0;%1&#xa0;» du %2 est la modification la plus récente et a été conservé&#xa0;; l&apos;autre version, «&#xa0;%3&#xa0;», se trouve dans %4</translation>
    </message>
    <message>
        <source>its event now repeats; it stands for one appointment here, which was kept as it is</source>
        <translation>son événement se répète désormais ; il correspond ici à un seul rendez-vous, conservé tel quel</translation>
    </message>
    <message>
        <source>it holds more than one event</source>
        <translation>il contient plus d&apos;un événement</translation>
    </message>
    <message>
        <source>%1 was taken for &quot;%2&quot; on %3, which has its day and name, and was not sent out again</source>
        <translation>%1 a été pris pour «&#xa0;%2&#xa0;» le %3, qui a son jour et son nom, et n&apos;a pas été envoyé une seconde fois</translation>
    </message>
    <message>
        <source>%1 no longer holds %2 of the %3 events it held at the last pass (is it a mount point not mounted, or a folder made anew?); nothing was changed; if they were removed on purpose, run &quot;kalvix sync --take-removals&quot;</source>
        <translation>%1 ne contient plus %2 des %3 événements qu&apos;il contenait au dernier passage (un point de montage non monté, ou un dossier recréé&#xa0;?)&#xa0;; rien n&apos;a été modifié&#xa0;; s&apos;ils ont été supprimés exprès, lancez «&#xa0;kalvix sync --take-removals&#xa0;»</translation>
    </message>
</context>
<context>
    <name>PassSeries</name>
    <message>
        <source>&quot;%1&quot; on %2 was changed here and is kept: %3</source>
        <translation>« %1 » du %2 a été modifié ici et est conservé : %3</translation>
    </message>
    <message>
        <source>its repeating event %1 no longer has it, so it stays as an appointment of its own</source>
        <translation>son événement répétitif %1 ne le contient plus, il reste donc un rendez-vous à part entière</translation>
    </message>
    <message>
        <source>&quot;%1&quot; on %2 was changed here and is kept: the change to %3 did not reach it</source>
        <translation>« %1 » du %2 a été modifié ici et est conservé : la modification de %3 ne s&apos;y applique pas</translation>
    </message>
    <message>
        <source>%1 was left alone: its event no longer repeats</source>
        <translation>%1 a été laissé de côté : son événement ne se répète plus</translation>
    </message>
    <message>
        <source>%1 could not be changed: %2</source>
        <translation>%1 n&apos;a pas pu être modifié : %2</translation>
    </message>
</context>
<context>
    <name>ReminderHeading</name>
    <message>
        <source>At %1 at %2</source>
        <extracomment>Reminder heading when the time carries AM/PM: %1 the date, %2 the time (&quot;11:59:00 PM&quot;).</extracomment>
        <translation>Le %1 à %2</translation>
    </message>
    <message>
        <source>At %1 at %2 o&apos;clock</source>
        <translation>Le %1 à %2</translation>
    </message>
</context>
<context>
    <name>SetAside</name>
    <message>
        <source>%1 was set aside and the other events were mirrored: %2; it is read again once it changes</source>
        <translation>%1 a été mis de côté et les autres événements synchronisés&#xa0;: %2&#xa0;; il sera relu dès qu&apos;il changera</translation>
    </message>
</context>
<context>
    <name>ShownTermin</name>
    <message>
        <source>Too long to edit here; it is kept as it is.</source>
        <translation>Trop long pour être modifié ici&#xa0;; le contenu est conservé tel quel.</translation>
    </message>
    <message>
        <source>Shown up to a NUL character it holds; it is kept as it is.</source>
        <translation>Affiché jusqu&apos;au caractère NUL qu&apos;il contient&#xa0;; le contenu est conservé tel quel.</translation>
    </message>
    <message>
        <source>Cannot be shown here (stored as %1 days); it is kept as it is.</source>
        <translation>Ne peut pas être affiché ici (enregistré comme %1 jours)&#xa0;; la valeur est conservée telle quelle.</translation>
    </message>
</context>
<context>
    <name>StoreAccess</name>
    <message>
        <source>malformed request</source>
        <translation>requête mal formée</translation>
    </message>
    <message>
        <source> Remove or rename it, then try again; nothing was changed</source>
        <translation> Supprimez-le ou renommez-le, puis réessayez&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the running copy is busy</source>
        <translation>le programme déjà lancé est occupé</translation>
    </message>
    <message>
        <source>the running copy of Kalvix for %1 took the request but did not answer (%2); look in its window whether the change was made</source>
        <translation>le Kalvix déjà lancé pour %1 a reçu la demande mais n&apos;a pas répondu (%2)&#xa0;; vérifiez dans sa fenêtre si la modification a été faite</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the running copy sent an unreadable store: </source>
        <translation>le programme déjà lancé a envoyé des données illisibles&#xa0;: </translation>
    </message>
    <message>
        <source>the running copy gave an answer that makes no sense</source>
        <translation>le programme déjà lancé a donné une réponse incohérente</translation>
    </message>
    <message>
        <source>%1 is in use by a copy of Kalvix that cannot take commands now: %2; nothing was changed</source>
        <translation>%1 est utilisé par un Kalvix qui ne peut pas prendre de commandes pour l&apos;instant&#xa0;: %2&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>%1 is in use by a copy of Kalvix that does not answer (lock file %2)%3; nothing was changed</source>
        <translation>%1 est utilisé par un Kalvix qui ne répond pas (fichier de verrou %2)%3&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the appointments were added, but not noted as one series for the calendar folder: %1</source>
        <translation>les rendez-vous ont été ajoutés, mais pas notés comme une seule série pour le dossier de calendrier : %1</translation>
    </message>
    <message>
        <source>the calendar folder was not brought up to date: %1; run &quot;kalvix sync&quot; once that is mended</source>
        <translation>le dossier du calendrier n&apos;a pas été mis à jour&#xa0;: %1&#xa0;; lancez &quot;kalvix sync&quot; une fois cela réparé</translation>
    </message>
    <message>
        <source>the disk is full; make room on %1 and try again</source>
        <translation>le disque est plein&#xa0;; libérez de la place sur %1 et réessayez</translation>
    </message>
    <message>
        <source>the lock file could not be written</source>
        <translation>le fichier de verrou n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; nothing was changed</source>
        <translation>impossible de verrouiller %1&#xa0;: %2&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the running copy did not answer, but %1 holds the new appointments: the change was made</source>
        <translation>la copie en cours n&apos;a pas répondu, mais %1 contient les nouveaux rendez-vous&#xa0;: la modification a été faite</translation>
    </message>
    <message>
        <source>the running copy of Kalvix for %1 took the request but ended without answering (%2); the file is as before: nothing was changed</source>
        <translation>le Kalvix déjà lancé pour %1 a reçu la demande mais s&apos;est terminé sans répondre (%2)&#xa0;; le fichier est comme avant&#xa0;: rien n&apos;a été modifié</translation>
    </message>
</context>
<context>
    <name>StoreBatch</name>
    <message>
        <source>malformed list of appointments</source>
        <translation>liste de rendez-vous mal formée</translation>
    </message>
    <message>
        <source>appointment %1 is on a day outside 2000 to 2100</source>
        <translation>le rendez-vous %1 tombe un jour hors de 2000 à 2100</translation>
    </message>
    <message>
        <source>appointment %1 holds a value that is not a number</source>
        <translation>le rendez-vous %1 contient une valeur qui n&apos;est pas un nombre</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>&quot;%1&quot; was changed by another program while this store had changes of its own; both were kept (days from the file: %2, from here: %3, with appointments of both: %4).</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié par un autre programme alors que des modifications étaient en cours ici&#xa0;; les deux ont été conservées (jours venant du fichier&#xa0;: %2, d&apos;ici&#xa0;: %3, avec des rendez-vous des deux&#xa0;: %4).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by another program; it is saved once that has finished.</source>
        <translation>«&#xa0;%1&#xa0;» est en cours d&apos;écriture par un autre programme&#xa0;; l&apos;enregistrement se fera dès qu&apos;il aura terminé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program; its appointments are shown now.</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié par un autre programme&#xa0;; ses rendez-vous sont affichés maintenant.</translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>inattendu&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--vdir is given twice</source>
        <translation>--vdir est indiqué deux fois</translation>
    </message>
    <message>
        <source>--vdir needs a folder</source>
        <translation>--vdir attend un dossier</translation>
    </message>
    <message>
        <source>Usage: kalvix sync [--vdir DIR] [--take-existing] [--take-removals]
</source>
        <translation>Utilisation&#xa0;: kalvix sync [--vdir DOSSIER] [--take-existing] [--take-removals]
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
        <translation>Synchronise les rendez-vous avec un dossier du calendrier que vdirsyncer tient
à jour avec un serveur CalDAV (un vdir&#xa0;: un fichier .ics par événement&#xa0;; khal
le lit aussi). Ce qui a changé d&apos;un côté depuis le dernier passage passe de
l&apos;autre&#xa0;; pour un rendez-vous modifié des deux côtés, la modification la plus
récente l&apos;emporte et l&apos;autre version est enregistrée dans le dossier
«&#xa0;conflicts&#xa0;» à côté du fichier de données. Un rappel auquel vous avez répondu
d&apos;un côté ou de l&apos;autre le reste. Tant que Kalvix est lancé, il tient lui-même
le dossier à jour&#xa0;; cette commande lui demande alors un passage immédiat.

Un dossier revenu vide ne supprime rien&#xa0;: si un passage devait supprimer les
rendez-vous d&apos;au moins deux événements et que ce sont tous ceux que le dossier
contenait au dernier passage, ou de plus de cinq et de plus de la moitié,
rien n&apos;est modifié et le passage dit pourquoi (un point de montage non monté,
un dossier supprimé et recréé). Un fichier du dossier qui ne peut pas être
repris (pas iCalendar, plus de 1&#xa0;Mo, répété plus souvent qu&apos;un fichier de
données ne le permet) est mis de côté avec une note, une fois, et les autres
sont synchronisés.

  --vdir DOSSIER       le dossier du calendrier, retenu par la suite
  --take-existing      le dossier est nouveau pour ce fichier de données et
                       contient des événements écrits par d&apos;autres programmes&#xa0;:
                       les reprendre aussi
  --take-removals      le dossier a été vidé exprès&#xa0;: supprimer aussi ici les
                       rendez-vous de ses événements
</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Info</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%1 keeps your appointments and reminds you of them in time, quietly from the notification area.</source>
        <translation>%1 garde vos rendez-vous et vous les rappelle à temps, discrètement depuis la zone de notification.</translation>
    </message>
    <message>
        <source>This program is freeware.</source>
        <translation>Ce programme est un gratuiciel.</translation>
    </message>
    <message>
        <source>Made with care by the %1 team.</source>
        <translation>Réalisé avec soin par l&apos;équipe %1.</translation>
    </message>
    <message>
        <source>Questions, ideas or praise are welcome: visit our homepage for news and updates.</source>
        <translation>Questions, idées ou compliments sont les bienvenus&#xa0;: visitez notre site pour les nouveautés et les mises à jour.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>No name</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected appointments?</source>
        <translation>Voulez-vous vraiment supprimer les rendez-vous sélectionnés&#xa0;?</translation>
    </message>
    <message>
        <source>Delete appointment</source>
        <translation>Supprimer le rendez-vous</translation>
    </message>
    <message>
        <source>Reminded: never</source>
        <translation>Rappelé&#xa0;: jamais</translation>
    </message>
    <message>
        <source>Reminded: (invalid)</source>
        <translation>Rappelé&#xa0;: (non valide)</translation>
    </message>
    <message>
        <source>Reminded: %1; %2</source>
        <translation>Rappelé&#xa0;: %1&#xa0;; %2</translation>
    </message>
    <message>
        <source>The program can&apos;t remind you any more if you quit!</source>
        <translation>Le programme ne pourra plus vous rappeler vos rendez-vous si vous le quittez&#xa0;!</translation>
    </message>
    <message>
        <source>Quit program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>The appointments could not be saved to &quot;%1&quot;: %2</source>
        <translation>Les rendez-vous n&apos;ont pas pu être enregistrés dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>

Nothing was added or changed in this run; &quot;%1&quot; was left as it was, with all its appointments.</source>
        <translation>

Rien n&apos;a été ajouté ni modifié pendant cette session&#xa0;; «&#xa0;%1&#xa0;» est resté tel quel, avec tous ses rendez-vous.</translation>
    </message>
    <message>
        <source>

They could not be kept anywhere else either:
%1</source>
        <translation>

Ils n&apos;ont pu être conservés nulle part ailleurs non plus&#xa0;:
%1</translation>
    </message>
    <message>
        <source>

&quot;%1&quot; holds the %2 appointment(s) of this run only. &quot;%3&quot; could not be read by this run and was left as it was, with its own appointments: do not replace one by the other, each holds appointments the other lacks.</source>
        <translation>

«&#xa0;%1&#xa0;» contient uniquement les %2 rendez-vous de cette session. «&#xa0;%3&#xa0;» n&apos;a pas pu être lu pendant cette session et est resté tel quel, avec ses propres rendez-vous&#xa0;: ne remplacez pas l&apos;un par l&apos;autre, chacun contient des rendez-vous qui manquent à l&apos;autre.</translation>
    </message>
    <message>
        <source>%1 could not save the appointments</source>
        <translation>%1 n&apos;a pas pu enregistrer les rendez-vous</translation>
    </message>
    <message>
        <source>Not saved: </source>
        <translation>Non enregistré&#xa0;: </translation>
    </message>
    <message>
        <source>the data file could not be read</source>
        <translation>le fichier de données n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>

File: </source>
        <translation>

Fichier&#xa0;: </translation>
    </message>
    <message>
        <source>The data file was changed by another program; it is taken in and saved once the open reminder or message is answered.</source>
        <translation>Le fichier de données a été modifié par un autre programme&#xa0;; il sera repris et enregistré dès que le rappel ou le message ouvert aura reçu une réponse.</translation>
    </message>
    <message>
        <source>The appointments were not saved. %1</source>
        <translation>Les rendez-vous n&apos;ont pas été enregistrés. %1</translation>
    </message>
    <message>
        <source>

This start ends without changing anything.</source>
        <translation>

Ce démarrage s&apos;arrête sans rien modifier.</translation>
    </message>
    <message>
        <source>%1 is already running with the appointments in &quot;%2&quot;, but it does not answer.

This start ends without changing anything. If the running program stays unresponsive, end it and start %1 again.</source>
        <translation>%1 est déjà lancé avec les rendez-vous de «&#xa0;%2&#xa0;», mais il ne répond pas.

Ce démarrage s&apos;arrête sans rien modifier. Si le programme déjà lancé ne répond toujours pas, fermez-le et relancez %1.</translation>
    </message>
    <message>
        <source>Stored as &quot;?&quot;: the data file&apos;s character set (Windows-1252) has no such character</source>
        <translation>Enregistré comme «&#xa0;?&#xa0;»&#xa0;: le jeu de caractères du fichier de données (Windows-1252) ne contient pas ce caractère</translation>
    </message>
    <message>
        <source>(invalid)</source>
        <translation>(non valide)</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Aucune action</translation>
    </message>
    <message>
        <source>Got to the Brontal homepage...</source>
        <translation>Aller sur le site de Brontal...</translation>
    </message>
    <message>
        <source>About the program...</source>
        <translation>À propos du programme...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Appointment</source>
        <translation>Rendez-vous</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>The appointments could not be saved to &quot;%1&quot;: %2

Make room (or mend the cause) and try again, or quit anyway: the appointments are then kept in a file of their own in &quot;%3&quot; or, when that has no room either, in &quot;%4&quot;.</source>
        <translation>Les rendez-vous n’ont pas pu être enregistrés dans « %1 » : %2

Faites de la place (ou corrigez la cause) et réessayez, ou quittez quand même : les rendez-vous sont alors gardés dans un fichier à part dans « %3 » ou, s’il n’y a pas de place non plus, dans « %4 ».</translation>
    </message>
    <message>
        <source>&amp;Try again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Quit anyway</source>
        <translation>&amp;Quitter quand même</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t quit</source>
        <translation>&amp;Ne pas quitter</translation>
    </message>
    <message>
        <source>

&quot;%1&quot; holds all %2 appointments as they were at the end; &quot;%3&quot; holds those of the last save. To use them, move that file to &quot;%4&quot;, in place of &quot;%3&quot;.</source>
        <translation>

« %1 » contient les %2 rendez-vous tels qu’ils étaient à la fin ; « %3 » contient ceux du dernier enregistrement. Pour les utiliser, déplacez ce fichier vers « %4 », à la place de « %3 ».</translation>
    </message>
    <message>
        <source>

&quot;%1&quot; holds all %2 appointments as they were at the end. &quot;%3&quot; could not be read (see above why: its permissions or owner may have been changed); it was left as it was. Compare the two before replacing it.</source>
        <translation>

«&#xa0;%1&#xa0;» contient les %2 rendez-vous tels qu&apos;ils étaient à la fin. «&#xa0;%3&#xa0;» n&apos;a pas pu être lu (la raison figure ci-dessus&#xa0;: ses droits ou son propriétaire ont peut-être changé)&#xa0;; il a été laissé tel quel. Comparez les deux avant de remplacer l&apos;un par l&apos;autre.</translation>
    </message>
</context>
<context>
    <name>TTerminForm</name>
    <message>
        <source>Appointment reminder</source>
        <translation>Rappel de rendez-vous</translation>
    </message>
    <message>
        <source>Appointment</source>
        <translation>Rendez-vous</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Cancel all</source>
        <translation>Tout annuler</translation>
    </message>
    <message>
        <source>Don&apos;t remind anymore</source>
        <translation>Ne plus rappeler</translation>
    </message>
    <message>
        <source>Remind later</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>TerminFile</name>
    <message>
        <source>Error: could not create file!</source>
        <translation>Erreur&#xa0;: impossible de créer le fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Error: could not open file!</source>
        <translation>Erreur&#xa0;: impossible d&apos;ouvrir le fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>I/O error: %1</source>
        <translation>Erreur d&apos;entrée/sortie&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read before saving over it (%2). The appointments were not saved; the file is unchanged.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être lu avant d&apos;être remplacé (%2). Les rendez-vous n&apos;ont pas été enregistrés&#xa0;; le fichier est inchangé.</translation>
    </message>
    <message>
        <source>A copy of &quot;%1&quot; could not be kept before rewriting it in place (%2). The appointments were not saved; the file is unchanged.</source>
        <translation>Une copie de «&#xa0;%1&#xa0;» n&apos;a pas pu être conservée avant de le réécrire sur place (%2). Les rendez-vous n&apos;ont pas été enregistrés&#xa0;; le fichier est inchangé.</translation>
    </message>
    <message>
        <source>%1. The appointments were written only in part; the file as it was before is kept as &quot;%2&quot;, and the next start reads it from there if needed.</source>
        <translation>%1. Les rendez-vous n&apos;ont été écrits qu&apos;en partie&#xa0;; le fichier tel qu&apos;il était avant est conservé sous «&#xa0;%2&#xa0;», et le prochain démarrage le lira là si nécessaire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a file of appointments. The appointments were not saved; they stay in memory. Move it away to save them.</source>
        <translation>«&#xa0;%1&#xa0;» est %2, pas un fichier de rendez-vous. Les rendez-vous n&apos;ont pas été enregistrés&#xa0;; ils restent en mémoire. Déplacez-le pour les enregistrer.</translation>
    </message>
    <message>
        <source>. The appointments were not saved; the previous file is unchanged.</source>
        <translation>. Les rendez-vous n&apos;ont pas été enregistrés&#xa0;; le fichier précédent est inchangé.</translation>
    </message>
    <message>
        <source>I/O error: the file&apos;s permissions could not be kept (%1)</source>
        <translation>Erreur d&apos;entrée/sortie&#xa0;: les permissions du fichier n&apos;ont pas pu être conservées (%1)</translation>
    </message>
    <message>
        <source>no free name for a copy</source>
        <translation>aucun nom libre pour une copie</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source> Nothing will be saved over it until it can be read or is moved away; until then changes are kept in memory only.</source>
        <translation> Rien ne sera enregistré par-dessus tant qu&apos;il ne pourra pas être lu ou qu&apos;il n&apos;aura pas été déplacé&#xa0;; d&apos;ici là, les modifications restent seulement en mémoire.</translation>
    </message>
    <message>
        <source>. The file could not be read, and a copy of it could not be kept (%1).</source>
        <translation>. Le fichier n&apos;a pas pu être lu, et une copie n&apos;a pas pu en être conservée (%1).</translation>
    </message>
    <message>
        <source>. The file could not be read; its contents were kept as &quot;%1&quot;.</source>
        <translation>. Le fichier n&apos;a pas pu être lu&#xa0;; son contenu a été conservé sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source> The appointments from before the last, unfinished save were loaded from &quot;%1&quot;.</source>
        <translation> Les rendez-vous d&apos;avant le dernier enregistrement inachevé ont été chargés depuis «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only. The appointments were not saved; they stay in memory. </source>
        <translation>«&#xa0;%1&#xa0;» est en lecture seule. Les rendez-vous n&apos;ont pas été enregistrés&#xa0;; ils restent en mémoire. </translation>
    </message>
    <message>
        <source>Make the file writable to save them.</source>
        <translation>Rendez le fichier accessible en écriture pour les enregistrer.</translation>
    </message>
    <message>
        <source>It belongs to the user %1, so you cannot make it writable; put a copy of your own in its place (cp &quot;%2&quot; &quot;%2.mine&quot; &amp;&amp; mv &quot;%2.mine&quot; &quot;%2&quot;) and the next save works, or ask %1 to let you write it.</source>
        <translation>Il appartient à l&apos;utilisateur %1, vous ne pouvez donc pas le rendre accessible en écriture&#xa0;; mettez à sa place une copie à vous (cp &quot;%2&quot; &quot;%2.mine&quot; &amp;&amp; mv &quot;%2.mine&quot; &quot;%2&quot;) et le prochain enregistrement réussira, ou demandez à %1 de vous permettre de l&apos;écrire.</translation>
    </message>
    <message>
        <source>It belongs to the user %1, and neither it nor its folder may be written by you; ask %1 or the administrator to give it to you (chown).</source>
        <translation>Il appartient à l&apos;utilisateur %1, et ni lui ni son dossier ne vous sont accessibles en écriture&#xa0;; demandez à %1 ou à l&apos;administrateur de vous le céder (chown).</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is gone (renamed or removed?). The appointments were not saved; they stay in memory. Put the folder back under that name to save them.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» a disparu (renommé ou supprimé&#xa0;?). Les rendez-vous n&apos;ont pas été enregistrés&#xa0;; ils restent en mémoire. Remettez le dossier sous ce nom pour les enregistrer.</translation>
    </message>
</context>
<context>
    <name>TerminFormat</name>
    <message>
        <source>Invalid appointment count %1</source>
        <translation>Nombre de rendez-vous non valide %1</translation>
    </message>
    <message>
        <source>Invalid text length %1</source>
        <translation>Longueur de texte non valide %1</translation>
    </message>
</context>
<context>
    <name>Theme</name>
    <message>
        <source>Program options...</source>
        <translation>Options du programme...</translation>
    </message>
</context>
<context>
    <name>UnsavedStore</name>
    <message>
        <source>too many such files already</source>
        <translation>déjà trop de fichiers de ce genre</translation>
    </message>
    <message>
        <source>%1: the folder could not be created
</source>
        <translation>%1&#xa0;: le dossier n&apos;a pas pu être créé
</translation>
    </message>
</context>
<context>
    <name>VdirConfig</name>
    <message>
        <source>could not write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>VdirFolder</name>
    <message>
        <source>%1 does not exist; create it, or give the folder vdirsyncer writes the calendar to</source>
        <translation>%1 n&apos;existe pas&#xa0;; créez-le ou indiquez le dossier dans lequel vdirsyncer écrit le calendrier</translation>
    </message>
    <message>
        <source>%1 is not a folder; give the calendar&apos;s folder, which holds one .ics file per event</source>
        <translation>%1 n&apos;est pas un dossier&#xa0;; indiquez le dossier du calendrier, qui contient un fichier .ics par événement</translation>
    </message>
    <message>
        <source>%1 cannot be read and written by you</source>
        <translation>vous ne pouvez pas lire et écrire dans %1</translation>
    </message>
    <message>
        <source>%1 holds address book entries (.vcf), not calendar events; give a calendar&apos;s folder</source>
        <translation>%1 contient des entrées de carnet d&apos;adresses (.vcf), pas des événements de calendrier&#xa0;; indiquez le dossier d&apos;un calendrier</translation>
    </message>
    <message>
        <source>%1 holds several calendars (%2); give the folder of one of them</source>
        <translation>%1 contient plusieurs calendriers (%2)&#xa0;; indiquez le dossier de l&apos;un d&apos;eux</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>VdirIndex</name>
    <message>
        <source>line %1 makes no sense</source>
        <translation>la ligne %1 est incompréhensible</translation>
    </message>
</context>
<context>
    <name>VdirPass</name>
    <message>
        <source>Mirrored with %1: from the folder %2 added, %3 changed, %4 removed; to the folder %5 written, %6 removed
</source>
        <translation>Synchronisé avec %1&#xa0;: depuis le dossier %2 ajoutés, %3 modifiés, %4 supprimés&#xa0;; vers le dossier %5 écrits, %6 supprimés
</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); appointments were matched to the folder&apos;s events by their contents</source>
        <translation>%1 n&apos;a pas pu être lu (%2)&#xa0;; les rendez-vous ont été associés aux événements du dossier d&apos;après leur contenu</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the data file was written by a program that did not keep %1; appointments were matched to the folder&apos;s events by their contents</source>
        <translation>le fichier de données a été écrit par un programme qui ne tenait pas %1 à jour&#xa0;; les rendez-vous ont été associés aux événements du dossier d&apos;après leur contenu</translation>
    </message>
    <message>
        <source>%1 holds events already and %2 has no record of them; appointments were matched to them by their contents</source>
        <translation>%1 contient déjà des événements et %2 n&apos;en garde aucune trace&#xa0;; les rendez-vous leur ont été associés d&apos;après leur contenu</translation>
    </message>
    <message>
        <source>%1 already holds %2 events that other programs wrote; to take them into this store as well, run the command again with --take-existing; nothing was changed</source>
        <translation>%1 contient déjà %2 événements écrits par d&apos;autres programmes&#xa0;; pour les reprendre aussi dans ce fichier de données, relancez la commande avec --take-existing&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>%1; the calendar folder was not changed</source>
        <translation>%1&#xa0;; le dossier du calendrier n&apos;a pas été modifié</translation>
    </message>
    <message>
        <source>it is bigger than %1 MB, more than any event needs</source>
        <translation>il dépasse %1&#xa0;Mo, plus qu&apos;aucun événement n&apos;en a besoin</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>it is not an iCalendar file a calendar can take (%1)</source>
        <translation>ce n&apos;est pas un fichier iCalendar qu&apos;un calendrier peut reprendre (%1)</translation>
    </message>
    <message>
        <source>; and %1 more files</source>
        <translation>&#xa0;; et %1 autres fichiers</translation>
    </message>
</context>
</TS>
