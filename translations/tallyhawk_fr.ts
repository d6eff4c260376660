<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../ui/aboutwindow.cpp" line="+47"/>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Ouvre la page web</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts a new e-mail</source>
        <translation>Commence un nouveau courriel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Freeware Edition</source>
        <translation>Édition gratuite</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>open the web page %1</source>
        <translation>ouvrir la page web %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>start a new e-mail to %1</source>
        <translation>commencer un courriel à %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tallyhawk could not %1: the desktop has no program set up for it.</source>
        <translation>Tallyhawk n’a pas pu %1 : aucun programme du bureau n’est prévu pour cela.</translation>
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
        <translation>Parti à :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You came back:</source>
        <translation>Revenu à :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Away for:</source>
        <translation>Absent :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop when I left</source>
        <translation>Arrêt au départ</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Project - %1 ran on while you were away.</source>
        <translation>Projet - %1 a tourné en votre absence.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 You left: %2. You came back: %3. Away for: %4. Keep the time, or stop when you left?</source>
        <translation>%1 Parti à : %2. Revenu à : %3. Absent : %4. Garder ce temps, ou arrêter à votre départ ?</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <location filename="../reports/logpane.cpp" line="+19"/>
        <source>Session log</source>
        <translation>Journal des sessions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The log as text; what is typed here changes only what is printed</source>
        <translation>Le journal en texte ; ce qui est tapé ici ne change que l’impression</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../app/mainwindow.cpp" line="+39"/>
        <source>What are you doing now?</source>
        <translation>Que faites-vous en ce moment ?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter a project name</source>
        <translation>Veuillez saisir un nom de projet</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>The project list could not be read.

%1</source>
        <translation>La liste des projets n’a pas pu être lue.

%1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The settings could not be saved.

%1</source>
        <translation>Les réglages n’ont pas pu être enregistrés.

%1</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>What are you doing this moment?<byte value="xd"/>
<byte value="xd"/>
Note: &quot;You may click the &quot;Notes&quot; button at any time to log what you are doing.</source>
        <translation>Que faites-vous à cet instant ?<byte value="xd"/>
<byte value="xd"/>
Remarque : vous pouvez à tout moment cliquer sur le bouton « Notes » pour noter ce que vous faites.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Stop at…</source>
        <translation>Arrêter à…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change start time…</source>
        <translation>Changer l’heure de début…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start at…</source>
        <translation>Démarrer à…</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Start at</source>
        <translation>Démarrer à</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start the session of %1 at:</source>
        <translation>Démarrer la session de %1 à :</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop at</source>
        <translation>Arrêter à</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop the session at:</source>
        <translation>Arrêter la session à :</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Change start time</source>
        <translation>Changer l’heure de début</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The session started at:</source>
        <translation>La session a commencé à :</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The project list could not be saved.

%1</source>
        <translation>La liste des projets n’a pas pu être enregistrée.

%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The project &quot;%1&quot; is in the list for now, but could not be saved.

%2</source>
        <translation>Le projet « %1 » est dans la liste pour l’instant, mais n’a pas pu être enregistré.

%2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Project - %1 is not running. Would you like to start the project?</source>
        <translation>Projet - %1 n’est pas en cours. Voulez-vous démarrer le projet ?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <location filename="../app/mainwindowcontrols.cpp" line="+62"/>
        <source>Opens the %1 window</source>
        <translation>Ouvre la fenêtre %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Start Time, Stop Time, Total Time</source>
        <translation>Heure de début, heure de fin, durée totale</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+31"/>
        <source>The Project</source>
        <translation>Le projet</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Time:</source>
        <translation>Début :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop Time:</source>
        <translation>Fin :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Durée totale :</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+36"/>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ask me what I &apos;am doing every</source>
        <translation>Me demander toutes les</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Type a project name, or pick one from the list</source>
        <translation>Saisissez un nom de projet, ou choisissez-en un dans la liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Notes</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add project</source>
        <translation>Ajouter le projet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add the project name typed in the box to the list</source>
        <translation>Ajoute à la liste le nom de projet saisi</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>How many minutes pass between the questions &quot;What are you doing now?&quot;</source>
        <translation>Nombre de minutes entre les questions « Que faites-vous en ce moment ? »</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove project</source>
        <translation>Retirer le projet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the project shown in the box from the list</source>
        <translation>Retire de la liste le projet affiché</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>minutes up or down</source>
        <translation>minutes, plus ou moins</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Up and Down keys change the minutes by one</source>
        <translation>Les flèches haut et bas changent les minutes d’une unité</translation>
    </message>
</context>
<context>
    <name>MomentDialog</name>
    <message>
        <location filename="../ui/momentdialog.cpp" line="+43"/>
        <source>&quot;%1&quot; does not read as a date and time.</source>
        <translation>« %1 » n’est pas une date et une heure lisibles.</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <location filename="../app/noteswindow.cpp" line="+22"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What you are doing; it goes into the session log when the window closes</source>
        <translation>Ce que vous faites ; cela entre dans le journal à la fermeture de la fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>The note holds characters that the session log cannot keep: %1.</source>
        <translation>La note contient des caractères que le journal ne peut pas conserver : %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your note could not be written to the session log.

%1

It is kept and will be written with the next entry once the log can be written again. Your note:

%2</source>
        <translation>Votre note n’a pas pu être écrite dans le journal.

%1

Elle est conservée et sera écrite avec la prochaine entrée dès que le journal pourra l’être à nouveau. Votre note :

%2</translation>
    </message>
</context>
<context>
    <name>ReportsWindow</name>
    <message>
        <location filename="../reports/reportswindow.cpp" line="+29"/>
        <source>Clear Log and Exit</source>
        <translation>Vider et fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Log</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Log</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sessions</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each session of the log, numbered; expand one to see its lines</source>
        <translation>Chaque session du journal, numérotée ; dépliez-en une pour voir ses lignes</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>Correct…</source>
        <translation>Corriger…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add a session…</source>
        <translation>Ajouter une session…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Totals…</source>
        <translation>Totaux…</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Correct </source>
        <translation>Corriger </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Delete %1 from the log?</source>
        <translation>Supprimer %1 du journal ?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Add a session</source>
        <translation>Ajouter une session</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Are you sure you want to clear the log file?</source>
        <translation>Voulez-vous vraiment vider le fichier journal ?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*.txt)|*.txt</source>
        <translation>Tous les fichiers (*.txt)|*.txt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Sucessfully Created...!</source>
        <translation>Créé avec succès !</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sucess</source>
        <translation>Succès</translation>
    </message>
</context>
<context>
    <name>SchemeChoice</name>
    <message>
        <location filename="../ui/schemechoice.cpp" line="+42"/>
        <source>The colour scheme could not be saved; it applies until Tallyhawk closes.</source>
        <translation>Le jeu de couleurs n’a pas pu être enregistré ; il s’applique jusqu’à la fermeture de Tallyhawk.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The option to minimize when a project starts could not be saved, so it does not take effect.</source>
        <translation>L’option de réduction au démarrage d’un projet n’a pas pu être enregistrée ; elle ne prend donc pas effet.</translation>
    </message>
</context>
<context>
    <name>SessionDialog</name>
    <message>
        <location filename="../reports/sessiondialog.cpp" line="+27"/>
        <source>&amp;Project:</source>
        <translation>&amp;Projet :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tarted:</source>
        <translation>&amp;Début :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St&amp;opped:</source>
        <translation>&amp;Fin :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting &amp;comment:</source>
        <translation>&amp;Commentaire de départ :</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&quot;%1&quot; does not read as a date and time.</source>
        <translation>« %1 » n’est pas une date et une heure lisibles.</translation>
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
        <translation>Rouge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Orange Cream</source>
        <translation>Crème orange</translation>
    </message>
    <message>
        <location filename="../ui/settingswindow.cpp" line="+39"/>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the Settings window</source>
        <translation>Ferme la fenêtre Réglages</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Minimize to try when project starts</source>
        <translation>Réduire au démarrage d’un projet</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1, upper picture</source>
        <translation>%1, image du haut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, lower picture</source>
        <translation>%1, image du bas</translation>
    </message>
</context>
<context>
    <name>TotalsModel</name>
    <message>
        <location filename="../reports/totalsmodel.cpp" line="+64"/>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sessions</source>
        <translation>Sessions</translation>
    </message>
</context>
<context>
    <name>TotalsWindow</name>
    <message>
        <location filename="../reports/totalswindow.cpp" line="+40"/>
        <source>1 session</source>
        <translation>1 session</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 sessions</source>
        <translation>%1 sessions</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>projects</source>
        <translation>projets</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>&amp;Save As…</source>
        <translation>&amp;Enregistrer sous…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;to:</source>
        <translation>&amp;au :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;By:</source>
        <translation>&amp;Par :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last week</source>
        <translation>Semaine dernière</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chosen dates</source>
        <translation>Dates choisies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Everything</source>
        <translation>Tout</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Total: %1 (%2 hours) in %3</source>
        <translation>Total : %1 (%2 heures) en %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Incomplete: </source>
        <translation>Incomplète : </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every session of these dates is counted.</source>
        <translation>Toutes les sessions de ces dates sont comptées.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 %2 are too many for the chart: choose fewer dates, or show them by week or month.</source>
        <translation>%1 %2, c’est trop pour le graphique : choisissez moins de dates, ou affichez-les par semaine ou par mois.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV (*.csv)|*.csv|JSON (*.json)|*.json|HTML page (*.html)|*.html</source>
        <translation>CSV (*.csv)|*.csv|JSON (*.json)|*.json|Page HTML (*.html)|*.html</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The totals are saved as CSV, JSON or an HTML page: end the file name with .csv, .json or .html.</source>
        <translation>Les totaux s’enregistrent en CSV, JSON ou page HTML : terminez le nom du fichier par .csv, .json ou .html.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../app/traymenu.cpp" line="+16"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Elapsed Time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>O&amp;pen</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Project</source>
        <translation>Démarrer le projet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Notes</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hide Menu</source>
        <translation>&amp;Masquer le menu</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Elapsed Time: %1</source>
        <translation>Temps écoulé : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Stop Project</source>
        <translation>&amp;Arrêter le projet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>S&amp;tart Project</source>
        <translation>&amp;Démarrer le projet</translation>
    </message>
</context>
<context>
    <name>UnicodeChoice</name>
    <message>
        <location filename="../app/unicodechoice.cpp" line="+20"/>
        <source>%1

Keep the session log, the project list and the settings as UTF-8 from now on? They are then written in a way that holds every script. Other programs that read the log as Windows-1252 would show such characters wrongly.</source>
        <translation>%1

Conserver désormais le journal, la liste des projets et les réglages en UTF-8 ? Ils peuvent alors contenir toutes les écritures. Les programmes qui lisent le journal en Windows-1252 afficheraient mal ces caractères.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Nothing was written.</source>
        <translation> Rien n’a été écrit.</translation>
    </message>
</context>
<context>
    <name>UpDownControl</name>
    <message>
        <location filename="../ui/updown.cpp" line="+61"/>
        <source>Up</source>
        <translation>Plus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Moins</translation>
    </message>
</context>
<context>
    <name>logmessages</name>
    <message>
        <location filename="../app/logmessages.cpp" line="+8"/>
        <source>The session log could not be written.

%1

The lines are kept and will be written with the next entry once the log can be written again.</source>
        <translation>Le journal des sessions n’a pas pu être écrit.

%1

Les lignes sont conservées et seront écrites avec la prochaine entrée dès que le journal pourra l’être à nouveau.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Lines that could not be written to the session log when Tallyhawk last ended could not be read back.

%1

They stay in that file.</source>
        <translation>Les lignes qui n’avaient pas pu être écrites dans le journal à la dernière fermeture de Tallyhawk n’ont pas pu être relues.

%1

Elles restent dans ce fichier.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines that could not be written to the session log when Tallyhawk last ended are kept in &quot;%1&quot;.

They cannot be added to the session log yet.

%2

They will be written ahead of the next entry once the log can be written again.</source>
        <translation>Les lignes qui n’avaient pas pu être écrites dans le journal à la dernière fermeture de Tallyhawk sont conservées dans « %1 ».

Elles ne peuvent pas encore être ajoutées au journal.

%2

Elles seront écrites avant la prochaine entrée dès que le journal pourra l’être à nouveau.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lines that could not be written to the session log when Tallyhawk last ended have now been added to &quot;%1&quot;.</source>
        <translation>Les lignes qui n’avaient pas pu être écrites dans le journal à la dernière fermeture de Tallyhawk ont été ajoutées à « %1 ».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The session log could not be written.

%1

The lines it still lacks have been saved to &quot;%2&quot; and will be added to the session log when Tallyhawk next starts.</source>
        <translation>Le journal des sessions n’a pas pu être écrit.

%1

Les lignes qui lui manquent ont été enregistrées dans « %2 » et y seront ajoutées au prochain démarrage de Tallyhawk.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The session log could not be written.

%1

The lines it still lacks could not be saved elsewhere either.

%2

These are the lines; please copy them:

%3</source>
        <translation>Le journal des sessions n’a pas pu être écrit.

%1

Les lignes qui lui manquent n’ont pas non plus pu être enregistrées ailleurs.

%2

Les voici ; veuillez les copier :

%3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The lines kept from the last time Tallyhawk ended are now in the session log, but the file that kept them could not be deleted.

%1

Please delete it, or its lines will be added to the session log again at the next start.</source>
        <translation>Les lignes conservées depuis la dernière fermeture de Tallyhawk sont maintenant dans le journal, mais le fichier qui les gardait n’a pas pu être supprimé.

%1

Veuillez le supprimer, sinon ses lignes seront ajoutées de nouveau au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+156"/>
        <source>Tallyhawk is already running on %1 but does not answer.</source>
        <translation>Tallyhawk tourne déjà sur %1 mais ne répond pas.</translation>
    </message>
</context>
</TS>
