<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../ui/aboutwindow.cpp" line="+47"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Opens the web page</source>
        <translation>Abre la página web</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts a new e-mail</source>
        <translation>Empieza un correo nuevo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Freeware Edition</source>
        <translation>Edición gratuita</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>open the web page %1</source>
        <translation>abrir la página web %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>start a new e-mail to %1</source>
        <translation>empezar un correo nuevo a %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tallyhawk could not %1: the desktop has no program set up for it.</source>
        <translation>Tallyhawk no pudo %1: el escritorio no tiene ningún programa configurado para ello.</translation>
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
        <translation>Se fue:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You came back:</source>
        <translation>Volvió:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Away for:</source>
        <translation>Ausente:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop when I left</source>
        <translation>Parar al irme</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Project - %1 ran on while you were away.</source>
        <translation>Proyecto - %1 siguió en su ausencia.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 You left: %2. You came back: %3. Away for: %4. Keep the time, or stop when you left?</source>
        <translation>%1 Se fue: %2. Volvió: %3. Ausente: %4. ¿Conservar el tiempo, o parar cuando se fue?</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <location filename="../reports/logpane.cpp" line="+19"/>
        <source>Session log</source>
        <translation>Registro de sesiones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The log as text; what is typed here changes only what is printed</source>
        <translation>El registro como texto; lo que se escribe aquí solo cambia lo que se imprime</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../app/mainwindow.cpp" line="+39"/>
        <source>What are you doing now?</source>
        <translation>¿Qué está haciendo ahora?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please enter a project name</source>
        <translation>Escriba un nombre de proyecto</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>The project list could not be read.

%1</source>
        <translation>No se pudo leer la lista de proyectos.

%1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The settings could not be saved.

%1</source>
        <translation>No se pudieron guardar los ajustes.

%1</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>What are you doing this moment?<byte value="xd"/>
<byte value="xd"/>
Note: &quot;You may click the &quot;Notes&quot; button at any time to log what you are doing.</source>
        <translation>¿Qué está haciendo en este momento?<byte value="xd"/>
<byte value="xd"/>
Nota: puede pulsar el botón «Notas» en cualquier momento para anotar lo que hace.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Stop at…</source>
        <translation>Parar a las…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change start time…</source>
        <translation>Cambiar la hora de inicio…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start at…</source>
        <translation>Iniciar a las…</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Start at</source>
        <translation>Iniciar a las</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start the session of %1 at:</source>
        <translation>Iniciar la sesión de %1 a las:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stop at</source>
        <translation>Parar a las</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop the session at:</source>
        <translation>Parar la sesión a las:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Change start time</source>
        <translation>Cambiar la hora de inicio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The session started at:</source>
        <translation>La sesión empezó a las:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The project list could not be saved.

%1</source>
        <translation>No se pudo guardar la lista de proyectos.

%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The project &quot;%1&quot; is in the list for now, but could not be saved.

%2</source>
        <translation>El proyecto «%1» está en la lista por ahora, pero no se pudo guardar.

%2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Project - %1 is not running. Would you like to start the project?</source>
        <translation>Proyecto - %1 no está en marcha. ¿Desea iniciar el proyecto?</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <location filename="../app/mainwindowcontrols.cpp" line="+62"/>
        <source>Opens the %1 window</source>
        <translation>Abre la ventana %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Start Time, Stop Time, Total Time</source>
        <translation>Hora de inicio, hora de fin, tiempo total</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+31"/>
        <source>The Project</source>
        <translation>El proyecto</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Time:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop Time:</source>
        <translation>Fin:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>Tiempo total:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+36"/>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ask me what I &apos;am doing every</source>
        <translation>Preguntarme qué hago cada</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Type a project name, or pick one from the list</source>
        <translation>Escriba un nombre de proyecto o elija uno de la lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Notes</source>
        <translation>&amp;Notas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add project</source>
        <translation>Añadir proyecto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add the project name typed in the box to the list</source>
        <translation>Añade a la lista el nombre de proyecto escrito</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>How many minutes pass between the questions &quot;What are you doing now?&quot;</source>
        <translation>Cuántos minutos pasan entre las preguntas «¿Qué está haciendo ahora?»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove project</source>
        <translation>Quitar proyecto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the project shown in the box from the list</source>
        <translation>Quita de la lista el proyecto mostrado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>minutes up or down</source>
        <translation>minutos arriba o abajo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Up and Down keys change the minutes by one</source>
        <translation>Las flechas arriba y abajo cambian los minutos de uno en uno</translation>
    </message>
</context>
<context>
    <name>MomentDialog</name>
    <message>
        <location filename="../ui/momentdialog.cpp" line="+43"/>
        <source>&quot;%1&quot; does not read as a date and time.</source>
        <translation>«%1» no se lee como fecha y hora.</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <location filename="../app/noteswindow.cpp" line="+22"/>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What you are doing; it goes into the session log when the window closes</source>
        <translation>Lo que está haciendo; pasa al registro al cerrarse la ventana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>The note holds characters that the session log cannot keep: %1.</source>
        <translation>La nota contiene caracteres que el registro no puede guardar: %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your note could not be written to the session log.

%1

It is kept and will be written with the next entry once the log can be written again. Your note:

%2</source>
        <translation>No se pudo escribir su nota en el registro.

%1

Se conserva y se escribirá con la próxima entrada cuando el registro vuelva a poder escribirse. Su nota:

%2</translation>
    </message>
</context>
<context>
    <name>ReportsWindow</name>
    <message>
        <location filename="../reports/reportswindow.cpp" line="+29"/>
        <source>Clear Log and Exit</source>
        <translation>Vaciar y cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Log</source>
        <translation>Guardar registro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Log</source>
        <translation>Imprimir registro</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sessions</source>
        <translation>Sesiones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each session of the log, numbered; expand one to see its lines</source>
        <translation>Cada sesión del registro, numerada; despliegue una para ver sus líneas</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>Correct…</source>
        <translation>Corregir…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete…</source>
        <translation>Eliminar…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add a session…</source>
        <translation>Añadir una sesión…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo last change</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Totals…</source>
        <translation>Totales…</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Correct </source>
        <translation>Corregir </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Delete %1 from the log?</source>
        <translation>¿Eliminar %1 del registro?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Add a session</source>
        <translation>Añadir una sesión</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Are you sure you want to clear the log file?</source>
        <translation>¿Seguro que desea vaciar el archivo de registro?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*.txt)|*.txt</source>
        <translation>Todos los archivos (*.txt)|*.txt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Sucessfully Created...!</source>
        <translation>¡Creado correctamente!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sucess</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>SchemeChoice</name>
    <message>
        <location filename="../ui/schemechoice.cpp" line="+42"/>
        <source>The colour scheme could not be saved; it applies until Tallyhawk closes.</source>
        <translation>No se pudo guardar el esquema de colores; se aplica hasta que Tallyhawk se cierre.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The option to minimize when a project starts could not be saved, so it does not take effect.</source>
        <translation>No se pudo guardar la opción de minimizar al iniciar un proyecto, así que no tiene efecto.</translation>
    </message>
</context>
<context>
    <name>SessionDialog</name>
    <message>
        <location filename="../reports/sessiondialog.cpp" line="+27"/>
        <source>&amp;Project:</source>
        <translation>&amp;Proyecto:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tarted:</source>
        <translation>&amp;Inicio:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St&amp;opped:</source>
        <translation>&amp;Fin:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starting &amp;comment:</source>
        <translation>&amp;Comentario inicial:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&quot;%1&quot; does not read as a date and time.</source>
        <translation>«%1» no se lee como fecha y hora.</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <location filename="../ui/schemes.cpp" line="+11"/>
        <source>Default</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Orange Cream</source>
        <translation>Crema</translation>
    </message>
    <message>
        <location filename="../ui/settingswindow.cpp" line="+39"/>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the Settings window</source>
        <translation>Cierra la ventana Ajustes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Minimize to try when project starts</source>
        <translation>Minimizar al iniciar un proyecto</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1, upper picture</source>
        <translation>%1, imagen superior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, lower picture</source>
        <translation>%1, imagen inferior</translation>
    </message>
</context>
<context>
    <name>TotalsModel</name>
    <message>
        <location filename="../reports/totalsmodel.cpp" line="+64"/>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sessions</source>
        <translation>Sesiones</translation>
    </message>
</context>
<context>
    <name>TotalsWindow</name>
    <message>
        <location filename="../reports/totalswindow.cpp" line="+40"/>
        <source>1 session</source>
        <translation>1 sesión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 sessions</source>
        <translation>%1 sesiones</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>weeks</source>
        <translation>semanas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>months</source>
        <translation>meses</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>projects</source>
        <translation>proyectos</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>&amp;Save As…</source>
        <translation>&amp;Guardar como…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;to:</source>
        <translation>&amp;hasta:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;By:</source>
        <translation>&amp;Por:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last week</source>
        <translation>La semana pasada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last month</source>
        <translation>El mes pasado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chosen dates</source>
        <translation>Fechas elegidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Everything</source>
        <translation>Todo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Total: %1 (%2 hours) in %3</source>
        <translation>Total: %1 (%2 horas) en %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Incomplete: </source>
        <translation>Incompleta: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Every session of these dates is counted.</source>
        <translation>Se cuentan todas las sesiones de estas fechas.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 %2 are too many for the chart: choose fewer dates, or show them by week or month.</source>
        <translation>%1 %2 son demasiados para el gráfico: elija menos fechas, o muéstrelos por semana o por mes.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV (*.csv)|*.csv|JSON (*.json)|*.json|HTML page (*.html)|*.html</source>
        <translation>CSV (*.csv)|*.csv|JSON (*.json)|*.json|Página HTML (*.html)|*.html</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The totals are saved as CSV, JSON or an HTML page: end the file name with .csv, .json or .html.</source>
        <translation>Los totales se guardan como CSV, JSON o página HTML: termine el nombre del archivo en .csv, .json o .html.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../app/traymenu.cpp" line="+16"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Elapsed Time</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>O&amp;pen</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Project</source>
        <translation>Iniciar proyecto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Notes</source>
        <translation>&amp;Notas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hide Menu</source>
        <translation>&amp;Ocultar menú</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Elapsed Time: %1</source>
        <translation>Tiempo transcurrido: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Stop Project</source>
        <translation>&amp;Detener proyecto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>S&amp;tart Project</source>
        <translation>&amp;Iniciar proyecto</translation>
    </message>
</context>
<context>
    <name>UnicodeChoice</name>
    <message>
        <location filename="../app/unicodechoice.cpp" line="+20"/>
        <source>%1

Keep the session log, the project list and the settings as UTF-8 from now on? They are then written in a way that holds every script. Other programs that read the log as Windows-1252 would show such characters wrongly.</source>
        <translation>%1

¿Guardar a partir de ahora el registro, la lista de proyectos y los ajustes como UTF-8? Así admiten cualquier escritura. Los programas que lean el registro como Windows-1252 mostrarían mal esos caracteres.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Nothing was written.</source>
        <translation> No se escribió nada.</translation>
    </message>
</context>
<context>
    <name>UpDownControl</name>
    <message>
        <location filename="../ui/updown.cpp" line="+61"/>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
</context>
<context>
    <name>logmessages</name>
    <message>
        <location filename="../app/logmessages.cpp" line="+8"/>
        <source>The session log could not be written.

%1

The lines are kept and will be written with the next entry once the log can be written again.</source>
        <translation>No se pudo escribir el registro de sesiones.

%1

Las líneas se conservan y se escribirán con la próxima entrada cuando el registro vuelva a poder escribirse.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Lines that could not be written to the session log when Tallyhawk last ended could not be read back.

%1

They stay in that file.</source>
        <translation>No se pudieron volver a leer las líneas que no se escribieron en el registro la última vez que Tallyhawk se cerró.

%1

Siguen en ese archivo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines that could not be written to the session log when Tallyhawk last ended are kept in &quot;%1&quot;.

They cannot be added to the session log yet.

%2

They will be written ahead of the next entry once the log can be written again.</source>
        <translation>Las líneas que no se escribieron en el registro la última vez que Tallyhawk se cerró se guardan en «%1».

Todavía no se pueden añadir al registro.

%2

Se escribirán antes de la próxima entrada cuando el registro vuelva a poder escribirse.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lines that could not be written to the session log when Tallyhawk last ended have now been added to &quot;%1&quot;.</source>
        <translation>Las líneas que no se escribieron en el registro la última vez que Tallyhawk se cerró se han añadido ahora a «%1».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The session log could not be written.

%1

The lines it still lacks have been saved to &quot;%2&quot; and will be added to the session log when Tallyhawk next starts.</source>
        <translation>No se pudo escribir el registro de sesiones.

%1

Las líneas que le faltan se han guardado en «%2» y se añadirán al registro la próxima vez que se inicie Tallyhawk.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The session log could not be written.

%1

The lines it still lacks could not be saved elsewhere either.

%2

These are the lines; please copy them:

%3</source>
        <translation>No se pudo escribir el registro de sesiones.

%1

Tampoco se pudieron guardar en otro sitio las líneas que le faltan.

%2

Estas son las líneas; cópielas, por favor:

%3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The lines kept from the last time Tallyhawk ended are now in the session log, but the file that kept them could not be deleted.

%1

Please delete it, or its lines will be added to the session log again at the next start.</source>
        <translation>Las líneas guardadas desde el último cierre de Tallyhawk ya están en el registro, pero no se pudo eliminar el archivo que las guardaba.

%1

Elimínelo, o sus líneas se añadirán de nuevo al registro en el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+156"/>
        <source>Tallyhawk is already running on %1 but does not answer.</source>
        <translation>Tallyhawk ya está en marcha en %1, pero no responde.</translation>
    </message>
</context>
</TS>
