<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
    <message>
        <source>Larkspan is a FREE management tool that allows you to build custom menus to simplify administration of a computer tasks and accessing management console files, shell commands, run commands,  installed applications or any data type and folder location.</source>
        <translation>Larkspan ist ein KOSTENLOSES Verwaltungswerkzeug, mit dem Sie eigene Menüs erstellen, um die Verwaltung eines Computers zu vereinfachen und schnell auf Verwaltungskonsolen-Dateien, Shell-Befehle, Ausführen-Befehle, installierte Anwendungen sowie Dateien jeder Art und Ordner zuzugreifen.</translation>
    </message>
    <message>
        <source>Developed by </source>
        <translation>Entwickelt von </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ApplicationPicker</name>
    <message>
        <source>Add installed application</source>
        <translation>Installierte Anwendung hinzufügen</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
</context>
<context>
    <name>ApplicationService</name>
    <message>
        <source>There is no action &quot;%1&quot;.</source>
        <translation>Es gibt keine Aktion &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>BarTray</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>BarWindow</name>
    <message>
        <source>Start</source>
        <extracomment>Tooltip of the bar&apos;s button that opens the menu of entries</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Customize</source>
        <extracomment>Tooltip of the bar&apos;s button that opens the Settings window</extracomment>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Close Larkspan?</source>
        <translation>Larkspan schließen?</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Last item of the launcher menu: ends the program</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Names a menu entry without a caption in a notification; %1 is its number</extracomment>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>There is no notification area to hide the bar into.</source>
        <translation>Es gibt keinen Benachrichtigungsbereich, in den die Leiste ausgeblendet werden kann.</translation>
    </message>
</context>
<context>
    <name>BmpImage</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>ColumnKind</name>
    <message>
        <source>Text</source>
        <extracomment>Type of a database column, named in messages about a reference list&apos;s fields</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Integer</source>
        <translation>Ganzzahl</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Gleitkommazahl</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>Numerisch</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Boolesch</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>ConnectionString</name>
    <message>
        <source>The connection string is malformed at character %1: %2</source>
        <translation>Die Verbindungszeichenfolge ist bei Zeichen %1 fehlerhaft: %2</translation>
    </message>
    <message>
        <source>the key has no &quot;=&quot; after it</source>
        <translation>auf den Schlüssel folgt kein &quot;=&quot;</translation>
    </message>
    <message>
        <source>a value has no key</source>
        <translation>ein Wert hat keinen Schlüssel</translation>
    </message>
    <message>
        <source>the quoted value is not closed</source>
        <translation>der Wert in Anführungszeichen ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>text follows the quoted value</source>
        <translation>auf den Wert in Anführungszeichen folgt weiterer Text</translation>
    </message>
</context>
<context>
    <name>DataSet</name>
    <message>
        <source>%1: Field &apos;%2&apos; not found</source>
        <translation>%1: Feld &apos;%2&apos; nicht gefunden</translation>
    </message>
    <message>
        <source>%1: Type mismatch for field &apos;%2&apos;, expecting: %3 actual: %4</source>
        <translation>%1: Typkonflikt bei Feld &apos;%2&apos;, erwartet: %3, tatsächlich: %4</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Datensatz löschen?</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database &quot;%1&quot; does not exist</source>
        <translation>Die Datenbank &quot;%1&quot; existiert nicht</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was found neither in the current folder (%2) nor in the application folder (%3)</source>
        <translation>Die Datenbank &quot;%1&quot; wurde weder im aktuellen Ordner (%2) noch im Programmordner (%3) gefunden</translation>
    </message>
    <message>
        <source>The connection string names no provider</source>
        <translation>Die Verbindungszeichenfolge nennt keinen Anbieter</translation>
    </message>
    <message>
        <source>The provider &quot;%1&quot; is not available; this program provides only &quot;%2&quot;</source>
        <translation>Der Anbieter &quot;%1&quot; ist nicht verfügbar; dieses Programm bietet nur &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The connection string names no data source</source>
        <translation>Die Verbindungszeichenfolge nennt keine Datenquelle</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Datenbank &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is neither an SQLite nor a Jet database</source>
        <translation>Die Datei &quot;%1&quot; ist weder eine SQLite- noch eine Jet-Datenbank</translation>
    </message>
    <message>
        <source>The database connection is not open</source>
        <translation>Die Datenbankverbindung ist nicht geöffnet</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; is in a Jet database, which can only be read</source>
        <translation>Die Tabelle &quot;%1&quot; liegt in einer Jet-Datenbank, die nur gelesen werden kann</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; cannot be read</source>
        <translation>Die Jet-Datenbank &quot;%1&quot; kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; has no table &quot;%2&quot;</source>
        <translation>Die Jet-Datenbank &quot;%1&quot; enthält keine Tabelle &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; of the Jet database &quot;%2&quot; cannot be read</source>
        <translation>Die Tabelle &quot;%1&quot; der Jet-Datenbank &quot;%2&quot; kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was deleted, moved or replaced after it was opened; the change was not stored</source>
        <translation>Die Datenbank &quot;%1&quot; wurde nach dem Öffnen gelöscht, verschoben oder ersetzt; die Änderung wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>The row does not belong to table &quot;%1&quot;</source>
        <translation>Die Zeile gehört nicht zur Tabelle &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; cannot be updated</source>
        <translation>Die Tabelle &quot;%1&quot; kann nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be opened: %2</source>
        <translation>Die Datenbank &quot;%1&quot; kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; the change was not stored</source>
        <translation>Die Zeile wurde nach dem Lesen von einem anderen Programm geändert oder gelöscht; die Änderung wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; it was not deleted</source>
        <translation>Die Zeile wurde nach dem Lesen von einem anderen Programm geändert oder gelöscht; sie wurde nicht gelöscht</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read</source>
        <translation>Die Zeile wurde nach dem Lesen von einem anderen Programm geändert oder gelöscht</translation>
    </message>
</context>
<context>
    <name>EntryDialog</name>
    <message>
        <source>Application</source>
        <extracomment>Title of the dialog that edits one menu entry</extracomment>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Application or folder:</source>
        <translation>Anwendung oder Ordner:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please enter a caption.</source>
        <translation>Bitte geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that picks an entry&apos;s target</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>Select folder:</source>
        <translation>Ordner auswählen:</translation>
    </message>
</context>
<context>
    <name>LaunchPlan</name>
    <message>
        <source>There is no program called &quot;%1&quot; on this computer.</source>
        <translation>Auf diesem Computer gibt es kein Programm namens &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not executable</source>
        <translation>%1 ist nicht ausführbar</translation>
    </message>
    <message>
        <source>xdg-open, which opens %1, is not installed</source>
        <translation>xdg-open, das %1 öffnet, ist nicht installiert</translation>
    </message>
    <message>
        <source>%1 is no desktop entry</source>
        <translation>%1 ist kein Desktop-Eintrag</translation>
    </message>
    <message>
        <source>%1 links to no URL</source>
        <translation>%1 verweist auf keine URL</translation>
    </message>
    <message>
        <source>%1 is no application</source>
        <translation>%1 ist keine Anwendung</translation>
    </message>
    <message>
        <source>%1 has no command that can run</source>
        <translation>%1 hat keinen ausführbaren Befehl</translation>
    </message>
    <message>
        <source>%1 needs a terminal, and none is installed</source>
        <translation>%1 benötigt ein Terminal, aber es ist keines installiert</translation>
    </message>
    <message>
        <source>No web browser is set up to open &quot;%1&quot;.</source>
        <translation>Zum Öffnen von &quot;%1&quot; ist kein Webbrowser eingerichtet.</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1:&quot; addresses such as &quot;%2&quot;.</source>
        <translation>Zum Öffnen von &quot;%1:&quot;-Adressen wie &quot;%2&quot; ist keine Anwendung eingerichtet.</translation>
    </message>
    <message>
        <source>No application is set up to open the folder &quot;%1&quot;.</source>
        <translation>Zum Öffnen des Ordners &quot;%1&quot; ist keine Anwendung eingerichtet.</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1&quot;.</source>
        <translation>Zum Öffnen von &quot;%1&quot; ist keine Anwendung eingerichtet.</translation>
    </message>
    <message>
        <source>No application is set up for the file type &quot;%1&quot;, so &quot;%2&quot; cannot be opened.</source>
        <translation>Für den Dateityp &quot;%1&quot; ist keine Anwendung eingerichtet, daher kann &quot;%2&quot; nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot; was stopped before it finished.</source>
        <translation>Das Öffnen von &quot;%1&quot; wurde vorzeitig abgebrochen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be found.</source>
        <translation>&quot;%1&quot; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The application set up to open &quot;%1&quot; could not open it.</source>
        <translation>Die zum Öffnen von &quot;%1&quot; eingerichtete Anwendung konnte es nicht öffnen.</translation>
    </message>
    <message>
        <source>the entry has no target</source>
        <translation>der Eintrag hat kein Ziel</translation>
    </message>
    <message>
        <source>the target holds a zero character</source>
        <translation>das Ziel enthält ein Nullzeichen</translation>
    </message>
    <message>
        <source>the target has a quote that is not closed</source>
        <translation>das Ziel enthält ein nicht geschlossenes Anführungszeichen</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>LauncherMenu</name>
    <message>
        <source>No match</source>
        <extracomment>Shown in the launcher menu when no entry matches the typed filter</extracomment>
        <translation>Kein Treffer</translation>
    </message>
</context>
<context>
    <name>MenuFile</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht erstellt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write the backup &quot;%1&quot;, so the menu file was not changed. %2</source>
        <translation>Die Sicherung &quot;%1&quot; kann nicht geschrieben werden, daher wurde die Menüdatei nicht geändert. %2</translation>
    </message>
</context>
<context>
    <name>MenuShortcutDialog</name>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Larkspan cannot set the shortcuts of %1. To open the launcher menu with a key, bind it to this command in the desktop&apos;s keyboard settings:</source>
        <translation>Larkspan kann die Tastenkürzel von %1 nicht einstellen. Um das Menü mit einer Taste zu öffnen, belegen Sie in den Tastatureinstellungen der Arbeitsumgebung eine Taste mit diesem Befehl:</translation>
    </message>
    <message>
        <source>The key combination that opens the launcher menu, kept in the keyboard settings of %1. Press a new one to change it.</source>
        <translation>Die Tastenkombination, die das Menü öffnet, gespeichert in den Tastatureinstellungen von %1. Drücken Sie eine neue, um sie zu ändern.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Festlegen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Press a combination with Ctrl, Alt or Super, or a function key.</source>
        <translation>Drücken Sie eine Kombination mit Strg, Alt oder Super oder eine Funktionstaste.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Jetzt: %1</translation>
    </message>
    <message>
        <source>Now: none</source>
        <translation>Jetzt: keine</translation>
    </message>
    <message>
        <source>%1 cannot open the menu: it needs Ctrl, Alt or Super, or must be a function key.</source>
        <translation>%1 kann das Menü nicht öffnen: Es braucht Strg, Alt oder Super oder muss eine Funktionstaste sein.</translation>
    </message>
    <message>
        <source>%1 opens the menu already.</source>
        <translation>%1 öffnet das Menü bereits.</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;. Press another one.</source>
        <translation>%1 ist bereits mit &quot;%2&quot; belegt. Drücken Sie eine andere.</translation>
    </message>
    <message>
        <source>%1 is free.</source>
        <translation>%1 ist frei.</translation>
    </message>
</context>
<context>
    <name>MenuShortcutStore</name>
    <message>
        <source>%1 cannot bind this key.</source>
        <translation>%1 kann diese Taste nicht belegen.</translation>
    </message>
    <message>
        <source>Larkspan menu</source>
        <translation>Larkspan-Menü</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>KDE&apos;s shortcut service failed: %1</source>
        <translation>Der Tastenkürzel-Dienst von KDE ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1 is not a configuration of openbox.</source>
        <translation>%1 ist keine Konfiguration von openbox.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 can be read.</source>
        <translation>Weder %1 noch %2 kann gelesen werden.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>%1 did not answer within 10 seconds.</source>
        <translation>%1 hat nicht innerhalb von 10 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>%1 %2 failed: %3</source>
        <translation>%1 %2 ist fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;.</source>
        <translation>%1 ist bereits mit &quot;%2&quot; belegt.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service failed: %1</source>
        <translation>Der Einstellungsdienst von Xfce ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>Navigator</name>
    <message>
        <source>First record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Nächster Datensatz</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Letzter Datensatz</translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation>Datensatz einfügen</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Datensatz löschen</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Post edit</source>
        <extracomment>Tooltip of the reference list&apos;s button that stores the record being edited</extracomment>
        <translation>Änderung speichern</translation>
    </message>
    <message>
        <source>Cancel edit</source>
        <translation>Änderung verwerfen</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ReferenceNavigator</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>SaveMenuCopy</name>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;. %3</source>
        <translation>&quot;%1&quot; kann nicht nach &quot;%2&quot; kopiert werden. %3</translation>
    </message>
</context>
<context>
    <name>SettingsList</name>
    <message>
        <source>Menu Seperator (-)</source>
        <extracomment>How the Settings list shows a separator line of the menu (the English spelling is kept as users know it)</extracomment>
        <translation>Menütrennlinie (-)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>My Menu Files(*.ini)|*.ini</source>
        <extracomment>The name of the file type, then &quot;|&quot; and its pattern, which stays as it is.</extracomment>
        <translation>Meine Menüdateien(*.ini)|*.ini</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Menü öffnen</translation>
    </message>
    <message>
        <source>Save menu</source>
        <translation>Menü speichern</translation>
    </message>
    <message>
        <source>New application</source>
        <translation>Neue Anwendung</translation>
    </message>
    <message>
        <source>Edit application</source>
        <translation>Anwendung bearbeiten</translation>
    </message>
    <message>
        <source>Delete application</source>
        <translation>Anwendung löschen</translation>
    </message>
    <message>
        <source>Add installed application…</source>
        <translation>Installierte Anwendung hinzufügen…</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Ausprobieren</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Context menu of the list of entries: edit the selected entry</extracomment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Context menu of the list of entries: delete the selected entry</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>List of Windows MMC Records</source>
        <translation>Liste der Windows-MMC-Datensätze</translation>
    </message>
    <message>
        <source>List of Windows Server MMC Records</source>
        <translation>Liste der Windows-Server-MMC-Datensätze</translation>
    </message>
    <message>
        <source>Run Commands</source>
        <translation>Ausführen-Befehle</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date. &quot;%1&quot; is no longer in it.</source>
        <translation>Ein anderes Programm hat die Menüdatei geändert, daher wurde die Liste aktualisiert. &quot;%1&quot; ist nicht mehr darin enthalten.</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date.</source>
        <translation>Ein anderes Programm hat die Menüdatei geändert, daher wurde die Liste aktualisiert.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;</source>
        <translation>Möchten Sie &quot;%1&quot; wirklich löschen?</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that opens a menu file</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Title of the file dialog that saves a copy of the menu file</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Keyboard shortcut…</source>
        <translation>Tastenkürzel…</translation>
    </message>
    <message>
        <source>The key that opens the launcher menu</source>
        <translation>Die Taste, die das Menü öffnet</translation>
    </message>
    <message>
        <source>this desktop</source>
        <translation>dieser Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Context menu of the list of entries: take back the last change of the menu</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Context menu of the list of entries: make the change taken back again</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the last change cannot be undone.</source>
        <translation>Ein anderes Programm hat die Menüdatei geändert, daher kann die letzte Änderung nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the change cannot be redone.</source>
        <translation>Ein anderes Programm hat die Menüdatei geändert, daher kann die Änderung nicht wiederholt werden.</translation>
    </message>
    <message>
        <source>Clear launch history</source>
        <translation>Startverlauf löschen</translation>
    </message>
    <message>
        <source>Forget which entries you open most; the menu&apos;s filter lists those first</source>
        <translation>Vergessen, welche Einträge Sie am häufigsten öffnen; der Filter des Menüs zeigt sie zuerst</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Performs ACTION (menu, settings, about) once started.</source>
        <translation>Führt ACTION (menu, settings, about) nach dem Start aus.</translation>
    </message>
</context>
</TS>
