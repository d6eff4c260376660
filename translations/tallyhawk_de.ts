<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../ui/aboutwindow.cpp" line="+47"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Opens the web page</source>
        <translation>Öffnet die Webseite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts a new e-mail</source>
        <translation>Beginnt eine neue E-Mail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Freeware Edition</source>
        <translation>Freeware-Ausgabe</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>open the web page %1</source>
        <translation>die Webseite %1 öffnen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>start a new e-mail to %1</source>
        <translation>eine neue E-Mail an %1 beginnen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tallyhawk could not %1: the desktop has no program set up for it.</source>
        <translation>Tallyhawk konnte nicht %1: Auf dem Desktop ist dafür kein Programm eingerichtet.</translation>
    </message>
</context>
<context>
    <name>AwayQuestionWindow</name>
    <message>
        <location filename="../away/awayquestionwindow.cpp" line="+50"/>
        <source>Tallyhawk</source>
        <translation>Tallyhawk</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>You left:</source>
        <translation>Gegangen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You came back:</source>
        <translation>Zurück:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Away for:</source>
        <translation>Weg für:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop when I left</source>
        <translation>Bis zum Gehen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Project - %1 ran on while you were away.</source>
        <translation>Projekt - %1 lief ohne Sie weiter.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 You left: %2. You came back: %3. Away for: %4. Keep the time, or stop when you left?</source>
        <translation>%1 Gegangen: %2. Zurück: %3. Weg für: %4. Die Zeit behalten oder nur bis zum Gehen zählen?</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <location filename="../reports/logpane.cpp" line="+19"/>
        <source>Session log</source>
        <translation>Sitzungsprotokoll</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The log as text; what is typed here changes only what is printed</source>
        <translation>Das Protokoll als Text; was Sie hier eingeben, ändert nur den Ausdruck</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../app/mainwindow.cpp" line="+39"/>
        <source>What are you doing now?</source>
        <translation>Was machen Sie gerade?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter a project name</source>
        <translation>Bitte geben Sie einen Projektnamen ein</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>The project list could not be read.

%1</source>
        <translation>Die Projektliste konnte nicht gelesen werden.

%1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The settings could not be saved.

%1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>What are you doing this moment?<byte value="xd"/>
<byte value="xd"/>
Note: &quot;You may click the &quot;Notes&quot; button at any time to log what you are doing.</source>
        <translation>Was machen Sie in diesem Moment?<byte value="xd"/>
<byte value="xd"/>
Hinweis: Mit der Schaltfläche „Notizen“ können Sie jederzeit festhalten, was Sie gerade tun.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Stop at…</source>
        <translation>Stoppen um…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change start time…</source>
        <translation>Startzeit ändern…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start at…</source>
        <translation>Starten um…</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Start at</source>
        <translation>Starten um</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start the session of %1 at:</source>
        <translation>Die Sitzung von %1 starten um:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop at</source>
        <translation>Stoppen um</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop the session at:</source>
        <translation>Die Sitzung stoppen um:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Change start time</source>
        <translation>Startzeit ändern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The session started at:</source>
        <translation>Die Sitzung begann um:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Stop</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The project list could not be saved.

%1</source>
        <translation>Die Projektliste konnte nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The project &quot;%1&quot; is in the list for now, but could not be saved.

%2</source>
        <translation>Das Projekt „%1“ steht vorerst in der Liste, konnte aber nicht gespeichert werden.

%2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Project - %1 is not running. Would you like to start the project?</source>
        <translation>Projekt - %1 läuft nicht. Möchten Sie das Projekt starten?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <location filename="../app/mainwindowcontrols.cpp" line="+62"/>
        <source>Opens the %1 window</source>
        <translation>Öffnet das Fenster %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Start Time, Stop Time, Total Time</source>
        <translation>Startzeit, Stoppzeit, Gesamtzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+31"/>
        <source>The Project</source>
        <translation>Das Projekt</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Time:</source>
        <translation>Startzeit:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop Time:</source>
        <translation>Stoppzeit:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Gesamtzeit:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+36"/>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ask me what I &apos;am doing every</source>
        <translation>Fragen, was ich mache, alle</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Type a project name, or pick one from the list</source>
        <translation>Geben Sie einen Projektnamen ein oder wählen Sie einen aus der Liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Notes</source>
        <translation>&amp;Notizen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add project</source>
        <translation>Projekt hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add the project name typed in the box to the list</source>
        <translation>Den eingegebenen Projektnamen zur Liste hinzufügen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>How many minutes pass between the questions &quot;What are you doing now?&quot;</source>
        <translation>Wie viele Minuten zwischen den Fragen „Was machen Sie gerade?“ vergehen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove project</source>
        <translation>Projekt entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the project shown in the box from the list</source>
        <translation>Das angezeigte Projekt aus der Liste entfernen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>minutes up or down</source>
        <translation>Minuten auf oder ab</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Up and Down keys change the minutes by one</source>
        <translation>Die Pfeiltasten nach oben und unten ändern die Minuten um eins</translation>
    </message>
</context>
<context>
    <name>MomentDialog</name>
    <message>
        <location filename="../ui/momentdialog.cpp" line="+43"/>
        <source>&quot;%1&quot; does not read as a date and time.</source>
        <translation>„%1“ ist kein lesbares Datum mit Uhrzeit.</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <location filename="../app/noteswindow.cpp" line="+22"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What you are doing; it goes into the session log when the window closes</source>
        <translation>Was Sie gerade tun; es kommt ins Sitzungsprotokoll, wenn sich das Fenster schließt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>The note holds characters that the session log cannot keep: %1.</source>
        <translation>Die Notiz enthält Zeichen, die das Sitzungsprotokoll nicht speichern kann: %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your note could not be written to the session log.

%1

It is kept and will be written with the next entry once the log can be written again. Your note:

%2</source>
        <translation>Ihre Notiz konnte nicht ins Sitzungsprotokoll geschrieben werden.

%1

Sie bleibt erhalten und wird mit dem nächsten Eintrag geschrieben, sobald das Protokoll wieder beschreibbar ist. Ihre Notiz:

%2</translation>
    </message>
</context>
<context>
    <name>ReportsWindow</name>
    <message>
        <location filename="../reports/reportswindow.cpp" line="+29"/>
        <source>Clear Log and Exit</source>
        <translation>Leeren und schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Log</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Log</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sessions</source>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each session of the log, numbered; expand one to see its lines</source>
        <translation>Jede Sitzung des Protokolls, nummeriert; aufklappen zeigt ihre Zeilen</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>Correct…</source>
        <translation>Korrigieren…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add a session…</source>
        <translation>Sitzung hinzufügen…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo last change</source>
        <translation>Letzte Änderung rückgängig</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Totals…</source>
        <translation>Summen…</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Correct </source>
        <translation>Korrigieren: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Delete %1 from the log?</source>
        <translation>%1 aus dem Protokoll löschen?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Add a session</source>
        <translation>Sitzung hinzufügen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Are you sure you want to clear the log file?</source>
        <translation>Möchten Sie die Protokolldatei wirklich leeren?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*.txt)|*.txt</source>
        <translation>Alle Dateien (*.txt)|*.txt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Sucessfully Created...!</source>
        <translation>Erfolgreich erstellt!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sucess</source>
        <translation>Erfolg</translation>
    </message>
</context>
<context>
    <name>SchemeChoice</name>
    <message>
        <location filename="../ui/schemechoice.cpp" line="+42"/>
        <source>The colour scheme could not be saved; it applies until Tallyhawk closes.</source>
        <translation>Das Farbschema konnte nicht gespeichert werden; es gilt, bis Tallyhawk beendet wird.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The option to minimize when a project starts could not be saved, so it does not take effect.</source>
        <translation>Die Option, beim Projektstart zu minimieren, konnte nicht gespeichert werden und wirkt daher nicht.</translation>
    </message>
</context>
<context>
    <name>SessionDialog</name>
    <message>
        <location filename="../reports/sessiondialog.cpp" line="+27"/>
        <source>&amp;Project:</source>
        <translation>&amp;Projekt:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tarted:</source>
        <translation>Ges&amp;tartet:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St&amp;opped:</source>
        <translation>Gest&amp;oppt:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting &amp;comment:</source>
        <translation>Start&amp;kommentar:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&quot;%1&quot; does not read as a date and time.</source>
        <translation>„%1“ ist kein lesbares Datum mit Uhrzeit.</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <location filename="../ui/schemes.cpp" line="+11"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Orange Cream</source>
        <translation>Orangecreme</translation>
    </message>
    <message>
        <location filename="../ui/settingswindow.cpp" line="+39"/>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the Settings window</source>
        <translation>Schließt das Fenster Optionen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Minimize to try when project starts</source>
        <translation>Beim Projektstart in den Infobereich</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1, upper picture</source>
        <translation>%1, oberes Bild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, lower picture</source>
        <translation>%1, unteres Bild</translation>
    </message>
</context>
<context>
    <name>TotalsModel</name>
    <message>
        <location filename="../reports/totalsmodel.cpp" line="+64"/>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sessions</source>
        <translation>Sitzungen</translation>
    </message>
</context>
<context>
    <name>TotalsWindow</name>
    <message>
        <location filename="../reports/totalswindow.cpp" line="+40"/>
        <source>1 session</source>
        <translation>1 Sitzung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 sessions</source>
        <translation>%1 Sitzungen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>projects</source>
        <translation>Projekte</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>&amp;Save As…</source>
        <translation>&amp;Speichern unter…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;to:</source>
        <translation>&amp;bis:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;By:</source>
        <translation>&amp;Nach:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last week</source>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chosen dates</source>
        <translation>Gewählte Tage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Everything</source>
        <translation>Alles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Total: %1 (%2 hours) in %3</source>
        <translation>Gesamt: %1 (%2 Stunden) in %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Incomplete: </source>
        <translation>Unvollständig: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every session of these dates is counted.</source>
        <translation>Jede Sitzung dieser Tage ist gezählt.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 %2 are too many for the chart: choose fewer dates, or show them by week or month.</source>
        <translation>%1 %2 sind zu viele für das Diagramm: Wählen Sie weniger Tage oder zeigen Sie sie nach Woche oder Monat.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV (*.csv)|*.csv|JSON (*.json)|*.json|HTML page (*.html)|*.html</source>
        <translation>CSV (*.csv)|*.csv|JSON (*.json)|*.json|HTML-Seite (*.html)|*.html</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The totals are saved as CSV, JSON or an HTML page: end the file name with .csv, .json or .html.</source>
        <translation>Die Summen werden als CSV, JSON oder HTML-Seite gespeichert: Lassen Sie den Dateinamen auf .csv, .json oder .html enden.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../app/traymenu.cpp" line="+16"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Elapsed Time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>O&amp;pen</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Project</source>
        <translation>Projekt starten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Notes</source>
        <translation>&amp;Notizen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hide Menu</source>
        <translation>Menü &amp;ausblenden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Elapsed Time: %1</source>
        <translation>Verstrichene Zeit: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Stop Project</source>
        <translation>Projekt s&amp;toppen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>S&amp;tart Project</source>
        <translation>Projekt &amp;starten</translation>
    </message>
</context>
<context>
    <name>UnicodeChoice</name>
    <message>
        <location filename="../app/unicodechoice.cpp" line="+20"/>
        <source>%1

Keep the session log, the project list and the settings as UTF-8 from now on? They are then written in a way that holds every script. Other programs that read the log as Windows-1252 would show such characters wrongly.</source>
        <translation>%1

Sitzungsprotokoll, Projektliste und Einstellungen ab jetzt als UTF-8 speichern? Dann können sie jede Schrift aufnehmen. Programme, die das Protokoll als Windows-1252 lesen, würden solche Zeichen falsch anzeigen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Nothing was written.</source>
        <translation> Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>UpDownControl</name>
    <message>
        <location filename="../ui/updown.cpp" line="+61"/>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
</context>
<context>
    <name>logmessages</name>
    <message>
        <location filename="../app/logmessages.cpp" line="+8"/>
        <source>The session log could not be written.

%1

The lines are kept and will be written with the next entry once the log can be written again.</source>
        <translation>Das Sitzungsprotokoll konnte nicht geschrieben werden.

%1

Die Zeilen bleiben erhalten und werden mit dem nächsten Eintrag geschrieben, sobald das Protokoll wieder beschreibbar ist.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Lines that could not be written to the session log when Tallyhawk last ended could not be read back.

%1

They stay in that file.</source>
        <translation>Zeilen, die beim letzten Beenden von Tallyhawk nicht ins Sitzungsprotokoll geschrieben werden konnten, ließen sich nicht zurücklesen.

%1

Sie bleiben in dieser Datei.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines that could not be written to the session log when Tallyhawk last ended are kept in &quot;%1&quot;.

They cannot be added to the session log yet.

%2

They will be written ahead of the next entry once the log can be written again.</source>
        <translation>Zeilen, die beim letzten Beenden von Tallyhawk nicht ins Sitzungsprotokoll geschrieben werden konnten, liegen in „%1“.

Sie können dem Sitzungsprotokoll noch nicht hinzugefügt werden.

%2

Sie werden vor dem nächsten Eintrag geschrieben, sobald das Protokoll wieder beschreibbar ist.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lines that could not be written to the session log when Tallyhawk last ended have now been added to &quot;%1&quot;.</source>
        <translation>Zeilen, die beim letzten Beenden von Tallyhawk nicht ins Sitzungsprotokoll geschrieben werden konnten, stehen jetzt in „%1“.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The session log could not be written.

%1

The lines it still lacks have been saved to &quot;%2&quot; and will be added to the session log when Tallyhawk next starts.</source>
        <translation>Das Sitzungsprotokoll konnte nicht geschrieben werden.

%1

Die fehlenden Zeilen wurden in „%2“ gesichert und beim nächsten Start von Tallyhawk dem Sitzungsprotokoll hinzugefügt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The session log could not be written.

%1

The lines it still lacks could not be saved elsewhere either.

%2

These are the lines; please copy them:

%3</source>
        <translation>Das Sitzungsprotokoll konnte nicht geschrieben werden.

%1

Die fehlenden Zeilen konnten auch nicht anderswo gesichert werden.

%2

Dies sind die Zeilen; bitte kopieren Sie sie:

%3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The lines kept from the last time Tallyhawk ended are now in the session log, but the file that kept them could not be deleted.

%1

Please delete it, or its lines will be added to the session log again at the next start.</source>
        <translation>Die beim letzten Beenden von Tallyhawk aufbewahrten Zeilen stehen jetzt im Sitzungsprotokoll, aber die Datei, die sie enthielt, konnte nicht gelöscht werden.

%1

Bitte löschen Sie sie, sonst werden ihre Zeilen beim nächsten Start erneut hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+156"/>
        <source>Tallyhawk is already running on %1 but does not answer.</source>
        <translation>Tallyhawk läuft bereits auf %1, antwortet aber nicht.</translation>
    </message>
</context>
</TS>
