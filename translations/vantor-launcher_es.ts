<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Vantor Online</source>
        <translation>Acerca de Vantor Online</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the launcher&apos;s version number.</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Ported by the Vantor Online community</source>
        <translation>Portado por la comunidad de Vantor Online</translation>
    </message>
    <message>
        <source>Built on top of the RN GPLv3 open-source release</source>
        <translation>Basado en la versión de código abierto GPLv3 de RN</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Ardenfall™ Vantor — Duskline is a trademark of its respective owners.
The game engine&apos;s source code is licensed under the GPLv3.</source>
        <extracomment>The game&apos;s full name stays as it is, trademark sign included.</extracomment>
        <translation>Ardenfall™ Vantor — Duskline es una marca de sus respectivos propietarios.
El código fuente del motor del juego se distribuye bajo la licencia GPLv3.</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AppUpdate</name>
    <message>
        <source>the field &quot;%1&quot;</source>
        <translation>el campo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it is not JSON</source>
        <translation>no es JSON</translation>
    </message>
    <message>
        <source>it is JSON but not an object</source>
        <translation>es JSON, pero no un objeto</translation>
    </message>
    <message>
        <source>it is nested more than %1 levels deep</source>
        <translation>tiene más de %1 niveles de anidamiento</translation>
    </message>
    <message>
        <source>it holds a number beyond the range of a double</source>
        <translation>contiene un número fuera del rango de un double</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 names a field of the manifest: the field &quot;version&quot;.</extracomment>
        <translation>%1 no está presente</translation>
    </message>
    <message>
        <source>%1 is not a string</source>
        <translation>%1 no es una cadena</translation>
    </message>
    <message>
        <source>%1 is not a whole number in the 64-bit range</source>
        <translation>%1 no es un número entero de 64 bits</translation>
    </message>
</context>
<context>
    <name>CheckUpdateCommand</name>
    <message>
        <source>Checks once whether a newer launcher is published. Exit status: 0 when
the manifest was read (with or without an update), 1 when it was not.</source>
        <translation>Comprueba una vez si se ha publicado un lanzador más reciente. Código de
salida: 0 si se leyó el manifiesto (con o sin actualización), 1 si no.</translation>
    </message>
    <message>
        <source>could not fetch or read the update manifest at %1: %2</source>
        <extracomment>%1 is the manifest&apos;s web address, %2 why it could not be read.</extracomment>
        <translation>no se pudo obtener o leer el manifiesto de actualización de %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>check once whether a newer launcher is published</source>
        <translation>comprobar una vez si hay un lanzador más reciente</translation>
    </message>
    <message>
        <source>check that DIR holds both game versions</source>
        <translation>comprobar que DIR contiene las dos versiones del juego</translation>
    </message>
    <message>
        <source>start the game from the Steam download or a local folder</source>
        <translation>iniciar el juego desde la descarga de Steam o una carpeta local</translation>
    </message>
    <message>
        <source>show SteamCMD, assets, local folder, user and version</source>
        <translation>mostrar SteamCMD, datos, carpeta local, usuario y versión</translation>
    </message>
    <message>
        <source>print the version and build</source>
        <translation>mostrar la versión y la compilación</translation>
    </message>
    <message>
        <source>Without a command the launcher window opens; it also takes Qt&apos;s own options,
such as -platform and -style. Each command has its own --help.</source>
        <translation>Sin comando se abre la ventana del lanzador; también acepta las opciones
propias de Qt, como -platform y -style. Cada comando tiene su propio --help.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>download the game&apos;s data through SteamCMD</source>
        <translation>descargar los datos del juego mediante SteamCMD</translation>
    </message>
    <message>
        <source>show the settings, or change them (and move the game data)</source>
        <translation>ver o cambiar la configuración (y mover los datos del juego)</translation>
    </message>
    <message>
        <source>the language of the launcher&apos;s messages (de, fr, es, pt_BR, ru, pl, zh_CN, en) instead of the system&apos;s</source>
        <translation>el idioma de los mensajes del lanzador (de, fr, es, pt_BR, ru, pl, zh_CN, en) en lugar del del sistema</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>print this help</source>
        <translation>mostrar esta ayuda</translation>
    </message>
    <message>
        <source>also print the launcher&apos;s developer log on standard error</source>
        <translation>mostrar también el registro de desarrollo del lanzador en la salida de error estándar</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option, as typed (&quot;--username&quot;).</extracomment>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is an argument&apos;s name in capitals (&quot;DIR&quot;).</extracomment>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is what to type: the command and its options.</extracomment>
        <translation>Uso: %1</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <source>Awaiting command...</source>
        <translation>Esperando comando...</translation>
    </message>
    <message>
        <source>SteamCMD console</source>
        <translation>Consola de SteamCMD</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <extracomment>The notification&apos;s button that shows the window.</extracomment>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>DownloadAnnouncer</name>
    <message>
        <source>Assets ready</source>
        <extracomment>A desktop notification; LAUNCH is the window&apos;s button.</extracomment>
        <translation>Juego listo</translation>
    </message>
    <message>
        <source>The game is downloaded and patched: LAUNCH starts it.</source>
        <translation>El juego está descargado y parcheado: pulsa INICIAR para jugar.</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Error en la descarga</translation>
    </message>
    <message>
        <source>Download stopped</source>
        <translation>Descarga detenida</translation>
    </message>
    <message>
        <source>A new download continues where this one stopped.</source>
        <translation>Una nueva descarga continuará donde se detuvo esta.</translation>
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
        <translation>Ejecuta una descarga completa de Steam, como el botón de la ventana. Sin
--password-stdin se usa la contraseña de la cuenta guardada en el llavero,
o se pide en la terminal. Las credenciales indicadas se guardan en el
llavero. El código de Steam Guard se lee de la entrada estándar, o de la
terminal cuando la entrada estándar termina.
Código de salida: 0 juego listo, 1 error, 2 problema de uso, 130 detenido
por SIGINT o SIGTERM.</translation>
    </message>
    <message>
        <source>the Steam account (default: the one saved in the keyring)</source>
        <translation>la cuenta de Steam (por defecto: la guardada en el llavero)</translation>
    </message>
    <message>
        <source>read the password from the first line of standard input</source>
        <translation>leer la contraseña de la primera línea de la entrada estándar</translation>
    </message>
    <message>
        <source>--username NAME is required (no Steam account is saved in the keyring)</source>
        <translation>--username NAME es obligatorio (no hay ninguna cuenta de Steam guardada en el llavero)</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Contraseña: </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password entered
</source>
        <translation>vantor-launcher download: no se introdujo ninguna contraseña
</translation>
    </message>
    <message>
        <source>vantor-launcher download: standard input ended before the password line
</source>
        <translation>vantor-launcher download: la entrada estándar terminó antes de la línea de la contraseña
</translation>
    </message>
    <message>
        <source>Steam password: </source>
        <translation>Contraseña de Steam: </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password: standard input is not a terminal; give --password-stdin and write the password as the first line of standard input
</source>
        <translation>vantor-launcher download: sin contraseña: la entrada estándar no es una terminal; usa --password-stdin y escribe la contraseña en la primera línea de la entrada estándar
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher download: no se pueden vigilar SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>Steam Guard code: </source>
        <translation>Código de Steam Guard: </translation>
    </message>
    <message>
        <source>
vantor-launcher download: the input ended without a Steam Guard code, cancelling
</source>
        <translation>
vantor-launcher download: la entrada terminó sin un código de Steam Guard, cancelando
</translation>
    </message>
    <message>
        <source>
vantor-launcher download: interrupted, stopping SteamCMD
</source>
        <translation>
vantor-launcher download: interrumpido, deteniendo SteamCMD
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cancelled
</source>
        <translation>vantor-launcher download: cancelado
</translation>
    </message>
</context>
<context>
    <name>DownloadRun</name>
    <message numerus="yes">
        <source>SteamCMD asked to be restarted %n times in a row (exit code 42)</source>
        <translation>
            <numerusform>SteamCMD pidió reiniciarse %n vez seguida (código de salida 42)</numerusform>
            <numerusform>SteamCMD pidió reiniciarse %n veces seguidas (código de salida 42)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>PORTED BY THE VANTOR ONLINE COMMUNITY</source>
        <translation>PORTADO POR LA COMUNIDAD DE VANTOR ONLINE</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>About Vantor Online</source>
        <translation>Acerca de Vantor Online</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source>Checks that DIR holds both game versions: its immediate subfolders
contain ini.big and inidl.big (any letter case). Prints VALID (status 0),
or why not (status 1).</source>
        <translation>Comprueba que DIR contiene las dos versiones del juego: sus subcarpetas
directas contienen ini.big e inidl.big (sin distinguir mayúsculas).
Muestra VALID (código 0), o el motivo si no es así (código 1).</translation>
    </message>
    <message>
        <source>the folder that holds both game versions</source>
        <translation>la carpeta que contiene las dos versiones del juego</translation>
    </message>
    <message>
        <source>Starts the game from the chosen data source. When the source is not ready,
prints the window&apos;s hint and exits with status 1.</source>
        <translation>Inicia el juego desde la fuente de datos elegida. Si la fuente no está
lista, muestra la indicación de la ventana y sale con el código 1.</translation>
    </message>
    <message>
        <source>the data source: steam (the default) or local</source>
        <translation>la fuente de datos: steam (por defecto) o local</translation>
    </message>
    <message>
        <source>the local game folder, for this run only (it is not stored)</source>
        <translation>la carpeta local del juego, solo para esta ejecución (no se guarda)</translation>
    </message>
    <message>
        <source>unknown source &apos;%1&apos;</source>
        <translation>fuente desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--path needs a folder</source>
        <translation>--path necesita una carpeta</translation>
    </message>
    <message>
        <source>Shows where SteamCMD, the assets and the local folder are and whether
they are usable, the saved Steam user and the version: what to
include in a bug report.</source>
        <translation>Muestra dónde están SteamCMD, los datos del juego y la carpeta local y si
se pueden usar, el usuario de Steam guardado y la versión: lo que hay que
incluir en un informe de errores.</translation>
    </message>
</context>
<context>
    <name>GameFolders</name>
    <message>
        <source>INVALID TARGET — No ini.big / inidl.big detected in subdirectories</source>
        <extracomment>The file names ini.big and inidl.big stay as they are.</extracomment>
        <translation>DESTINO NO VÁLIDO — No se detectó ini.big / inidl.big en las subcarpetas</translation>
    </message>
    <message>
        <source>DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH</source>
        <translation>DESCARGA LOS DATOS DEL JUEGO CON STEAM PARA PODER INICIARLO</translation>
    </message>
    <message>
        <source>SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS</source>
        <extracomment>The local tab&apos;s hint: the chosen folder must hold both versions of the game.</extracomment>
        <translation>SELECCIONA LA CARPETA SUPERIOR QUE CONTIENE LAS DOS VERSIONES DEL JUEGO</translation>
    </message>
</context>
<context>
    <name>InstallFolderController</name>
    <message>
        <source>The game data is being moved to another folder; start the download once the move has ended.</source>
        <translation>Los datos del juego se están moviendo a otra carpeta; inicia la descarga cuando termine el traslado.</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>La carpeta de instalación debe ser una ruta absoluta.</translation>
    </message>
    <message>
        <source>A download is running. Stop it before changing the install folder.</source>
        <translation>Hay una descarga en curso. Detenla antes de cambiar la carpeta de instalación.</translation>
    </message>
    <message>
        <source>A download is still stopping. Try again in a moment.</source>
        <translation>Una descarga aún se está deteniendo. Vuelve a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>The game data is being moved already.</source>
        <translation>Los datos del juego ya se están moviendo.</translation>
    </message>
    <message>
        <source>Could not store the install folder.</source>
        <translation>No se pudo guardar la carpeta de instalación.</translation>
    </message>
    <message>
        <source>The game data now goes to %1.</source>
        <translation>Los datos del juego irán ahora a %1.</translation>
    </message>
    <message>
        <source>%1. Stop it before changing the install folder.</source>
        <extracomment>%1 says which download holds the install folder.</extracomment>
        <translation>%1. Detenla antes de cambiar la carpeta de instalación.</translation>
    </message>
    <message>
        <source>Moving the game data to %1...</source>
        <translation>Moviendo los datos del juego a %1...</translation>
    </message>
    <message>
        <source>The move was cancelled; the game data stays in &quot;%1&quot;.</source>
        <translation>Se canceló el traslado; los datos del juego siguen en &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>InstallFolderMove</name>
    <message>
        <source>device</source>
        <translation>dispositivo</translation>
    </message>
    <message>
        <source>named pipe</source>
        <translation>tubería con nombre</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>socket</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>archivo especial</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>La carpeta de instalación debe ser una ruta absoluta.</translation>
    </message>
    <message>
        <source>The game data is in &quot;%1&quot; already.</source>
        <translation>Los datos del juego ya están en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The new install folder cannot be inside the current one (&quot;%1&quot;).</source>
        <translation>La nueva carpeta de instalación no puede estar dentro de la actual (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>The new install folder cannot hold the current one (&quot;%1&quot;).</source>
        <translation>La nueva carpeta de instalación no puede contener la actual (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Could not move the game data: %1; it stays in &quot;%2&quot;.</source>
        <translation>No se pudieron mover los datos del juego: %1; siguen en &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>could not make &quot;%1&quot;: %2</source>
        <translation>no se pudo crear &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>could not move &quot;%1&quot;: %2</source>
        <translation>no se pudo mover &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>could not read &quot;%1&quot;: %2</source>
        <translation>no se pudo leer &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>could not read the link &quot;%1&quot;</source>
        <translation>no se pudo leer el enlace &quot;%1&quot;</translation>
    </message>
    <message>
        <source>could not make a folder in &quot;%1&quot;: %2</source>
        <translation>no se pudo crear una carpeta en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>could not copy &quot;%1&quot;: %2</source>
        <translation>no se pudo copiar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is missing</source>
        <translation>falta la copia de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is no folder</source>
        <translation>la copia de &quot;%1&quot; no es una carpeta</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; holds %2 bytes instead of %3</source>
        <translation>la copia de &quot;%1&quot; ocupa %2 bytes en lugar de %3</translation>
    </message>
    <message>
        <source>the copy of the link &quot;%1&quot; differs</source>
        <translation>la copia del enlace &quot;%1&quot; es distinta</translation>
    </message>
    <message>
        <source>could not put &quot;%1&quot; in place: %2</source>
        <translation>no se pudo colocar &quot;%1&quot; en su sitio: %2</translation>
    </message>
    <message>
        <source>the new install folder could not be stored</source>
        <translation>no se pudo guardar la nueva carpeta de instalación</translation>
    </message>
    <message>
        <source>There was no game data to move; the game data now goes to &quot;%1&quot;.</source>
        <translation>No había datos del juego que mover; los datos del juego irán ahora a &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot;.</source>
        <translation>Datos del juego movidos a &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot; (%2 copied).</source>
        <translation>Datos del juego movidos a &quot;%1&quot; (%2 copiados).</translation>
    </message>
    <message>
        <source>The old copy of %1 in &quot;%2&quot; could not be removed (%3).</source>
        <translation>No se pudo eliminar la copia antigua de %1 en &quot;%2&quot; (%3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2; only files, folders and links can be moved</source>
        <extracomment>%1 is a path in the game data, %2 what it is (&quot;device&quot;, &quot;named pipe&quot;, ...).</extracomment>
        <translation>&quot;%1&quot; es de tipo %2; solo se pueden mover archivos, carpetas y enlaces</translation>
    </message>
</context>
<context>
    <name>InstallLock</name>
    <message>
        <source>Cannot open the download lock %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>No se puede abrir el bloqueo de descarga %1: %2</translation>
    </message>
    <message>
        <source>Another download is already running (process %1)</source>
        <translation>Ya hay otra descarga en curso (proceso %1)</translation>
    </message>
    <message>
        <source>Another download is already running</source>
        <translation>Ya hay otra descarga en curso</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>No se puede bloquear %1: %2</translation>
    </message>
</context>
<context>
    <name>LaunchButton</name>
    <message>
        <source>INITIALIZING...</source>
        <extracomment>The launch button while the game starts, and its label.</extracomment>
        <translation>INICIANDO...</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <translation>INICIAR</translation>
    </message>
</context>
<context>
    <name>LaunchCommand</name>
    <message>
        <source>in the %1, %2</source>
        <extracomment>%1 names the setting (&quot;wrapper command&quot;), %2 says what is wrong in it.</extracomment>
        <translation>en %1, %2</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found</source>
        <translation>no se encontró el wrapper &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; is not an executable file</source>
        <translation>el wrapper &quot;%1&quot; no es un archivo ejecutable</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found on PATH</source>
        <translation>no se encontró el wrapper &quot;%1&quot; en el PATH</translation>
    </message>
    <message>
        <source>wrapper command</source>
        <translation>el comando wrapper</translation>
    </message>
    <message>
        <source>extra arguments</source>
        <translation>los argumentos adicionales</translation>
    </message>
    <message>
        <source>environment variables</source>
        <translation>las variables de entorno</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; is not of the form NAME=value</source>
        <translation>la variable de entorno &quot;%1&quot; no tiene la forma NAME=value</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; has an invalid name: a name is made of letters, digits and _ and does not start with a digit</source>
        <translation>la variable de entorno &quot;%1&quot; tiene un nombre no válido: un nombre se compone de letras, dígitos y _ y no empieza por un dígito</translation>
    </message>
    <message>
        <source>the wrapper command holds %1 more than once</source>
        <translation>el comando wrapper contiene %1 más de una vez</translation>
    </message>
</context>
<context>
    <name>LauncherSettings</name>
    <message>
        <source>System default</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>LauncherViewModel</name>
    <message>
        <source>Select the Windows Game Folder (containing .big files)</source>
        <translation>Selecciona la carpeta del juego de Windows (con los archivos .big)</translation>
    </message>
    <message>
        <source>Select the folder the Steam download goes to</source>
        <translation>Selecciona la carpeta de destino de la descarga de Steam</translation>
    </message>
    <message>
        <source>Engine binary not found at %1</source>
        <translation>No se encontró el ejecutable del motor en %1</translation>
    </message>
    <message>
        <source>Failed to launch game: %1</source>
        <translation>No se pudo iniciar el juego: %1</translation>
    </message>
</context>
<context>
    <name>LocalTab</name>
    <message>
        <source>TACTICAL DATA PATH:</source>
        <translation>RUTA DE DATOS TÁCTICOS:</translation>
    </message>
    <message>
        <source>NO SIGNAL — AWAITING FOLDER TARGET</source>
        <translation>SIN SEÑAL — ESPERANDO CARPETA DE DESTINO</translation>
    </message>
    <message>
        <source>LOCATE</source>
        <translation>EXAMINAR</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quit Vantor Online</source>
        <translation>Salir de Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Hay una descarga en curso. ¿Detenerla y salir?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Detener y salir</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Launch Vantor Online</source>
        <translation>Iniciar Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and launch?</source>
        <translation>Hay una descarga en curso. ¿Detenerla e iniciar el juego?</translation>
    </message>
    <message>
        <source>Stop and Launch</source>
        <translation>Detener e iniciar</translation>
    </message>
    <message>
        <source>STEAM (RECOMMENDED)</source>
        <translation>STEAM (RECOMENDADO)</translation>
    </message>
    <message>
        <source>LOCAL ARCHIVE</source>
        <translation>ARCHIVO LOCAL</translation>
    </message>
    <message>
        <source>Launch Error</source>
        <translation>Error al iniciar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>Juego no encontrado</translation>
    </message>
    <message>
        <source>Open Steam Store</source>
        <translation>Abrir la Tienda de Steam</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; does not own Ardenfall™ Vantor — Duskline.

Purchase the game on Steam, then press &quot;Download Assets&quot; again.</source>
        <extracomment>%1 is the Steam account&apos;s name. &quot;Download Assets&quot; names the Steam tab&apos;s button.</extracomment>
        <translation>La cuenta &quot;%1&quot; no posee Ardenfall™ Vantor — Duskline.

Compra el juego en Steam y vuelve a pulsar &quot;Descargar juego&quot;.</translation>
    </message>
</context>
<context>
    <name>Patch</name>
    <message>
        <source>Refused the patch archive: %1</source>
        <translation>Se rechazó el archivo del parche: %1</translation>
    </message>
    <message>
        <source>Invalid patch URL.</source>
        <translation>URL del parche no válida.</translation>
    </message>
    <message>
        <source>Failed to prepare patch file: %1</source>
        <translation>No se pudo preparar el archivo del parche: %1</translation>
    </message>
    <message>
        <source>Failed to download patch: %1</source>
        <translation>No se pudo descargar el parche: %1</translation>
    </message>
    <message>
        <source>Failed to unpack patch: %1</source>
        <translation>No se pudo descomprimir el parche: %1</translation>
    </message>
    <message>
        <source>Failed to execute unzip: %1</source>
        <translation>No se pudo ejecutar unzip: %1</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>Ends a failure&apos;s message: the install folder was left as it was.</extracomment>
        <translation>%1; no se modificó nada</translation>
    </message>
    <message>
        <source>Failed to unpack patch: unzip wrote more than the %1 the archive declares</source>
        <translation>No se pudo descomprimir el parche: unzip escribió más de los %1 que declara el archivo</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip ended by signal %1)</source>
        <translation>No se pudo descomprimir el parche (unzip terminó por la señal %1)</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip exited with code %1)</source>
        <translation>No se pudo descomprimir el parche (unzip salió con el código %1)</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>vantor-launcher settings: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher settings: no se pueden vigilar SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>
vantor-launcher settings: interrupted, stopping the move
</source>
        <translation>
vantor-launcher settings: interrumpido, deteniendo el traslado
</translation>
    </message>
    <message>
        <source>Moving the game data from &quot;%1&quot; to &quot;%2&quot;...
</source>
        <translation>Moviendo los datos del juego de &quot;%1&quot; a &quot;%2&quot;...
</translation>
    </message>
    <message>
        <source>%1 of %2 (%3%)</source>
        <translation>%1 de %2 (%3&#xa0;%)</translation>
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
        <translation>Sin opciones, muestra cada ajuste: su nombre, su clave en el archivo de
configuración y su valor. Con opciones, los cambia y los vuelve a mostrar.
--install-dir sin más solo cambia adónde va la descarga de Steam; con
--move, los datos del juego del lanzador (Assets, DL_Vantor y los archivos
del parche de la comunidad) se mueven allí primero, y Ctrl-C cancela el
traslado y deja los datos donde estaban. --reset devuelve cada ajuste a su
valor por defecto (no mueve nada).
Código de salida: 0 hecho, 1 cambio rechazado o fallido, 2 problema de
uso, 130 traslado detenido por SIGINT o SIGTERM.</translation>
    </message>
    <message>
        <source>where the Steam download goes</source>
        <translation>la carpeta de destino de la descarga de Steam</translation>
    </message>
    <message>
        <source>with --install-dir: move the game data there first</source>
        <translation>con --install-dir: mover allí primero los datos del juego</translation>
    </message>
    <message>
        <source>the program the game is started through</source>
        <translation>el programa a través del cual se inicia el juego</translation>
    </message>
    <message>
        <source>the game&apos;s extra arguments</source>
        <translation>los argumentos adicionales del juego</translation>
    </message>
    <message>
        <source>the game&apos;s extra environment (NAME=VALUE ...)</source>
        <translation>el entorno adicional del juego (NAME=VALUE ...)</translation>
    </message>
    <message>
        <source>the download speed limit in KB/s (1000 bytes), or off</source>
        <translation>el límite de velocidad de descarga en KB/s (1000 bytes), u off</translation>
    </message>
    <message>
        <source>a desktop notification when a download ends</source>
        <translation>una notificación de escritorio al terminar una descarga</translation>
    </message>
    <message>
        <source>the download&apos;s progress on the task bar</source>
        <translation>el progreso de la descarga en la barra de tareas</translation>
    </message>
    <message>
        <source>every setting back to its default</source>
        <translation>devolver cada ajuste a su valor por defecto</translation>
    </message>
    <message>
        <source>--%1 cannot hold control characters (line breaks, tabs)</source>
        <translation>--%1 no puede contener caracteres de control (saltos de línea, tabulaciones)</translation>
    </message>
    <message>
        <source>--download-limit takes KB/s from 1 to %1, or off; not &apos;%2&apos;</source>
        <translation>--download-limit admite de 1 a %1 KB/s, u off; no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &apos;%2&apos;</source>
        <translation>--%1 admite on u off, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--install-dir needs a folder</source>
        <translation>--install-dir necesita una carpeta</translation>
    </message>
    <message>
        <source>--move goes with --install-dir DIR</source>
        <translation>--move se usa con --install-dir DIR</translation>
    </message>
    <message>
        <source>--reset goes alone</source>
        <translation>--reset se usa solo</translation>
    </message>
    <message>
        <source>vantor-launcher settings: the settings could not be written
</source>
        <translation>vantor-launcher settings: no se pudo guardar la configuración
</translation>
    </message>
    <message>
        <source>The game data in &quot;%1&quot; was not moved (--move moves it).
</source>
        <translation>Los datos del juego de &quot;%1&quot; no se movieron (--move los mueve).
</translation>
    </message>
    <message>
        <source>the language from the next start on (%1), or system</source>
        <translation>el idioma a partir del próximo inicio (%1), o system</translation>
    </message>
    <message>
        <source>--language takes %1 or system, not &apos;%2&apos;</source>
        <translation>--language acepta %1 o system, no &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>INSTALL FOLDER</source>
        <translation>CARPETA DE INSTALACIÓN</translation>
    </message>
    <message>
        <source>Install folder: %1</source>
        <translation>Carpeta de instalación: %1</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Cambiar…</translation>
    </message>
    <message>
        <source>Change install folder</source>
        <translation>Cambiar la carpeta de instalación</translation>
    </message>
    <message>
        <source>Move the game data there</source>
        <translation>Mover allí los datos del juego</translation>
    </message>
    <message>
        <source>Move progress</source>
        <translation>Progreso del traslado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel the move</source>
        <translation>Cancelar el traslado</translation>
    </message>
    <message>
        <source>A download is running: the folder can change once it has ended.</source>
        <translation>Hay una descarga en curso: la carpeta se podrá cambiar cuando termine.</translation>
    </message>
    <message>
        <source>Wrapper</source>
        <translation>Wrapper</translation>
    </message>
    <message>
        <source>Launch wrapper</source>
        <translation>Wrapper de lanzamiento</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumentos</translation>
    </message>
    <message>
        <source>Launch arguments</source>
        <translation>Argumentos de lanzamiento</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Entorno</translation>
    </message>
    <message>
        <source>Launch environment</source>
        <translation>Entorno de lanzamiento</translation>
    </message>
    <message>
        <source>Split into words as a shell would, but never run through a shell; %command% is accepted.</source>
        <extracomment>%command% stays as it is: the player types it into the wrapper.</extracomment>
        <translation>Se divide en palabras como lo haría un shell, pero nunca se ejecuta en un shell; se acepta %command%.</translation>
    </message>
    <message>
        <source>Speed limit</source>
        <translation>Límite de velocidad</translation>
    </message>
    <message>
        <source>Download speed limit in KB/s</source>
        <translation>Límite de velocidad de descarga en KB/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>No download speed limit</source>
        <translation>Sin límite de velocidad de descarga</translation>
    </message>
    <message>
        <source>NOTIFICATIONS</source>
        <translation>NOTIFICACIONES</translation>
    </message>
    <message>
        <source>Notify me when a download ends</source>
        <translation>Avisarme cuando termine una descarga</translation>
    </message>
    <message>
        <source>Show download progress on the task bar</source>
        <translation>Mostrar el progreso en la barra de tareas</translation>
    </message>
    <message>
        <source>FOLDERS</source>
        <translation>CARPETAS</translation>
    </message>
    <message>
        <source>Open install folder</source>
        <translation>Instalación</translation>
    </message>
    <message>
        <source>Open logs folder</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: how the game is started.</extracomment>
        <translation>LANZAMIENTO</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: the Steam download.</extracomment>
        <translation>DESCARGA</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Applies the next time the launcher starts.</source>
        <extracomment>Under the language choice: the window keeps its language until then.</extracomment>
        <translation>Se aplica la próxima vez que se inicie el lanzador.</translation>
    </message>
</context>
<context>
    <name>ShellWords</name>
    <message>
        <source>the %1 quote at character %2 is never closed</source>
        <extracomment>%1 is &quot;single&quot; or &quot;double&quot; (translated apart), %2 a number.</extracomment>
        <translation>la comilla %1 del carácter %2 no se cierra nunca</translation>
    </message>
    <message>
        <source>the backslash at the end escapes nothing</source>
        <translation>la barra invertida del final no escapa nada</translation>
    </message>
    <message>
        <source>single</source>
        <translation>simple</translation>
    </message>
    <message>
        <source>double</source>
        <translation>doble</translation>
    </message>
</context>
<context>
    <name>SteamCMDInstaller</name>
    <message>
        <source>Installation error: %1</source>
        <translation>Error de instalación: %1</translation>
    </message>
    <message>
        <source>Failed to download SteamCMD tarball</source>
        <translation>No se pudo descargar el archivo comprimido de SteamCMD</translation>
    </message>
    <message>
        <source>Failed to extract SteamCMD (exit %1)</source>
        <translation>No se pudo extraer SteamCMD (código %1)</translation>
    </message>
    <message>
        <source>Installation error: %1 links outside the SteamCMD folder (%2)</source>
        <translation>Error de instalación: %1 enlaza fuera de la carpeta de SteamCMD (%2)</translation>
    </message>
</context>
<context>
    <name>SteamCMDManager</name>
    <message>
        <source>Approve the sign-in in the Steam Mobile app on your phone</source>
        <translation>Aprueba el inicio de sesión en la aplicación Steam Mobile de tu teléfono</translation>
    </message>
</context>
<context>
    <name>SteamCMDSession</name>
    <message>
        <source>SteamCMD crashed (signal %1: %2)</source>
        <extracomment>%1 is the signal&apos;s number, %2 the system&apos;s name for it (&quot;Segmentation fault&quot;).</extracomment>
        <translation>SteamCMD se cerró inesperadamente (señal %1: %2)</translation>
    </message>
    <message>
        <source>SteamCMD crashed (signal %1)</source>
        <translation>SteamCMD se cerró inesperadamente (señal %1)</translation>
    </message>
    <message>
        <source>Cannot create assets directory: %1</source>
        <translation>No se puede crear la carpeta de datos del juego: %1</translation>
    </message>
    <message>
        <source>Failed to launch SteamCMD: %1</source>
        <translation>No se pudo iniciar SteamCMD: %1</translation>
    </message>
    <message>
        <source>SteamCMD exited with code %1</source>
        <translation>SteamCMD terminó con el código %1</translation>
    </message>
</context>
<context>
    <name>SteamCMDState</name>
    <message>
        <source>DOWNLOADING ASSETS... %1</source>
        <extracomment>Status line; the argument is SteamCMD&apos;s own progress line, left as it prints it.</extracomment>
        <translation>DESCARGANDO JUEGO... %1</translation>
    </message>
    <message>
        <source>DOWNLOADING PATCH... %1%</source>
        <extracomment>Status line; %1 is the percentage&apos;s number (42), the percent sign is in the text.</extracomment>
        <translation>DESCARGANDO PARCHE... %1&#xa0;%</translation>
    </message>
    <message>
        <source>ERROR: %1</source>
        <extracomment>Status line of a failed download; %1 is the failure&apos;s message.</extracomment>
        <translation>ERROR: %1</translation>
    </message>
    <message>
        <source>READY</source>
        <extracomment>Status line: nothing under way (a state, not a button).</extracomment>
        <translation>LISTO</translation>
    </message>
    <message>
        <source>INSTALLING STEAMCMD...</source>
        <translation>INSTALANDO STEAMCMD...</translation>
    </message>
    <message>
        <source>AUTHENTICATING...</source>
        <extracomment>Status line: SteamCMD signs in to Steam.</extracomment>
        <translation>AUTENTICANDO...</translation>
    </message>
    <message>
        <source>STEAM GUARD CODE REQUIRED</source>
        <translation>CÓDIGO DE STEAM GUARD REQUERIDO</translation>
    </message>
    <message>
        <source>VALIDATING FILES...</source>
        <extracomment>Status line: SteamCMD checks the downloaded files.</extracomment>
        <translation>VERIFICANDO ARCHIVOS...</translation>
    </message>
    <message>
        <source>UNPACKING PATCH...</source>
        <translation>DESCOMPRIMIENDO PARCHE...</translation>
    </message>
    <message>
        <source>ASSETS READY</source>
        <extracomment>Status line: the game data is complete and the game can start.</extracomment>
        <translation>JUEGO LISTO</translation>
    </message>
</context>
<context>
    <name>SteamFailureReasons</name>
    <message>
        <source>the game&apos;s folder</source>
        <translation>la carpeta del juego</translation>
    </message>
    <message>
        <source>Steam did not accept the password. Check your user name and password, then try again.</source>
        <translation>Steam no aceptó la contraseña. Comprueba tu usuario y tu contraseña, y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Start the download again and enter the newest code.</source>
        <translation>Steam no aceptó el código de Steam Guard: era incorrecto o había caducado. Vuelve a iniciar la descarga e introduce el código más reciente.</translation>
    </message>
    <message>
        <source>Steam refuses sign-ins for a while after too many attempts. Wait before you try again: every attempt in between can make the wait longer.</source>
        <translation>Steam rechaza los inicios de sesión durante un tiempo tras demasiados intentos. Espera antes de volver a intentarlo: cada intento mientras tanto puede alargar la espera.</translation>
    </message>
    <message>
        <source>Too many sign-in attempts — wait before trying again</source>
        <translation>Demasiados intentos de inicio de sesión — espera antes de volver a intentarlo</translation>
    </message>
    <message>
        <source>The sign-in was not approved in time. Start the download again and approve the sign-in in the Steam Mobile app on your phone right away.</source>
        <translation>El inicio de sesión no se aprobó a tiempo. Vuelve a iniciar la descarga y aprueba enseguida el inicio de sesión en la aplicación Steam Mobile de tu teléfono.</translation>
    </message>
    <message>
        <source>Sign-in not approved in time</source>
        <translation>Inicio de sesión no aprobado a tiempo</translation>
    </message>
    <message>
        <source>SteamCMD did not hear back from Steam in time. Check your internet connection and try again.</source>
        <translation>SteamCMD no recibió respuesta de Steam a tiempo. Comprueba tu conexión a Internet y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Type the newest code to try again.</source>
        <translation>Steam no aceptó el código de Steam Guard: era incorrecto o había caducado. Escribe el código más reciente para volver a intentarlo.</translation>
    </message>
    <message>
        <source>SteamCMD could not reach Steam. Check your internet connection, then try again.</source>
        <translation>SteamCMD no pudo conectar con Steam. Comprueba tu conexión a Internet y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1: it needs %2 MB and only %3 MB are free. Free up space there, then try again.</source>
        <translation>No hay suficiente espacio libre en disco para el juego en %1: necesita %2 MB y solo hay %3 MB libres. Libera espacio allí y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1. Free up space there, then try again.</source>
        <translation>No hay suficiente espacio libre en disco para el juego en %1. Libera espacio allí y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>SteamCMD could not write the game&apos;s files to %1. Make sure that folder belongs to you and is not read-only, then try again.</source>
        <translation>SteamCMD no pudo escribir los archivos del juego en %1. Asegúrate de que esa carpeta te pertenece y no es de solo lectura, y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Steam would not hand out the Windows files of the game (invalid platform). Try again later; if it keeps happening, report it with the download log.</source>
        <translation>Steam se negó a entregar los archivos de Windows del juego (invalid platform). Vuelve a intentarlo más tarde; si sigue ocurriendo, infórmalo adjuntando el registro de descarga.</translation>
    </message>
    <message>
        <source>This Steam account does not own the game. Buy it on Steam, or sign in with the account that owns it.</source>
        <translation>Esta cuenta de Steam no posee el juego. Cómpralo en Steam o inicia sesión con la cuenta que lo posee.</translation>
    </message>
    <message>
        <source>Steam did not send the game&apos;s configuration (missing configuration). This is often reported right after SteamCMD has updated itself and usually goes away on a later try: try again in a while.</source>
        <translation>Steam no envió la configuración del juego (missing configuration). Suele ocurrir justo después de que SteamCMD se actualice y normalmente se resuelve en un intento posterior: vuelve a intentarlo dentro de un rato.</translation>
    </message>
    <message>
        <source>SteamCMD stopped before the game was complete (state %1). Try again; if it keeps happening, the reason is in %2.</source>
        <translation>SteamCMD se detuvo antes de completar el juego (estado %1). Vuelve a intentarlo; si sigue ocurriendo, el motivo figura en %2.</translation>
    </message>
    <message>
        <source>SteamCMD&apos;s content log</source>
        <translation>el registro de contenido de SteamCMD</translation>
    </message>
    <message>
        <source>SteamCMD cannot start: it needs the 32-bit C runtime, which is not installed. Install the package lib32gcc-s1, then try again.</source>
        <translation>SteamCMD no puede iniciarse: necesita la biblioteca de tiempo de ejecución de C de 32 bits, que no está instalada. Instala el paquete lib32gcc-s1 y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Authentication failed — check credentials</source>
        <extracomment>The status after Steam refused the sign-in: user name, password or Steam Guard code.</extracomment>
        <translation>Error de autenticación — comprueba tus credenciales</translation>
    </message>
    <message>
        <source>Game not owned — purchase required</source>
        <extracomment>The status when the Steam account has no licence for the game.</extracomment>
        <translation>Juego no adquirido — requiere compra</translation>
    </message>
</context>
<context>
    <name>SteamProgress</name>
    <message>
        <source>Preparing disk space</source>
        <extracomment>The phases of SteamCMD&apos;s download, shown before its size and speed.</extracomment>
        <translation>Preparando espacio en disco</translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>A phase of the download (under the status line), not a button.</extracomment>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>Writing files</source>
        <translation>Escribiendo archivos</translation>
    </message>
    <message>
        <source>Reconfiguring</source>
        <translation>Reconfigurando</translation>
    </message>
    <message>
        <source>%1 · %2%</source>
        <extracomment>%1 is the phase (&quot;Downloading&quot;), %2 the percentage&apos;s number (42.5).</extracomment>
        <translation>%1 · %2&#xa0;%</translation>
    </message>
</context>
<context>
    <name>SteamTab</name>
    <message>
        <source>STEAM CREDENTIALS</source>
        <translation>CREDENCIALES DE STEAM</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Guard Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>SUBMIT</source>
        <translation>ENVIAR</translation>
    </message>
    <message>
        <source>DOWNLOAD ASSETS</source>
        <translation>DESCARGAR JUEGO</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
</context>
<context>
    <name>StepProgress</name>
    <message>
        <source>Download progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>Game data source</source>
        <translation>Fuente de los datos del juego</translation>
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
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A download&apos;s speed: &quot;10.0 MB/s&quot;.</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>The time a download still needs: &quot;17 min left&quot;.</extracomment>
        <translation>quedan %1</translation>
    </message>
</context>
<context>
    <name>UiSupport</name>
    <message>
        <source>COMMUNITY MAC PORT</source>
        <translation>PORT COMUNITARIO PARA MAC</translation>
    </message>
    <message>
        <source>COMMUNITY %1 PORT</source>
        <extracomment>%1 is the operating system&apos;s name in capitals (LINUX).</extracomment>
        <translation>PORT COMUNITARIO PARA %1</translation>
    </message>
    <message>
        <source>%1 Native Port</source>
        <extracomment>%1 is the operating system&apos;s name (Linux).</extracomment>
        <translation>Port nativo para %1</translation>
    </message>
    <message>
        <source>Metal Renderer • Apple Silicon</source>
        <translation>Renderizador Metal • Apple Silicon</translation>
    </message>
    <message>
        <source>%1 does not exist yet.</source>
        <translation>%1 aún no existe.</translation>
    </message>
    <message>
        <source>No program on this desktop opened %1.</source>
        <translation>Ningún programa del escritorio abrió %1.</translation>
    </message>
</context>
<context>
    <name>UpdateBanner</name>
    <message>
        <source>UPDATE AVAILABLE: v%1</source>
        <extracomment>%1 is the new version number.</extracomment>
        <translation>ACTUALIZACIÓN DISPONIBLE: v%1</translation>
    </message>
    <message>
        <source>DOWNLOAD UPDATE</source>
        <translation>DESCARGAR</translation>
    </message>
    <message>
        <source>SEE DETAILS</source>
        <translation>VER DETALLES</translation>
    </message>
    <message>
        <source>Dismiss update</source>
        <translation>Descartar la actualización</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>the server answered %1%2</source>
        <translation>el servidor respondió %1%2</translation>
    </message>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>la respuesta supera los %1 KiB</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>se rechazó la conexión</translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation>no se encontró el host %1</translation>
    </message>
    <message>
        <source>no answer came within %1 s</source>
        <translation>no llegó ninguna respuesta en %1 s</translation>
    </message>
    <message>
        <source>the answer is not an update manifest: %1</source>
        <translation>la respuesta no es un manifiesto de actualización: %1</translation>
    </message>
    <message>
        <source>the connection ended before the whole manifest arrived</source>
        <translation>la conexión terminó antes de recibir el manifiesto completo</translation>
    </message>
</context>
</TS>
