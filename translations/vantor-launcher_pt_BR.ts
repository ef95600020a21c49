<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Vantor Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the launcher&apos;s version number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ported by the Vantor Online community</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built on top of the RN GPLv3 open-source release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardenfall™ Vantor — Duskline is a trademark of its respective owners.
The game engine&apos;s source code is licensed under the GPLv3.</source>
        <extracomment>The game&apos;s full name stays as it is, trademark sign included.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppUpdate</name>
    <message>
        <source>the field &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is JSON but not an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is nested more than %1 levels deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a number beyond the range of a double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not a string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is not a whole number in the 64-bit range</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckUpdateCommand</name>
    <message>
        <source>Checks once whether a newer launcher is published. Exit status: 0 when
the manifest was read (with or without an update), 1 when it was not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not fetch or read the update manifest at %1: %2</source>
        <extracomment>%1 is the manifest&apos;s web address, %2 why it could not be read.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>check once whether a newer launcher is published</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check that DIR holds both game versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start the game from the Steam download or a local folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show SteamCMD, assets, local folder, user and version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the version and build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without a command the launcher window opens; it also takes Qt&apos;s own options,
such as -platform and -style. Each command has its own --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>download the game&apos;s data through SteamCMD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the settings, or change them (and move the game data)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>print this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also print the launcher&apos;s developer log on standard error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option, as typed (&quot;--username&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is an argument&apos;s name in capitals (&quot;DIR&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is what to type: the command and its options.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <source>Awaiting command...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SteamCMD console</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <extracomment>The notification&apos;s button that shows the window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadAnnouncer</name>
    <message>
        <source>Assets ready</source>
        <extracomment>A desktop notification; LAUNCH is the window&apos;s button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is downloaded and patched: LAUNCH starts it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new download continues where this one stopped.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Steam account (default: the one saved in the keyring)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the password from the first line of standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--username NAME is required (no Steam account is saved in the keyring)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantor-launcher download: no password entered
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantor-launcher download: standard input ended before the password line
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam password: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantor-launcher download: no password: standard input is not a terminal; give --password-stdin and write the password as the first line of standard input
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantor-launcher download: cannot watch for SIGINT/SIGTERM
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam Guard code: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
vantor-launcher download: the input ended without a Steam Guard code, cancelling
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
vantor-launcher download: interrupted, stopping SteamCMD
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantor-launcher download: cancelled
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>PORTED BY THE VANTOR ONLINE COMMUNITY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Vantor Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source>Checks that DIR holds both game versions: its immediate subfolders
contain ini.big and inidl.big (any letter case). Prints VALID (status 0),
or why not (status 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder that holds both game versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the game from the chosen data source. When the source is not ready,
prints the window&apos;s hint and exits with status 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data source: steam (the default) or local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the local game folder, for this run only (it is not stored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown source &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--path needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows where SteamCMD, the assets and the local folder are and whether
they are usable, the saved Steam user and the version: what to
include in a bug report.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameFolders</name>
    <message>
        <source>INVALID TARGET — No ini.big / inidl.big detected in subdirectories</source>
        <extracomment>The file names ini.big and inidl.big stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS</source>
        <extracomment>The local tab&apos;s hint: the chosen folder must hold both versions of the game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallFolderController</name>
    <message>
        <source>The game data is being moved to another folder; start the download once the move has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A download is running. Stop it before changing the install folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A download is still stopping. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game data is being moved already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not store the install folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game data now goes to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Stop it before changing the install folder.</source>
        <extracomment>%1 says which download holds the install folder.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving the game data to %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The move was cancelled; the game data stays in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallFolderMove</name>
    <message>
        <source>device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>special file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game data is in &quot;%1&quot; already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new install folder cannot be inside the current one (&quot;%1&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new install folder cannot hold the current one (&quot;%1&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not move the game data: %1; it stays in &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not make &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not move &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not read the link &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not make a folder in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not copy &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is no folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; holds %2 bytes instead of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy of the link &quot;%1&quot; differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not put &quot;%1&quot; in place: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new install folder could not be stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was no game data to move; the game data now goes to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot; (%2 copied).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old copy of %1 in &quot;%2&quot; could not be removed (%3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallLock</name>
    <message>
        <source>Cannot open the download lock %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another download is already running (process %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another download is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaunchButton</name>
    <message>
        <source>INITIALIZING...</source>
        <extracomment>The launch button while the game starts, and its label.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaunchCommand</name>
    <message>
        <source>in the %1, %2</source>
        <extracomment>%1 names the setting (&quot;wrapper command&quot;), %2 says what is wrong in it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; is not an executable file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found on PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrapper command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>extra arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>environment variables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; is not of the form NAME=value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; has an invalid name: a name is made of letters, digits and _ and does not start with a digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wrapper command holds %1 more than once</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LauncherViewModel</name>
    <message>
        <source>Select the Windows Game Folder (containing .big files)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the folder the Steam download goes to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine binary not found at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to launch game: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocalTab</name>
    <message>
        <source>TACTICAL DATA PATH:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO SIGNAL — AWAITING FOLDER TARGET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCATE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quit Vantor Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Vantor Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A download is running. Stop it and launch?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop and Launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEAM (RECOMMENDED)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCAL ARCHIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Steam Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; does not own Ardenfall™ Vantor — Duskline.

Purchase the game on Steam, then press &quot;Download Assets&quot; again.</source>
        <extracomment>%1 is the Steam account&apos;s name. &quot;Download Assets&quot; names the Steam tab&apos;s button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Patch</name>
    <message>
        <source>Refused the patch archive: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid patch URL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to prepare patch file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to download patch: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to unpack patch: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to execute unzip: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>Ends a failure&apos;s message: the install folder was left as it was.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to unpack patch: unzip wrote more than the %1 the archive declares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip ended by signal %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip exited with code %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>vantor-launcher settings: cannot watch for SIGINT/SIGTERM
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
vantor-launcher settings: interrupted, stopping the move
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving the game data from &quot;%1&quot; to &quot;%2&quot;...
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 (%3%)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>where the Steam download goes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with --install-dir: move the game data there first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program the game is started through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game&apos;s extra arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game&apos;s extra environment (NAME=VALUE ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the download speed limit in KB/s (1000 bytes), or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a desktop notification when a download ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the download&apos;s progress on the task bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every setting back to its default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 cannot hold control characters (line breaks, tabs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--download-limit takes KB/s from 1 to %1, or off; not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--install-dir needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--move goes with --install-dir DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--reset goes alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantor-launcher settings: the settings could not be written
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game data in &quot;%1&quot; was not moved (--move moves it).
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INSTALL FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change install folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the game data there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A download is running: the folder can change once it has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrapper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch wrapper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split into words as a shell would, but never run through a shell; %command% is accepted.</source>
        <extracomment>%command% stays as it is: the player types it into the wrapper.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download speed limit in KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No download speed limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTIFICATIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify me when a download ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show download progress on the task bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FOLDERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open install folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open logs folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: how the game is started.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: the Steam download.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShellWords</name>
    <message>
        <source>the %1 quote at character %2 is never closed</source>
        <extracomment>%1 is &quot;single&quot; or &quot;double&quot; (translated apart), %2 a number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the backslash at the end escapes nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SteamCMDInstaller</name>
    <message>
        <source>Installation error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to download SteamCMD tarball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to extract SteamCMD (exit %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation error: %1 links outside the SteamCMD folder (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SteamCMDManager</name>
    <message>
        <source>Approve the sign-in in the Steam Mobile app on your phone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SteamCMDSession</name>
    <message>
        <source>SteamCMD crashed (signal %1: %2)</source>
        <extracomment>%1 is the signal&apos;s number, %2 the system&apos;s name for it (&quot;Segmentation fault&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SteamCMD crashed (signal %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create assets directory: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to launch SteamCMD: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SteamCMD exited with code %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SteamCMDState</name>
    <message>
        <source>DOWNLOADING ASSETS... %1</source>
        <extracomment>Status line; the argument is SteamCMD&apos;s own progress line, left as it prints it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWNLOADING PATCH... %1%</source>
        <extracomment>Status line; %1 is the percentage&apos;s number (42), the percent sign is in the text.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR: %1</source>
        <extracomment>Status line of a failed download; %1 is the failure&apos;s message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>READY</source>
        <extracomment>Status line: nothing under way (a state, not a button).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INSTALLING STEAMCMD...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTHENTICATING...</source>
        <extracomment>Status line: SteamCMD signs in to Steam.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEAM GUARD CODE REQUIRED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VALIDATING FILES...</source>
        <extracomment>Status line: SteamCMD checks the downloaded files.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNPACKING PATCH...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASSETS READY</source>
        <extracomment>Status line: the game data is complete and the game can start.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SteamFailureReasons</name>
    <message>
        <source>the game&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam did not accept the password. Check your user name and password, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Start the download again and enter the newest code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam refuses sign-ins for a while after too many attempts. Wait before you try again: every attempt in between can make the wait longer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many sign-in attempts — wait before trying again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sign-in was not approved in time. Start the download again and approve the sign-in in the Steam Mobile app on your phone right away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in not approved in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SteamCMD did not hear back from Steam in time. Check your internet connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Type the newest code to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SteamCMD could not reach Steam. Check your internet connection, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1: it needs %2 MB and only %3 MB are free. Free up space there, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1. Free up space there, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SteamCMD could not write the game&apos;s files to %1. Make sure that folder belongs to you and is not read-only, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam would not hand out the Windows files of the game (invalid platform). Try again later; if it keeps happening, report it with the download log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Steam account does not own the game. Buy it on Steam, or sign in with the account that owns it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steam did not send the game&apos;s configuration (missing configuration). This is often reported right after SteamCMD has updated itself and usually goes away on a later try: try again in a while.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SteamCMD stopped before the game was complete (state %1). Try again; if it keeps happening, the reason is in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SteamCMD&apos;s content log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SteamCMD cannot start: it needs the 32-bit C runtime, which is not installed. Install the package lib32gcc-s1, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication failed — check credentials</source>
        <extracomment>The status after Steam refused the sign-in: user name, password or Steam Guard code.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game not owned — purchase required</source>
        <extracomment>The status when the Steam account has no licence for the game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SteamProgress</name>
    <message>
        <source>Preparing disk space</source>
        <extracomment>The phases of SteamCMD&apos;s download, shown before its size and speed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>A phase of the download (under the status line), not a button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconfiguring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2%</source>
        <extracomment>%1 is the phase (&quot;Downloading&quot;), %2 the percentage&apos;s number (42.5).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SteamTab</name>
    <message>
        <source>STEAM CREDENTIALS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guard Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUBMIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWNLOAD ASSETS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StepProgress</name>
    <message>
        <source>Download progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>Game data source</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferRate</name>
    <message>
        <source>%1 s</source>
        <extracomment>Time left, abbreviated: seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>Time left, abbreviated: minutes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h</source>
        <extracomment>Time left, abbreviated: hours.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Time left, abbreviated: hours and minutes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the whole: &quot;120 MB of 10.0 GB&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A download&apos;s speed: &quot;10.0 MB/s&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>The time a download still needs: &quot;17 min left&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UiSupport</name>
    <message>
        <source>COMMUNITY MAC PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMMUNITY %1 PORT</source>
        <extracomment>%1 is the operating system&apos;s name in capitals (LINUX).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Native Port</source>
        <extracomment>%1 is the operating system&apos;s name (Linux).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metal Renderer • Apple Silicon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program on this desktop opened %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateBanner</name>
    <message>
        <source>UPDATE AVAILABLE: v%1</source>
        <extracomment>%1 is the new version number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOWNLOAD UPDATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEE DETAILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>the server answered %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer came within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer is not an update manifest: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection ended before the whole manifest arrived</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
