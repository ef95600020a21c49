<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Vantor Online</source>
        <translation>Über Vantor Online</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the launcher&apos;s version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Ported by the Vantor Online community</source>
        <translation>Portiert von der Vantor Online-Community</translation>
    </message>
    <message>
        <source>Built on top of the RN GPLv3 open-source release</source>
        <translation>Aufgebaut auf der quelloffenen RN-Veröffentlichung unter der GPLv3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Ardenfall™ Vantor — Duskline is a trademark of its respective owners.
The game engine&apos;s source code is licensed under the GPLv3.</source>
        <extracomment>The game&apos;s full name stays as it is, trademark sign included.</extracomment>
        <translation>Ardenfall™ Vantor — Duskline ist eine Marke der jeweiligen Inhaber.
Der Quellcode der Spiel-Engine steht unter der GPLv3.</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppUpdate</name>
    <message>
        <source>the field &quot;%1&quot;</source>
        <translation>das Feld „%1“</translation>
    </message>
    <message>
        <source>it is not JSON</source>
        <translation>sie ist kein JSON</translation>
    </message>
    <message>
        <source>it is JSON but not an object</source>
        <translation>sie ist JSON, aber kein Objekt</translation>
    </message>
    <message>
        <source>it is nested more than %1 levels deep</source>
        <translation>sie ist mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>it holds a number beyond the range of a double</source>
        <translation>sie enthält eine Zahl außerhalb des Bereichs eines Double</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 names a field of the manifest: the field &quot;version&quot;.</extracomment>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is not a string</source>
        <translation>%1 ist keine Zeichenkette</translation>
    </message>
    <message>
        <source>%1 is not a whole number in the 64-bit range</source>
        <translation>%1 ist keine ganze Zahl im 64-Bit-Bereich</translation>
    </message>
</context>
<context>
    <name>CheckUpdateCommand</name>
    <message>
        <source>Checks once whether a newer launcher is published. Exit status: 0 when
the manifest was read (with or without an update), 1 when it was not.</source>
        <translation>Prüft einmal, ob ein neuerer Launcher veröffentlicht ist. Rückgabewert: 0,
wenn das Manifest gelesen wurde (mit oder ohne Update), 1, wenn nicht.</translation>
    </message>
    <message>
        <source>could not fetch or read the update manifest at %1: %2</source>
        <extracomment>%1 is the manifest&apos;s web address, %2 why it could not be read.</extracomment>
        <translation>das Update-Manifest unter %1 konnte nicht abgerufen oder gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>check once whether a newer launcher is published</source>
        <translation>einmal prüfen, ob ein neuerer Launcher veröffentlicht ist</translation>
    </message>
    <message>
        <source>check that DIR holds both game versions</source>
        <translation>prüfen, ob DIR beide Spielversionen enthält</translation>
    </message>
    <message>
        <source>start the game from the Steam download or a local folder</source>
        <translation>das Spiel aus dem Steam-Download oder einem lokalen Ordner starten</translation>
    </message>
    <message>
        <source>show SteamCMD, assets, local folder, user and version</source>
        <translation>SteamCMD, Spieldaten, lokalen Ordner, Benutzer und Version anzeigen</translation>
    </message>
    <message>
        <source>print the version and build</source>
        <translation>Version und Build ausgeben</translation>
    </message>
    <message>
        <source>Without a command the launcher window opens; it also takes Qt&apos;s own options,
such as -platform and -style. Each command has its own --help.</source>
        <translation>Ohne Befehl öffnet sich das Launcher-Fenster; es nimmt auch Qts eigene
Optionen wie -platform und -style an. Jeder Befehl hat ein eigenes --help.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>download the game&apos;s data through SteamCMD</source>
        <translation>die Spieldaten über SteamCMD herunterladen</translation>
    </message>
    <message>
        <source>show the settings, or change them (and move the game data)</source>
        <translation>die Einstellungen anzeigen oder ändern (und die Spieldaten verschieben)</translation>
    </message>
    <message>
        <source>the language of the launcher&apos;s messages (de, fr, es, pt_BR, ru, pl, zh_CN, en) instead of the system&apos;s</source>
        <translation>die Sprache der Meldungen des Launchers (de, fr, es, pt_BR, ru, pl, zh_CN, en) statt der des Systems</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>print this help</source>
        <translation>diese Hilfe ausgeben</translation>
    </message>
    <message>
        <source>also print the launcher&apos;s developer log on standard error</source>
        <translation>zusätzlich das Entwicklerprotokoll des Launchers auf der Standardfehlerausgabe ausgeben</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option, as typed (&quot;--username&quot;).</extracomment>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is an argument&apos;s name in capitals (&quot;DIR&quot;).</extracomment>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is what to type: the command and its options.</extracomment>
        <translation>Aufruf: %1</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <source>Awaiting command...</source>
        <translation>Warte auf Befehl...</translation>
    </message>
    <message>
        <source>SteamCMD console</source>
        <translation>SteamCMD-Konsole</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <extracomment>The notification&apos;s button that shows the window.</extracomment>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>DownloadAnnouncer</name>
    <message>
        <source>Assets ready</source>
        <extracomment>A desktop notification; LAUNCH is the window&apos;s button.</extracomment>
        <translation>Spieldaten bereit</translation>
    </message>
    <message>
        <source>The game is downloaded and patched: LAUNCH starts it.</source>
        <translation>Das Spiel ist heruntergeladen und gepatcht: SPIELEN startet es.</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Download stopped</source>
        <translation>Download angehalten</translation>
    </message>
    <message>
        <source>A new download continues where this one stopped.</source>
        <translation>Ein neuer Download setzt dort fort, wo dieser angehalten hat.</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <source>Runs one whole Steam download, as the window&apos;s button does. Without
--password-stdin the keyring&apos;s password for the account is used, or
asked for on the terminal. Given credentials are saved in the keyring.
A Steam Guard code is read from standard input, or from the terminal
once standard input has ended.
Exit status: 0 assets ready, 1 failed, 2 a usage problem, 130 stopped
by SIGINT or SIGTERM.</source>
        <translation>Führt einen ganzen Steam-Download aus, wie der Knopf im Fenster. Ohne
--password-stdin wird das Passwort des Kontos aus dem Schlüsselbund
genommen oder am Terminal abgefragt. Angegebene Zugangsdaten werden im
Schlüsselbund gespeichert. Ein Steam Guard-Code wird von der
Standardeingabe gelesen oder, sobald diese endet, vom Terminal.
Rückgabewert: 0 Spieldaten bereit, 1 fehlgeschlagen, 2 falscher Aufruf,
130 durch SIGINT oder SIGTERM abgebrochen.</translation>
    </message>
    <message>
        <source>the Steam account (default: the one saved in the keyring)</source>
        <translation>das Steam-Konto (Standard: das im Schlüsselbund gespeicherte)</translation>
    </message>
    <message>
        <source>read the password from the first line of standard input</source>
        <translation>das Passwort aus der ersten Zeile der Standardeingabe lesen</translation>
    </message>
    <message>
        <source>--username NAME is required (no Steam account is saved in the keyring)</source>
        <translation>--username NAME ist erforderlich (im Schlüsselbund ist kein Steam-Konto gespeichert)</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Passwort: </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password entered
</source>
        <translation>vantor-launcher download: kein Passwort eingegeben
</translation>
    </message>
    <message>
        <source>vantor-launcher download: standard input ended before the password line
</source>
        <translation>vantor-launcher download: die Standardeingabe endete vor der Passwortzeile
</translation>
    </message>
    <message>
        <source>Steam password: </source>
        <translation>Steam-Passwort: </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password: standard input is not a terminal; give --password-stdin and write the password as the first line of standard input
</source>
        <translation>vantor-launcher download: kein Passwort: die Standardeingabe ist kein Terminal; gib --password-stdin an und schreibe das Passwort in die erste Zeile der Standardeingabe
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher download: SIGINT/SIGTERM können nicht überwacht werden
</translation>
    </message>
    <message>
        <source>Steam Guard code: </source>
        <translation>Steam Guard-Code: </translation>
    </message>
    <message>
        <source>
vantor-launcher download: the input ended without a Steam Guard code, cancelling
</source>
        <translation>
vantor-launcher download: die Eingabe endete ohne Steam Guard-Code, Abbruch
</translation>
    </message>
    <message>
        <source>
vantor-launcher download: interrupted, stopping SteamCMD
</source>
        <translation>
vantor-launcher download: unterbrochen, SteamCMD wird beendet
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cancelled
</source>
        <translation>vantor-launcher download: abgebrochen
</translation>
    </message>
</context>
<context>
    <name>DownloadRun</name>
    <message numerus="yes">
        <source>SteamCMD asked to be restarted %n times in a row (exit code 42)</source>
        <translation>
            <numerusform>SteamCMD wollte %n-mal hintereinander neu gestartet werden (Exit-Code 42)</numerusform>
            <numerusform>SteamCMD wollte %n-mal hintereinander neu gestartet werden (Exit-Code 42)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>PORTED BY THE VANTOR ONLINE COMMUNITY</source>
        <translation>PORTIERT VON DER VANTOR ONLINE-COMMUNITY</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About Vantor Online</source>
        <translation>Über Vantor Online</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source>Checks that DIR holds both game versions: its immediate subfolders
contain ini.big and inidl.big (any letter case). Prints VALID (status 0),
or why not (status 1).</source>
        <translation>Prüft, ob DIR beide Spielversionen enthält: seine direkten Unterordner
enthalten ini.big und inidl.big (Groß-/Kleinschreibung egal). Gibt VALID
aus (Rückgabewert 0) oder warum nicht (Rückgabewert 1).</translation>
    </message>
    <message>
        <source>the folder that holds both game versions</source>
        <translation>der Ordner, der beide Spielversionen enthält</translation>
    </message>
    <message>
        <source>Starts the game from the chosen data source. When the source is not ready,
prints the window&apos;s hint and exits with status 1.</source>
        <translation>Startet das Spiel aus der gewählten Datenquelle. Ist die Quelle nicht bereit,
wird der Hinweis des Fensters ausgegeben und mit Rückgabewert 1 beendet.</translation>
    </message>
    <message>
        <source>the data source: steam (the default) or local</source>
        <translation>die Datenquelle: steam (Standard) oder local</translation>
    </message>
    <message>
        <source>the local game folder, for this run only (it is not stored)</source>
        <translation>der lokale Spielordner, nur für diesen Aufruf (wird nicht gespeichert)</translation>
    </message>
    <message>
        <source>unknown source &apos;%1&apos;</source>
        <translation>unbekannte Quelle „%1“</translation>
    </message>
    <message>
        <source>--path needs a folder</source>
        <translation>--path braucht einen Ordner</translation>
    </message>
    <message>
        <source>Shows where SteamCMD, the assets and the local folder are and whether
they are usable, the saved Steam user and the version: what to
include in a bug report.</source>
        <translation>Zeigt, wo SteamCMD, die Spieldaten und der lokale Ordner liegen und ob
sie nutzbar sind, den gespeicherten Steam-Benutzer und die Version: was
in einen Fehlerbericht gehört.</translation>
    </message>
</context>
<context>
    <name>GameFolders</name>
    <message>
        <source>INVALID TARGET — No ini.big / inidl.big detected in subdirectories</source>
        <extracomment>The file names ini.big and inidl.big stay as they are.</extracomment>
        <translation>UNGÜLTIGES ZIEL — Keine ini.big / inidl.big in den Unterordnern gefunden</translation>
    </message>
    <message>
        <source>DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH</source>
        <translation>LADE DIE SPIELDATEN ÜBER STEAM, UM ZU SPIELEN</translation>
    </message>
    <message>
        <source>SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS</source>
        <extracomment>The local tab&apos;s hint: the chosen folder must hold both versions of the game.</extracomment>
        <translation>WÄHLE DEN ÜBERORDNER MIT BEIDEN SPIELVERSIONEN</translation>
    </message>
</context>
<context>
    <name>InstallFolderController</name>
    <message>
        <source>The game data is being moved to another folder; start the download once the move has ended.</source>
        <translation>Die Spieldaten werden gerade in einen anderen Ordner verschoben; starte den Download, sobald das erledigt ist.</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>Der Installationsordner muss ein absoluter Pfad sein.</translation>
    </message>
    <message>
        <source>A download is running. Stop it before changing the install folder.</source>
        <translation>Ein Download läuft. Halte ihn an, bevor du den Installationsordner änderst.</translation>
    </message>
    <message>
        <source>A download is still stopping. Try again in a moment.</source>
        <translation>Ein Download wird noch beendet. Versuche es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The game data is being moved already.</source>
        <translation>Die Spieldaten werden bereits verschoben.</translation>
    </message>
    <message>
        <source>Could not store the install folder.</source>
        <translation>Der Installationsordner konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The game data now goes to %1.</source>
        <translation>Die Spieldaten kommen jetzt nach %1.</translation>
    </message>
    <message>
        <source>%1. Stop it before changing the install folder.</source>
        <extracomment>%1 says which download holds the install folder.</extracomment>
        <translation>%1. Halte ihn an, bevor du den Installationsordner änderst.</translation>
    </message>
    <message>
        <source>Moving the game data to %1...</source>
        <translation>Die Spieldaten werden nach %1 verschoben...</translation>
    </message>
    <message>
        <source>The move was cancelled; the game data stays in &quot;%1&quot;.</source>
        <translation>Das Verschieben wurde abgebrochen; die Spieldaten bleiben in „%1“.</translation>
    </message>
</context>
<context>
    <name>InstallFolderMove</name>
    <message>
        <source>device</source>
        <translation>Gerätedatei</translation>
    </message>
    <message>
        <source>named pipe</source>
        <translation>benannte Pipe</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>Socket</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>Spezialdatei</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>Der Installationsordner muss ein absoluter Pfad sein.</translation>
    </message>
    <message>
        <source>The game data is in &quot;%1&quot; already.</source>
        <translation>Die Spieldaten liegen bereits in „%1“.</translation>
    </message>
    <message>
        <source>The new install folder cannot be inside the current one (&quot;%1&quot;).</source>
        <translation>Der neue Installationsordner darf nicht im aktuellen liegen („%1“).</translation>
    </message>
    <message>
        <source>The new install folder cannot hold the current one (&quot;%1&quot;).</source>
        <translation>Der neue Installationsordner darf den aktuellen nicht enthalten („%1“).</translation>
    </message>
    <message>
        <source>Could not move the game data: %1; it stays in &quot;%2&quot;.</source>
        <translation>Die Spieldaten konnten nicht verschoben werden: %1; sie bleiben in „%2“.</translation>
    </message>
    <message>
        <source>could not make &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>could not move &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht verschoben werden: %2</translation>
    </message>
    <message>
        <source>could not read &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>could not read the link &quot;%1&quot;</source>
        <translation>die Verknüpfung „%1“ konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>could not make a folder in &quot;%1&quot;: %2</source>
        <translation>in „%1“ konnte kein Ordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>could not copy &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht kopiert werden: %2</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is missing</source>
        <translation>die Kopie von „%1“ fehlt</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is no folder</source>
        <translation>die Kopie von „%1“ ist kein Ordner</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; holds %2 bytes instead of %3</source>
        <translation>die Kopie von „%1“ enthält %2 Byte statt %3</translation>
    </message>
    <message>
        <source>the copy of the link &quot;%1&quot; differs</source>
        <translation>die Kopie der Verknüpfung „%1“ weicht ab</translation>
    </message>
    <message>
        <source>could not put &quot;%1&quot; in place: %2</source>
        <translation>„%1“ konnte nicht an seinen Platz gebracht werden: %2</translation>
    </message>
    <message>
        <source>the new install folder could not be stored</source>
        <translation>der neue Installationsordner konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>There was no game data to move; the game data now goes to &quot;%1&quot;.</source>
        <translation>Es gab keine Spieldaten zu verschieben; die Spieldaten kommen jetzt nach „%1“.</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot;.</source>
        <translation>Die Spieldaten wurden nach „%1“ verschoben.</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot; (%2 copied).</source>
        <translation>Die Spieldaten wurden nach „%1“ verschoben (%2 kopiert).</translation>
    </message>
    <message>
        <source>The old copy of %1 in &quot;%2&quot; could not be removed (%3).</source>
        <translation>Die alte Kopie von %1 in „%2“ konnte nicht entfernt werden (%3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2; only files, folders and links can be moved</source>
        <extracomment>%1 is a path in the game data, %2 what it is (&quot;device&quot;, &quot;named pipe&quot;, ...).</extracomment>
        <translation>„%1“ ist ein(e) %2; nur Dateien, Ordner und Verknüpfungen können verschoben werden</translation>
    </message>
</context>
<context>
    <name>InstallLock</name>
    <message>
        <source>Cannot open the download lock %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>Die Download-Sperre %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Another download is already running (process %1)</source>
        <translation>Ein anderer Download läuft bereits (Prozess %1)</translation>
    </message>
    <message>
        <source>Another download is already running</source>
        <translation>Ein anderer Download läuft bereits</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
</context>
<context>
    <name>LaunchButton</name>
    <message>
        <source>INITIALIZING...</source>
        <extracomment>The launch button while the game starts, and its label.</extracomment>
        <translation>WIRD GESTARTET...</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <translation>SPIELEN</translation>
    </message>
</context>
<context>
    <name>LaunchCommand</name>
    <message>
        <source>in the %1, %2</source>
        <extracomment>%1 names the setting (&quot;wrapper command&quot;), %2 says what is wrong in it.</extracomment>
        <translation>in den %1: %2</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found</source>
        <translation>der Wrapper „%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; is not an executable file</source>
        <translation>der Wrapper „%1“ ist keine ausführbare Datei</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found on PATH</source>
        <translation>der Wrapper „%1“ wurde im PATH nicht gefunden</translation>
    </message>
    <message>
        <source>wrapper command</source>
        <translation>Wrapper-Angaben</translation>
    </message>
    <message>
        <source>extra arguments</source>
        <translation>zusätzlichen Argumenten</translation>
    </message>
    <message>
        <source>environment variables</source>
        <translation>Umgebungsvariablen</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; is not of the form NAME=value</source>
        <translation>die Umgebungsvariable „%1“ hat nicht die Form NAME=Wert</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; has an invalid name: a name is made of letters, digits and _ and does not start with a digit</source>
        <translation>die Umgebungsvariable „%1“ hat einen ungültigen Namen: ein Name besteht aus Buchstaben, Ziffern und _ und beginnt nicht mit einer Ziffer</translation>
    </message>
    <message>
        <source>the wrapper command holds %1 more than once</source>
        <translation>der Wrapper enthält %1 mehr als einmal</translation>
    </message>
</context>
<context>
    <name>LauncherSettings</name>
    <message>
        <source>System default</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Systemstandard</translation>
    </message>
</context>
<context>
    <name>LauncherViewModel</name>
    <message>
        <source>Select the Windows Game Folder (containing .big files)</source>
        <translation>Windows-Spielordner wählen (mit .big-Dateien)</translation>
    </message>
    <message>
        <source>Select the folder the Steam download goes to</source>
        <translation>Ordner für den Steam-Download wählen</translation>
    </message>
    <message>
        <source>Engine binary not found at %1</source>
        <translation>Spiel-Engine nicht gefunden unter %1</translation>
    </message>
    <message>
        <source>Failed to launch game: %1</source>
        <translation>Spiel konnte nicht gestartet werden: %1</translation>
    </message>
</context>
<context>
    <name>LocalTab</name>
    <message>
        <source>TACTICAL DATA PATH:</source>
        <translation>TAKTISCHER DATENPFAD:</translation>
    </message>
    <message>
        <source>NO SIGNAL — AWAITING FOLDER TARGET</source>
        <translation>KEIN SIGNAL — WARTE AUF ZIELORDNER</translation>
    </message>
    <message>
        <source>LOCATE</source>
        <translation>SUCHEN</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quit Vantor Online</source>
        <translation>Vantor Online beenden</translation>
    </message>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Ein Download läuft. Anhalten und beenden?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Anhalten und beenden</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <translation>Weiterlaufen lassen</translation>
    </message>
    <message>
        <source>Launch Vantor Online</source>
        <translation>Vantor Online starten</translation>
    </message>
    <message>
        <source>A download is running. Stop it and launch?</source>
        <translation>Ein Download läuft. Anhalten und spielen?</translation>
    </message>
    <message>
        <source>Stop and Launch</source>
        <translation>Anhalten und spielen</translation>
    </message>
    <message>
        <source>STEAM (RECOMMENDED)</source>
        <translation>STEAM (EMPFOHLEN)</translation>
    </message>
    <message>
        <source>LOCAL ARCHIVE</source>
        <translation>LOKALES ARCHIV</translation>
    </message>
    <message>
        <source>Launch Error</source>
        <translation>Startfehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>Spiel nicht gefunden</translation>
    </message>
    <message>
        <source>Open Steam Store</source>
        <translation>Steam-Shop öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; does not own Ardenfall™ Vantor — Duskline.

Purchase the game on Steam, then press &quot;Download Assets&quot; again.</source>
        <extracomment>%1 is the Steam account&apos;s name. &quot;Download Assets&quot; names the Steam tab&apos;s button.</extracomment>
        <translation>Das Konto „%1“ besitzt Ardenfall™ Vantor — Duskline nicht.

Kaufe das Spiel auf Steam und drücke dann erneut auf „Spieldaten laden“.</translation>
    </message>
</context>
<context>
    <name>Patch</name>
    <message>
        <source>Refused the patch archive: %1</source>
        <translation>Patch-Archiv abgelehnt: %1</translation>
    </message>
    <message>
        <source>Invalid patch URL.</source>
        <translation>Ungültige Patch-Adresse.</translation>
    </message>
    <message>
        <source>Failed to prepare patch file: %1</source>
        <translation>Patch-Datei konnte nicht vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>Failed to download patch: %1</source>
        <translation>Patch konnte nicht heruntergeladen werden: %1</translation>
    </message>
    <message>
        <source>Failed to unpack patch: %1</source>
        <translation>Patch konnte nicht entpackt werden: %1</translation>
    </message>
    <message>
        <source>Failed to execute unzip: %1</source>
        <translation>unzip konnte nicht ausgeführt werden: %1</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>Ends a failure&apos;s message: the install folder was left as it was.</extracomment>
        <translation>%1; es wurde nichts verändert</translation>
    </message>
    <message>
        <source>Failed to unpack patch: unzip wrote more than the %1 the archive declares</source>
        <translation>Patch konnte nicht entpackt werden: unzip schrieb mehr als die %1, die das Archiv angibt</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip ended by signal %1)</source>
        <translation>Patch konnte nicht entpackt werden (unzip durch Signal %1 beendet)</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip exited with code %1)</source>
        <translation>Patch konnte nicht entpackt werden (unzip endete mit Code %1)</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>vantor-launcher settings: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher settings: SIGINT/SIGTERM können nicht überwacht werden
</translation>
    </message>
    <message>
        <source>
vantor-launcher settings: interrupted, stopping the move
</source>
        <translation>
vantor-launcher settings: unterbrochen, das Verschieben wird angehalten
</translation>
    </message>
    <message>
        <source>Moving the game data from &quot;%1&quot; to &quot;%2&quot;...
</source>
        <translation>Die Spieldaten werden von „%1“ nach „%2“ verschoben...
</translation>
    </message>
    <message>
        <source>%1 of %2 (%3%)</source>
        <translation>%1 von %2 (%3 %)</translation>
    </message>
    <message>
        <source>Without options, prints every setting: its name, its key in the
configuration file and its value. With options, changes them and prints
them again. --install-dir alone only changes where the Steam download goes;
with --move the launcher&apos;s game data (Assets, DL_Vantor and the community
patch&apos;s files) is moved there first, and Ctrl-C cancels the move, leaving
the data where it was. --reset puts every setting back to its default (it
moves nothing).
Exit status: 0 done, 1 a change refused or failed, 2 a usage problem,
130 a move stopped by SIGINT or SIGTERM.</source>
        <translation>Ohne Optionen gibt er jede Einstellung aus: ihren Namen, ihren Schlüssel in
der Konfigurationsdatei und ihren Wert. Mit Optionen ändert er sie und gibt
sie erneut aus. --install-dir allein ändert nur, wohin der Steam-Download
geht; mit --move werden die Spieldaten des Launchers (Assets, DL_Vantor und
die Dateien des Community-Patches) zuerst dorthin verschoben, und Strg-C
bricht das Verschieben ab, wobei die Daten bleiben, wo sie waren. --reset
setzt jede Einstellung auf ihren Standard zurück (es wird nichts verschoben).
Rückgabewert: 0 erledigt, 1 eine Änderung abgelehnt oder fehlgeschlagen,
2 falscher Aufruf, 130 ein Verschieben durch SIGINT oder SIGTERM abgebrochen.</translation>
    </message>
    <message>
        <source>where the Steam download goes</source>
        <translation>wohin der Steam-Download geht</translation>
    </message>
    <message>
        <source>with --install-dir: move the game data there first</source>
        <translation>mit --install-dir: die Spieldaten zuerst dorthin verschieben</translation>
    </message>
    <message>
        <source>the program the game is started through</source>
        <translation>das Programm, über das das Spiel gestartet wird</translation>
    </message>
    <message>
        <source>the game&apos;s extra arguments</source>
        <translation>die zusätzlichen Argumente des Spiels</translation>
    </message>
    <message>
        <source>the game&apos;s extra environment (NAME=VALUE ...)</source>
        <translation>die zusätzliche Umgebung des Spiels (NAME=WERT ...)</translation>
    </message>
    <message>
        <source>the download speed limit in KB/s (1000 bytes), or off</source>
        <translation>die Download-Begrenzung in KB/s (1000 Byte) oder off</translation>
    </message>
    <message>
        <source>a desktop notification when a download ends</source>
        <translation>eine Desktop-Benachrichtigung, wenn ein Download endet</translation>
    </message>
    <message>
        <source>the download&apos;s progress on the task bar</source>
        <translation>der Fortschritt des Downloads in der Taskleiste</translation>
    </message>
    <message>
        <source>every setting back to its default</source>
        <translation>jede Einstellung auf ihren Standard zurücksetzen</translation>
    </message>
    <message>
        <source>--%1 cannot hold control characters (line breaks, tabs)</source>
        <translation>--%1 darf keine Steuerzeichen enthalten (Zeilenumbrüche, Tabulatoren)</translation>
    </message>
    <message>
        <source>--download-limit takes KB/s from 1 to %1, or off; not &apos;%2&apos;</source>
        <translation>--download-limit nimmt KB/s von 1 bis %1 oder off, nicht „%2“</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &apos;%2&apos;</source>
        <translation>--%1 nimmt on oder off, nicht „%2“</translation>
    </message>
    <message>
        <source>--install-dir needs a folder</source>
        <translation>--install-dir braucht einen Ordner</translation>
    </message>
    <message>
        <source>--move goes with --install-dir DIR</source>
        <translation>--move gehört zu --install-dir DIR</translation>
    </message>
    <message>
        <source>--reset goes alone</source>
        <translation>--reset steht allein</translation>
    </message>
    <message>
        <source>vantor-launcher settings: the settings could not be written
</source>
        <translation>vantor-launcher settings: die Einstellungen konnten nicht geschrieben werden
</translation>
    </message>
    <message>
        <source>The game data in &quot;%1&quot; was not moved (--move moves it).
</source>
        <translation>Die Spieldaten in „%1“ wurden nicht verschoben (--move verschiebt sie).
</translation>
    </message>
    <message>
        <source>the language from the next start on (%1), or system</source>
        <translation>die Sprache ab dem nächsten Start (%1) oder system</translation>
    </message>
    <message>
        <source>--language takes %1 or system, not &apos;%2&apos;</source>
        <translation>--language nimmt %1 oder system, nicht „%2“</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>INSTALL FOLDER</source>
        <translation>INSTALLATIONSORDNER</translation>
    </message>
    <message>
        <source>Install folder: %1</source>
        <translation>Installationsordner: %1</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Ändern…</translation>
    </message>
    <message>
        <source>Change install folder</source>
        <translation>Installationsordner ändern</translation>
    </message>
    <message>
        <source>Move the game data there</source>
        <translation>Spieldaten dorthin verschieben</translation>
    </message>
    <message>
        <source>Move progress</source>
        <translation>Fortschritt des Verschiebens</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel the move</source>
        <translation>Verschieben abbrechen</translation>
    </message>
    <message>
        <source>A download is running: the folder can change once it has ended.</source>
        <translation>Ein Download läuft: der Ordner lässt sich ändern, sobald er beendet ist.</translation>
    </message>
    <message>
        <source>Wrapper</source>
        <translation>Wrapper</translation>
    </message>
    <message>
        <source>Launch wrapper</source>
        <translation>Start-Wrapper</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>Launch arguments</source>
        <translation>Startargumente</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Umgebung</translation>
    </message>
    <message>
        <source>Launch environment</source>
        <translation>Startumgebung</translation>
    </message>
    <message>
        <source>Split into words as a shell would, but never run through a shell; %command% is accepted.</source>
        <extracomment>%command% stays as it is: the player types it into the wrapper.</extracomment>
        <translation>Wird wie in einer Shell in Wörter zerlegt, aber nie über eine Shell ausgeführt; %command% ist erlaubt.</translation>
    </message>
    <message>
        <source>Speed limit</source>
        <translation>Begrenzung</translation>
    </message>
    <message>
        <source>Download speed limit in KB/s</source>
        <translation>Download-Begrenzung in KB/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>No download speed limit</source>
        <translation>Keine Download-Begrenzung</translation>
    </message>
    <message>
        <source>NOTIFICATIONS</source>
        <translation>BENACHRICHTIGUNGEN</translation>
    </message>
    <message>
        <source>Notify me when a download ends</source>
        <translation>Benachrichtigen, wenn ein Download endet</translation>
    </message>
    <message>
        <source>Show download progress on the task bar</source>
        <translation>Download-Fortschritt in der Taskleiste anzeigen</translation>
    </message>
    <message>
        <source>FOLDERS</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Open install folder</source>
        <translation>Installationsordner öffnen</translation>
    </message>
    <message>
        <source>Open logs folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: how the game is started.</extracomment>
        <translation>SPIELSTART</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: the Steam download.</extracomment>
        <translation>DOWNLOAD</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>SPRACHE</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Applies the next time the launcher starts.</source>
        <extracomment>Under the language choice: the window keeps its language until then.</extracomment>
        <translation>Gilt ab dem nächsten Start des Launchers.</translation>
    </message>
</context>
<context>
    <name>ShellWords</name>
    <message>
        <source>the %1 quote at character %2 is never closed</source>
        <extracomment>%1 is &quot;single&quot; or &quot;double&quot; (translated apart), %2 a number.</extracomment>
        <translation>das %1 Anführungszeichen bei Zeichen %2 wird nie geschlossen</translation>
    </message>
    <message>
        <source>the backslash at the end escapes nothing</source>
        <translation>der Backslash am Ende maskiert nichts</translation>
    </message>
    <message>
        <source>single</source>
        <translation>einfache</translation>
    </message>
    <message>
        <source>double</source>
        <translation>doppelte</translation>
    </message>
</context>
<context>
    <name>SteamCMDInstaller</name>
    <message>
        <source>Installation error: %1</source>
        <translation>Installationsfehler: %1</translation>
    </message>
    <message>
        <source>Failed to download SteamCMD tarball</source>
        <translation>SteamCMD-Archiv konnte nicht heruntergeladen werden</translation>
    </message>
    <message>
        <source>Failed to extract SteamCMD (exit %1)</source>
        <translation>SteamCMD konnte nicht entpackt werden (Code %1)</translation>
    </message>
    <message>
        <source>Installation error: %1 links outside the SteamCMD folder (%2)</source>
        <translation>Installationsfehler: %1 verweist aus dem SteamCMD-Ordner hinaus (%2)</translation>
    </message>
</context>
<context>
    <name>SteamCMDManager</name>
    <message>
        <source>Approve the sign-in in the Steam Mobile app on your phone</source>
        <translation>Bestätige die Anmeldung in der Steam Mobile-App auf deinem Smartphone</translation>
    </message>
</context>
<context>
    <name>SteamCMDSession</name>
    <message>
        <source>SteamCMD crashed (signal %1: %2)</source>
        <extracomment>%1 is the signal&apos;s number, %2 the system&apos;s name for it (&quot;Segmentation fault&quot;).</extracomment>
        <translation>SteamCMD ist abgestürzt (Signal %1: %2)</translation>
    </message>
    <message>
        <source>SteamCMD crashed (signal %1)</source>
        <translation>SteamCMD ist abgestürzt (Signal %1)</translation>
    </message>
    <message>
        <source>Cannot create assets directory: %1</source>
        <translation>Ordner für die Spieldaten kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Failed to launch SteamCMD: %1</source>
        <translation>SteamCMD konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>SteamCMD exited with code %1</source>
        <translation>SteamCMD endete mit Code %1</translation>
    </message>
</context>
<context>
    <name>SteamCMDState</name>
    <message>
        <source>DOWNLOADING ASSETS... %1</source>
        <extracomment>Status line; the argument is SteamCMD&apos;s own progress line, left as it prints it.</extracomment>
        <translation>SPIELDATEN WERDEN GELADEN... %1</translation>
    </message>
    <message>
        <source>DOWNLOADING PATCH... %1%</source>
        <extracomment>Status line; %1 is the percentage&apos;s number (42), the percent sign is in the text.</extracomment>
        <translation>PATCH WIRD GELADEN... %1 %</translation>
    </message>
    <message>
        <source>ERROR: %1</source>
        <extracomment>Status line of a failed download; %1 is the failure&apos;s message.</extracomment>
        <translation>FEHLER: %1</translation>
    </message>
    <message>
        <source>READY</source>
        <extracomment>Status line: nothing under way (a state, not a button).</extracomment>
        <translation>BEREIT</translation>
    </message>
    <message>
        <source>INSTALLING STEAMCMD...</source>
        <translation>STEAMCMD WIRD INSTALLIERT...</translation>
    </message>
    <message>
        <source>AUTHENTICATING...</source>
        <extracomment>Status line: SteamCMD signs in to Steam.</extracomment>
        <translation>ANMELDUNG...</translation>
    </message>
    <message>
        <source>STEAM GUARD CODE REQUIRED</source>
        <translation>STEAM GUARD-CODE ERFORDERLICH</translation>
    </message>
    <message>
        <source>VALIDATING FILES...</source>
        <extracomment>Status line: SteamCMD checks the downloaded files.</extracomment>
        <translation>DATEIEN WERDEN GEPRÜFT...</translation>
    </message>
    <message>
        <source>UNPACKING PATCH...</source>
        <translation>PATCH WIRD ENTPACKT...</translation>
    </message>
    <message>
        <source>ASSETS READY</source>
        <extracomment>Status line: the game data is complete and the game can start.</extracomment>
        <translation>SPIELDATEN BEREIT</translation>
    </message>
</context>
<context>
    <name>SteamFailureReasons</name>
    <message>
        <source>the game&apos;s folder</source>
        <translation>den Ordner des Spiels</translation>
    </message>
    <message>
        <source>Steam did not accept the password. Check your user name and password, then try again.</source>
        <translation>Steam hat das Passwort nicht akzeptiert. Prüfe Benutzername und Passwort und versuche es erneut.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Start the download again and enter the newest code.</source>
        <translation>Steam hat den Steam Guard-Code nicht akzeptiert: er war falsch oder abgelaufen. Starte den Download erneut und gib den neuesten Code ein.</translation>
    </message>
    <message>
        <source>Steam refuses sign-ins for a while after too many attempts. Wait before you try again: every attempt in between can make the wait longer.</source>
        <translation>Nach zu vielen Versuchen lehnt Steam Anmeldungen eine Weile ab. Warte, bevor du es erneut versuchst: jeder Versuch in der Zwischenzeit kann die Wartezeit verlängern.</translation>
    </message>
    <message>
        <source>Too many sign-in attempts — wait before trying again</source>
        <translation>Zu viele Anmeldeversuche — warte, bevor du es erneut versuchst</translation>
    </message>
    <message>
        <source>The sign-in was not approved in time. Start the download again and approve the sign-in in the Steam Mobile app on your phone right away.</source>
        <translation>Die Anmeldung wurde nicht rechtzeitig bestätigt. Starte den Download erneut und bestätige die Anmeldung sofort in der Steam Mobile-App auf deinem Smartphone.</translation>
    </message>
    <message>
        <source>Sign-in not approved in time</source>
        <translation>Anmeldung nicht rechtzeitig bestätigt</translation>
    </message>
    <message>
        <source>SteamCMD did not hear back from Steam in time. Check your internet connection and try again.</source>
        <translation>SteamCMD hat nicht rechtzeitig eine Antwort von Steam erhalten. Prüfe deine Internetverbindung und versuche es erneut.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Type the newest code to try again.</source>
        <translation>Steam hat den Steam Guard-Code nicht akzeptiert: er war falsch oder abgelaufen. Gib den neuesten Code ein, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>SteamCMD could not reach Steam. Check your internet connection, then try again.</source>
        <translation>SteamCMD konnte Steam nicht erreichen. Prüfe deine Internetverbindung und versuche es erneut.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1: it needs %2 MB and only %3 MB are free. Free up space there, then try again.</source>
        <translation>In %1 ist nicht genug Speicherplatz für das Spiel frei: es braucht %2 MB, frei sind nur %3 MB. Schaffe dort Platz und versuche es erneut.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1. Free up space there, then try again.</source>
        <translation>In %1 ist nicht genug Speicherplatz für das Spiel frei. Schaffe dort Platz und versuche es erneut.</translation>
    </message>
    <message>
        <source>SteamCMD could not write the game&apos;s files to %1. Make sure that folder belongs to you and is not read-only, then try again.</source>
        <translation>SteamCMD konnte die Dateien des Spiels nicht nach %1 schreiben. Stelle sicher, dass der Ordner dir gehört und nicht schreibgeschützt ist, und versuche es erneut.</translation>
    </message>
    <message>
        <source>Steam would not hand out the Windows files of the game (invalid platform). Try again later; if it keeps happening, report it with the download log.</source>
        <translation>Steam hat die Windows-Dateien des Spiels nicht herausgegeben (ungültige Plattform). Versuche es später erneut; passiert es immer wieder, melde es mit dem Download-Protokoll.</translation>
    </message>
    <message>
        <source>This Steam account does not own the game. Buy it on Steam, or sign in with the account that owns it.</source>
        <translation>Dieses Steam-Konto besitzt das Spiel nicht. Kaufe es auf Steam oder melde dich mit dem Konto an, das es besitzt.</translation>
    </message>
    <message>
        <source>Steam did not send the game&apos;s configuration (missing configuration). This is often reported right after SteamCMD has updated itself and usually goes away on a later try: try again in a while.</source>
        <translation>Steam hat die Konfiguration des Spiels nicht gesendet (fehlende Konfiguration). Das kommt oft direkt nach einem Selbst-Update von SteamCMD vor und verschwindet meist bei einem späteren Versuch: versuche es in einer Weile erneut.</translation>
    </message>
    <message>
        <source>SteamCMD stopped before the game was complete (state %1). Try again; if it keeps happening, the reason is in %2.</source>
        <translation>SteamCMD hat aufgehört, bevor das Spiel vollständig war (Status %1). Versuche es erneut; passiert es immer wieder, steht der Grund in %2.</translation>
    </message>
    <message>
        <source>SteamCMD&apos;s content log</source>
        <translation>dem Inhaltsprotokoll von SteamCMD</translation>
    </message>
    <message>
        <source>SteamCMD cannot start: it needs the 32-bit C runtime, which is not installed. Install the package lib32gcc-s1, then try again.</source>
        <translation>SteamCMD kann nicht starten: es braucht die 32-Bit-C-Laufzeitbibliothek, die nicht installiert ist. Installiere das Paket lib32gcc-s1 und versuche es erneut.</translation>
    </message>
    <message>
        <source>Authentication failed — check credentials</source>
        <extracomment>The status after Steam refused the sign-in: user name, password or Steam Guard code.</extracomment>
        <translation>Anmeldung fehlgeschlagen — Zugangsdaten prüfen</translation>
    </message>
    <message>
        <source>Game not owned — purchase required</source>
        <extracomment>The status when the Steam account has no licence for the game.</extracomment>
        <translation>Spiel nicht im Besitz — Kauf erforderlich</translation>
    </message>
</context>
<context>
    <name>SteamProgress</name>
    <message>
        <source>Preparing disk space</source>
        <extracomment>The phases of SteamCMD&apos;s download, shown before its size and speed.</extracomment>
        <translation>Speicherplatz wird vorbereitet</translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>A phase of the download (under the status line), not a button.</extracomment>
        <translation>Download</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Überprüfung</translation>
    </message>
    <message>
        <source>Writing files</source>
        <translation>Dateien werden geschrieben</translation>
    </message>
    <message>
        <source>Reconfiguring</source>
        <translation>Neukonfiguration</translation>
    </message>
    <message>
        <source>%1 · %2%</source>
        <extracomment>%1 is the phase (&quot;Downloading&quot;), %2 the percentage&apos;s number (42.5).</extracomment>
        <translation>%1 · %2 %</translation>
    </message>
</context>
<context>
    <name>SteamTab</name>
    <message>
        <source>STEAM CREDENTIALS</source>
        <translation>STEAM-ZUGANGSDATEN</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Guard Code</source>
        <translation>Guard-Code</translation>
    </message>
    <message>
        <source>SUBMIT</source>
        <translation>SENDEN</translation>
    </message>
    <message>
        <source>DOWNLOAD ASSETS</source>
        <translation>SPIELDATEN LADEN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
</context>
<context>
    <name>StepProgress</name>
    <message>
        <source>Download progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>Game data source</source>
        <translation>Quelle der Spieldaten</translation>
    </message>
</context>
<context>
    <name>TransferRate</name>
    <message>
        <source>%1 s</source>
        <extracomment>Time left, abbreviated: seconds.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>Time left, abbreviated: minutes.</extracomment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <extracomment>Time left, abbreviated: hours.</extracomment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Time left, abbreviated: hours and minutes.</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the whole: &quot;120 MB of 10.0 GB&quot;.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A download&apos;s speed: &quot;10.0 MB/s&quot;.</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>The time a download still needs: &quot;17 min left&quot;.</extracomment>
        <translation>noch %1</translation>
    </message>
</context>
<context>
    <name>UiSupport</name>
    <message>
        <source>COMMUNITY MAC PORT</source>
        <translation>COMMUNITY-PORT FÜR MAC</translation>
    </message>
    <message>
        <source>COMMUNITY %1 PORT</source>
        <extracomment>%1 is the operating system&apos;s name in capitals (LINUX).</extracomment>
        <translation>COMMUNITY-PORT FÜR %1</translation>
    </message>
    <message>
        <source>%1 Native Port</source>
        <extracomment>%1 is the operating system&apos;s name (Linux).</extracomment>
        <translation>Nativer %1-Port</translation>
    </message>
    <message>
        <source>Metal Renderer • Apple Silicon</source>
        <translation>Metal-Renderer • Apple Silicon</translation>
    </message>
    <message>
        <source>%1 does not exist yet.</source>
        <translation>%1 gibt es noch nicht.</translation>
    </message>
    <message>
        <source>No program on this desktop opened %1.</source>
        <translation>Kein Programm auf diesem Desktop hat %1 geöffnet.</translation>
    </message>
</context>
<context>
    <name>UpdateBanner</name>
    <message>
        <source>UPDATE AVAILABLE: v%1</source>
        <extracomment>%1 is the new version number.</extracomment>
        <translation>UPDATE VERFÜGBAR: v%1</translation>
    </message>
    <message>
        <source>DOWNLOAD UPDATE</source>
        <translation>UPDATE LADEN</translation>
    </message>
    <message>
        <source>SEE DETAILS</source>
        <translation>DETAILS</translation>
    </message>
    <message>
        <source>Dismiss update</source>
        <translation>Update ausblenden</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>the server answered %1%2</source>
        <translation>der Server antwortete %1%2</translation>
    </message>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>die Antwort ist größer als %1 KiB</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>die Verbindung wurde abgelehnt</translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation>der Host %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>no answer came within %1 s</source>
        <translation>innerhalb von %1 s kam keine Antwort</translation>
    </message>
    <message>
        <source>the answer is not an update manifest: %1</source>
        <translation>die Antwort ist kein Update-Manifest: %1</translation>
    </message>
    <message>
        <source>the connection ended before the whole manifest arrived</source>
        <translation>die Verbindung endete, bevor das ganze Manifest ankam</translation>
    </message>
</context>
</TS>
