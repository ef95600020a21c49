<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Vantor Online</source>
        <translation>O Vantor Online</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the launcher&apos;s version number.</extracomment>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Ported by the Vantor Online community</source>
        <translation>Port autorstwa społeczności Vantor Online</translation>
    </message>
    <message>
        <source>Built on top of the RN GPLv3 open-source release</source>
        <translation>Oparty na otwartoźródłowym wydaniu RN GPLv3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Strona WWW</translation>
    </message>
    <message>
        <source>Ardenfall™ Vantor — Duskline is a trademark of its respective owners.
The game engine&apos;s source code is licensed under the GPLv3.</source>
        <extracomment>The game&apos;s full name stays as it is, trademark sign included.</extracomment>
        <translation>Ardenfall™ Vantor — Duskline jest znakiem towarowym odpowiednich właścicieli.
Kod źródłowy silnika gry jest udostępniony na licencji GPLv3.</translation>
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
        <translation>pole „%1”</translation>
    </message>
    <message>
        <source>it is not JSON</source>
        <translation>to nie jest JSON</translation>
    </message>
    <message>
        <source>it is JSON but not an object</source>
        <translation>to JSON, ale nie obiekt</translation>
    </message>
    <message>
        <source>it is nested more than %1 levels deep</source>
        <translation>głębokość zagnieżdżenia przekracza limit (%1)</translation>
    </message>
    <message>
        <source>it holds a number beyond the range of a double</source>
        <translation>zawiera liczbę spoza zakresu typu double</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 names a field of the manifest: the field &quot;version&quot;.</extracomment>
        <translation>brak pola %1</translation>
    </message>
    <message>
        <source>%1 is not a string</source>
        <translation>%1 nie jest ciągiem znaków</translation>
    </message>
    <message>
        <source>%1 is not a whole number in the 64-bit range</source>
        <translation>%1 nie jest liczbą całkowitą z zakresu 64 bitów</translation>
    </message>
</context>
<context>
    <name>CheckUpdateCommand</name>
    <message>
        <source>Checks once whether a newer launcher is published. Exit status: 0 when
the manifest was read (with or without an update), 1 when it was not.</source>
        <translation>Sprawdza jednorazowo, czy opublikowano nowszą wersję launchera. Kod wyjścia:
0, gdy manifest został odczytany (z aktualizacją lub bez), 1, gdy nie.</translation>
    </message>
    <message>
        <source>could not fetch or read the update manifest at %1: %2</source>
        <extracomment>%1 is the manifest&apos;s web address, %2 why it could not be read.</extracomment>
        <translation>nie udało się pobrać ani odczytać manifestu aktualizacji z %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>check once whether a newer launcher is published</source>
        <translation>sprawdza jednorazowo, czy opublikowano nowszy launcher</translation>
    </message>
    <message>
        <source>check that DIR holds both game versions</source>
        <translation>sprawdza, czy DIR zawiera obie wersje gry</translation>
    </message>
    <message>
        <source>start the game from the Steam download or a local folder</source>
        <translation>uruchamia grę z pobranych plików Steam lub z folderu lokalnego</translation>
    </message>
    <message>
        <source>show SteamCMD, assets, local folder, user and version</source>
        <translation>pokazuje SteamCMD, pliki gry, folder lokalny, użytkownika i wersję</translation>
    </message>
    <message>
        <source>print the version and build</source>
        <translation>wyświetla wersję i kompilację</translation>
    </message>
    <message>
        <source>Without a command the launcher window opens; it also takes Qt&apos;s own options,
such as -platform and -style. Each command has its own --help.</source>
        <translation>Bez polecenia otwiera się okno launchera; przyjmuje ono też własne opcje Qt,
takie jak -platform i -style. Każde polecenie ma własne --help.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Polecenia:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>nieznane polecenie „%1”</translation>
    </message>
    <message>
        <source>download the game&apos;s data through SteamCMD</source>
        <translation>pobiera dane gry przez SteamCMD</translation>
    </message>
    <message>
        <source>show the settings, or change them (and move the game data)</source>
        <translation>pokazuje ustawienia lub je zmienia (i przenosi dane gry)</translation>
    </message>
    <message>
        <source>the language of the launcher&apos;s messages (de, fr, es, pt_BR, ru, pl, zh_CN, en) instead of the system&apos;s</source>
        <translation>język komunikatów launchera (de, fr, es, pt_BR, ru, pl, zh_CN, en) zamiast języka systemu</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>print this help</source>
        <translation>wyświetla tę pomoc</translation>
    </message>
    <message>
        <source>also print the launcher&apos;s developer log on standard error</source>
        <translation>wypisuje też log deweloperski launchera na standardowe wyjście błędów</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option, as typed (&quot;--username&quot;).</extracomment>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is an argument&apos;s name in capitals (&quot;DIR&quot;).</extracomment>
        <translation>brak argumentu %1</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is what to type: the command and its options.</extracomment>
        <translation>Użycie: %1</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <source>Awaiting command...</source>
        <translation>Oczekiwanie na polecenie...</translation>
    </message>
    <message>
        <source>SteamCMD console</source>
        <translation>Konsola SteamCMD</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <extracomment>The notification&apos;s button that shows the window.</extracomment>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>DownloadAnnouncer</name>
    <message>
        <source>Assets ready</source>
        <extracomment>A desktop notification; LAUNCH is the window&apos;s button.</extracomment>
        <translation>Pliki gry gotowe</translation>
    </message>
    <message>
        <source>The game is downloaded and patched: LAUNCH starts it.</source>
        <translation>Gra została pobrana i załatana: kliknij URUCHOM, aby zagrać.</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Pobieranie nie powiodło się</translation>
    </message>
    <message>
        <source>Download stopped</source>
        <translation>Pobieranie przerwane</translation>
    </message>
    <message>
        <source>A new download continues where this one stopped.</source>
        <translation>Nowe pobieranie wznowi się od miejsca przerwania.</translation>
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
        <translation>Wykonuje jedno pełne pobieranie ze Steam, tak jak przycisk w oknie. Bez
--password-stdin używane jest hasło konta zapisane w bazie kluczy, a gdy
go brak, program pyta o nie w terminalu. Podane dane logowania są
zapisywane w bazie kluczy. Kod Steam Guard jest odczytywany ze
standardowego wejścia albo z terminala, gdy standardowe wejście się skończy.
Kod wyjścia: 0 pliki gotowe, 1 błąd, 2 błąd użycia, 130 przerwane
przez SIGINT lub SIGTERM.</translation>
    </message>
    <message>
        <source>the Steam account (default: the one saved in the keyring)</source>
        <translation>konto Steam (domyślnie: zapisane w bazie kluczy)</translation>
    </message>
    <message>
        <source>read the password from the first line of standard input</source>
        <translation>odczytuje hasło z pierwszego wiersza standardowego wejścia</translation>
    </message>
    <message>
        <source>--username NAME is required (no Steam account is saved in the keyring)</source>
        <translation>--username NAME jest wymagane (w bazie kluczy nie zapisano konta Steam)</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Hasło: </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password entered
</source>
        <translation>vantor-launcher download: nie podano hasła
</translation>
    </message>
    <message>
        <source>vantor-launcher download: standard input ended before the password line
</source>
        <translation>vantor-launcher download: standardowe wejście skończyło się przed wierszem z hasłem
</translation>
    </message>
    <message>
        <source>Steam password: </source>
        <translation>Hasło Steam: </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password: standard input is not a terminal; give --password-stdin and write the password as the first line of standard input
</source>
        <translation>vantor-launcher download: brak hasła: standardowe wejście nie jest terminalem; użyj --password-stdin i podaj hasło w pierwszym wierszu standardowego wejścia
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher download: nie można nasłuchiwać SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>Steam Guard code: </source>
        <translation>Kod Steam Guard: </translation>
    </message>
    <message>
        <source>
vantor-launcher download: the input ended without a Steam Guard code, cancelling
</source>
        <translation>
vantor-launcher download: wejście skończyło się bez kodu Steam Guard, anulowanie
</translation>
    </message>
    <message>
        <source>
vantor-launcher download: interrupted, stopping SteamCMD
</source>
        <translation>
vantor-launcher download: przerwano, zatrzymywanie SteamCMD
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cancelled
</source>
        <translation>vantor-launcher download: anulowano
</translation>
    </message>
</context>
<context>
    <name>DownloadRun</name>
    <message numerus="yes">
        <source>SteamCMD asked to be restarted %n times in a row (exit code 42)</source>
        <translation>
            <numerusform>SteamCMD poprosił o ponowne uruchomienie %n raz z rzędu (kod wyjścia 42)</numerusform>
            <numerusform>SteamCMD poprosił o ponowne uruchomienie %n razy z rzędu (kod wyjścia 42)</numerusform>
            <numerusform>SteamCMD poprosił o ponowne uruchomienie %n razy z rzędu (kod wyjścia 42)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>PORTED BY THE VANTOR ONLINE COMMUNITY</source>
        <translation>PORT AUTORSTWA SPOŁECZNOŚCI VANTOR ONLINE</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Strona WWW</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>About Vantor Online</source>
        <translation>O Vantor Online</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source>Checks that DIR holds both game versions: its immediate subfolders
contain ini.big and inidl.big (any letter case). Prints VALID (status 0),
or why not (status 1).</source>
        <translation>Sprawdza, czy DIR zawiera obie wersje gry: jego bezpośrednie podfoldery
zawierają ini.big i inidl.big (wielkość liter bez znaczenia). Wypisuje VALID
(kod 0) albo przyczynę (kod 1).</translation>
    </message>
    <message>
        <source>the folder that holds both game versions</source>
        <translation>folder zawierający obie wersje gry</translation>
    </message>
    <message>
        <source>Starts the game from the chosen data source. When the source is not ready,
prints the window&apos;s hint and exits with status 1.</source>
        <translation>Uruchamia grę z wybranego źródła danych. Gdy źródło nie jest gotowe,
wypisuje podpowiedź z okna i kończy działanie z kodem 1.</translation>
    </message>
    <message>
        <source>the data source: steam (the default) or local</source>
        <translation>źródło danych: steam (domyślnie) lub local</translation>
    </message>
    <message>
        <source>the local game folder, for this run only (it is not stored)</source>
        <translation>lokalny folder gry, tylko dla tego uruchomienia (nie jest zapisywany)</translation>
    </message>
    <message>
        <source>unknown source &apos;%1&apos;</source>
        <translation>nieznane źródło „%1”</translation>
    </message>
    <message>
        <source>--path needs a folder</source>
        <translation>--path wymaga folderu</translation>
    </message>
    <message>
        <source>Shows where SteamCMD, the assets and the local folder are and whether
they are usable, the saved Steam user and the version: what to
include in a bug report.</source>
        <translation>Pokazuje, gdzie są SteamCMD, pliki gry i folder lokalny oraz czy można
ich użyć, a także zapisanego użytkownika Steam i wersję: to, co warto
dołączyć do zgłoszenia błędu.</translation>
    </message>
</context>
<context>
    <name>GameFolders</name>
    <message>
        <source>INVALID TARGET — No ini.big / inidl.big detected in subdirectories</source>
        <extracomment>The file names ini.big and inidl.big stay as they are.</extracomment>
        <translation>NIEPRAWIDŁOWY CEL — Nie wykryto ini.big / inidl.big w podfolderach</translation>
    </message>
    <message>
        <source>DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH</source>
        <translation>POBIERZ PLIKI GRY PRZEZ STEAM, ABY MÓC JĄ URUCHOMIĆ</translation>
    </message>
    <message>
        <source>SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS</source>
        <extracomment>The local tab&apos;s hint: the chosen folder must hold both versions of the game.</extracomment>
        <translation>WYBIERZ FOLDER NADRZĘDNY ZAWIERAJĄCY OBIE WERSJE GRY</translation>
    </message>
</context>
<context>
    <name>InstallFolderController</name>
    <message>
        <source>The game data is being moved to another folder; start the download once the move has ended.</source>
        <translation>Dane gry są przenoszone do innego folderu; rozpocznij pobieranie po zakończeniu przenoszenia.</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>Folder instalacji musi być ścieżką bezwzględną.</translation>
    </message>
    <message>
        <source>A download is running. Stop it before changing the install folder.</source>
        <translation>Trwa pobieranie. Zatrzymaj je przed zmianą folderu instalacji.</translation>
    </message>
    <message>
        <source>A download is still stopping. Try again in a moment.</source>
        <translation>Pobieranie wciąż jest zatrzymywane. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>The game data is being moved already.</source>
        <translation>Dane gry są już przenoszone.</translation>
    </message>
    <message>
        <source>Could not store the install folder.</source>
        <translation>Nie udało się zapisać folderu instalacji.</translation>
    </message>
    <message>
        <source>The game data now goes to %1.</source>
        <translation>Dane gry będą teraz trafiać do %1.</translation>
    </message>
    <message>
        <source>%1. Stop it before changing the install folder.</source>
        <extracomment>%1 says which download holds the install folder.</extracomment>
        <translation>%1. Zatrzymaj je przed zmianą folderu instalacji.</translation>
    </message>
    <message>
        <source>Moving the game data to %1...</source>
        <translation>Przenoszenie danych gry do %1...</translation>
    </message>
    <message>
        <source>The move was cancelled; the game data stays in &quot;%1&quot;.</source>
        <translation>Przenoszenie anulowano; dane gry pozostają w „%1”.</translation>
    </message>
</context>
<context>
    <name>InstallFolderMove</name>
    <message>
        <source>device</source>
        <translation>urządzenie</translation>
    </message>
    <message>
        <source>named pipe</source>
        <translation>potok nazwany</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>gniazdo</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>plik specjalny</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>Folder instalacji musi być ścieżką bezwzględną.</translation>
    </message>
    <message>
        <source>The game data is in &quot;%1&quot; already.</source>
        <translation>Dane gry już są w „%1”.</translation>
    </message>
    <message>
        <source>The new install folder cannot be inside the current one (&quot;%1&quot;).</source>
        <translation>Nowy folder instalacji nie może znajdować się wewnątrz obecnego („%1”).</translation>
    </message>
    <message>
        <source>The new install folder cannot hold the current one (&quot;%1&quot;).</source>
        <translation>Nowy folder instalacji nie może zawierać obecnego („%1”).</translation>
    </message>
    <message>
        <source>Could not move the game data: %1; it stays in &quot;%2&quot;.</source>
        <translation>Nie udało się przenieść danych gry: %1; pozostają w „%2”.</translation>
    </message>
    <message>
        <source>could not make &quot;%1&quot;: %2</source>
        <translation>nie udało się utworzyć „%1”: %2</translation>
    </message>
    <message>
        <source>could not move &quot;%1&quot;: %2</source>
        <translation>nie udało się przenieść „%1”: %2</translation>
    </message>
    <message>
        <source>could not read &quot;%1&quot;: %2</source>
        <translation>nie udało się odczytać „%1”: %2</translation>
    </message>
    <message>
        <source>could not read the link &quot;%1&quot;</source>
        <translation>nie udało się odczytać dowiązania „%1”</translation>
    </message>
    <message>
        <source>could not make a folder in &quot;%1&quot;: %2</source>
        <translation>nie udało się utworzyć folderu w „%1”: %2</translation>
    </message>
    <message>
        <source>could not copy &quot;%1&quot;: %2</source>
        <translation>nie udało się skopiować „%1”: %2</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is missing</source>
        <translation>brak kopii „%1”</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is no folder</source>
        <translation>kopia „%1” nie jest folderem</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; holds %2 bytes instead of %3</source>
        <translation>kopia „%1” ma rozmiar %2 B zamiast %3 B</translation>
    </message>
    <message>
        <source>the copy of the link &quot;%1&quot; differs</source>
        <translation>kopia dowiązania „%1” się różni</translation>
    </message>
    <message>
        <source>could not put &quot;%1&quot; in place: %2</source>
        <translation>nie udało się umieścić „%1” w miejscu docelowym: %2</translation>
    </message>
    <message>
        <source>the new install folder could not be stored</source>
        <translation>nie udało się zapisać nowego folderu instalacji</translation>
    </message>
    <message>
        <source>There was no game data to move; the game data now goes to &quot;%1&quot;.</source>
        <translation>Nie było danych gry do przeniesienia; dane gry będą teraz trafiać do „%1”.</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot;.</source>
        <translation>Przeniesiono dane gry do „%1”.</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot; (%2 copied).</source>
        <translation>Przeniesiono dane gry do „%1” (skopiowano %2).</translation>
    </message>
    <message>
        <source>The old copy of %1 in &quot;%2&quot; could not be removed (%3).</source>
        <translation>Nie udało się usunąć starej kopii %1 z „%2” (%3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2; only files, folders and links can be moved</source>
        <extracomment>%1 is a path in the game data, %2 what it is (&quot;device&quot;, &quot;named pipe&quot;, ...).</extracomment>
        <translation>„%1” to %2; przenosić można tylko pliki, foldery i dowiązania</translation>
    </message>
</context>
<context>
    <name>InstallLock</name>
    <message>
        <source>Cannot open the download lock %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>Nie można otworzyć pliku blokady pobierania %1: %2</translation>
    </message>
    <message>
        <source>Another download is already running (process %1)</source>
        <translation>Trwa już inne pobieranie (proces %1)</translation>
    </message>
    <message>
        <source>Another download is already running</source>
        <translation>Trwa już inne pobieranie</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>Nie można zablokować %1: %2</translation>
    </message>
</context>
<context>
    <name>LaunchButton</name>
    <message>
        <source>INITIALIZING...</source>
        <extracomment>The launch button while the game starts, and its label.</extracomment>
        <translation>URUCHAMIANIE...</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <translation>URUCHOM</translation>
    </message>
</context>
<context>
    <name>LaunchCommand</name>
    <message>
        <source>in the %1, %2</source>
        <extracomment>%1 names the setting (&quot;wrapper command&quot;), %2 says what is wrong in it.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found</source>
        <translation>nie znaleziono wrappera „%1”</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; is not an executable file</source>
        <translation>wrapper „%1” nie jest plikiem wykonywalnym</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found on PATH</source>
        <translation>nie znaleziono wrappera „%1” w PATH</translation>
    </message>
    <message>
        <source>wrapper command</source>
        <translation>w poleceniu wrappera</translation>
    </message>
    <message>
        <source>extra arguments</source>
        <translation>w dodatkowych argumentach</translation>
    </message>
    <message>
        <source>environment variables</source>
        <translation>w zmiennych środowiskowych</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; is not of the form NAME=value</source>
        <translation>zmienna środowiskowa „%1” nie ma postaci NAME=value</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; has an invalid name: a name is made of letters, digits and _ and does not start with a digit</source>
        <translation>zmienna środowiskowa „%1” ma nieprawidłową nazwę: nazwa składa się z liter, cyfr i _ i nie zaczyna się od cyfry</translation>
    </message>
    <message>
        <source>the wrapper command holds %1 more than once</source>
        <translation>polecenie wrappera zawiera %1 więcej niż raz</translation>
    </message>
</context>
<context>
    <name>LauncherSettings</name>
    <message>
        <source>System default</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Język systemu</translation>
    </message>
</context>
<context>
    <name>LauncherViewModel</name>
    <message>
        <source>Select the Windows Game Folder (containing .big files)</source>
        <translation>Wybierz folder gry w wersji dla Windows (z plikami .big)</translation>
    </message>
    <message>
        <source>Select the folder the Steam download goes to</source>
        <translation>Wybierz folder, do którego trafi pobieranie ze Steam</translation>
    </message>
    <message>
        <source>Engine binary not found at %1</source>
        <translation>Nie znaleziono pliku wykonywalnego silnika w %1</translation>
    </message>
    <message>
        <source>Failed to launch game: %1</source>
        <translation>Nie udało się uruchomić gry: %1</translation>
    </message>
</context>
<context>
    <name>LocalTab</name>
    <message>
        <source>TACTICAL DATA PATH:</source>
        <translation>ŚCIEŻKA DANYCH TAKTYCZNYCH:</translation>
    </message>
    <message>
        <source>NO SIGNAL — AWAITING FOLDER TARGET</source>
        <translation>BRAK SYGNAŁU — OCZEKIWANIE NA FOLDER</translation>
    </message>
    <message>
        <source>LOCATE</source>
        <translation>WYBIERZ</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quit Vantor Online</source>
        <translation>Zamknij Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Trwa pobieranie. Przerwać je i wyjść?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Przerwij i wyjdź</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Launch Vantor Online</source>
        <translation>Uruchom Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and launch?</source>
        <translation>Trwa pobieranie. Przerwać je i uruchomić grę?</translation>
    </message>
    <message>
        <source>Stop and Launch</source>
        <translation>Przerwij i uruchom</translation>
    </message>
    <message>
        <source>STEAM (RECOMMENDED)</source>
        <translation>STEAM (ZALECANE)</translation>
    </message>
    <message>
        <source>LOCAL ARCHIVE</source>
        <translation>PLIKI LOKALNE</translation>
    </message>
    <message>
        <source>Launch Error</source>
        <translation>Błąd uruchamiania</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>Nie znaleziono gry</translation>
    </message>
    <message>
        <source>Open Steam Store</source>
        <translation>Otwórz sklep Steam</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; does not own Ardenfall™ Vantor — Duskline.

Purchase the game on Steam, then press &quot;Download Assets&quot; again.</source>
        <extracomment>%1 is the Steam account&apos;s name. &quot;Download Assets&quot; names the Steam tab&apos;s button.</extracomment>
        <translation>Konto „%1” nie posiada gry Ardenfall™ Vantor — Duskline.

Kup grę na Steam, a następnie ponownie kliknij „Pobierz pliki gry”.</translation>
    </message>
</context>
<context>
    <name>Patch</name>
    <message>
        <source>Refused the patch archive: %1</source>
        <translation>Odrzucono archiwum łatki: %1</translation>
    </message>
    <message>
        <source>Invalid patch URL.</source>
        <translation>Nieprawidłowy adres URL łatki.</translation>
    </message>
    <message>
        <source>Failed to prepare patch file: %1</source>
        <translation>Nie udało się przygotować pliku łatki: %1</translation>
    </message>
    <message>
        <source>Failed to download patch: %1</source>
        <translation>Nie udało się pobrać łatki: %1</translation>
    </message>
    <message>
        <source>Failed to unpack patch: %1</source>
        <translation>Nie udało się rozpakować łatki: %1</translation>
    </message>
    <message>
        <source>Failed to execute unzip: %1</source>
        <translation>Nie udało się uruchomić unzip: %1</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>Ends a failure&apos;s message: the install folder was left as it was.</extracomment>
        <translation>%1; niczego nie zmieniono</translation>
    </message>
    <message>
        <source>Failed to unpack patch: unzip wrote more than the %1 the archive declares</source>
        <translation>Nie udało się rozpakować łatki: unzip zapisał więcej niż zadeklarowany w archiwum rozmiar %1</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip ended by signal %1)</source>
        <translation>Nie udało się rozpakować łatki (unzip zakończony sygnałem %1)</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip exited with code %1)</source>
        <translation>Nie udało się rozpakować łatki (unzip zakończył działanie z kodem %1)</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>vantor-launcher settings: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher settings: nie można nasłuchiwać SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>
vantor-launcher settings: interrupted, stopping the move
</source>
        <translation>
vantor-launcher settings: przerwano, zatrzymywanie przenoszenia
</translation>
    </message>
    <message>
        <source>Moving the game data from &quot;%1&quot; to &quot;%2&quot;...
</source>
        <translation>Przenoszenie danych gry z „%1” do „%2”...
</translation>
    </message>
    <message>
        <source>%1 of %2 (%3%)</source>
        <translation>%1 z %2 (%3%)</translation>
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
        <translation>Bez opcji wypisuje wszystkie ustawienia: nazwę, klucz w pliku konfiguracji
i wartość. Z opcjami zmienia je i wypisuje ponownie. Samo --install-dir
zmienia tylko miejsce, do którego trafia pobieranie ze Steam; z --move dane
gry launchera (Assets, DL_Vantor i pliki łatki społeczności) są najpierw
tam przenoszone, a Ctrl-C anuluje przenoszenie i zostawia dane na miejscu.
--reset przywraca wszystkim ustawieniom wartości domyślne (niczego nie
przenosi).
Kod wyjścia: 0 gotowe, 1 zmiana odrzucona lub nieudana, 2 błąd użycia,
130 przenoszenie przerwane przez SIGINT lub SIGTERM.</translation>
    </message>
    <message>
        <source>where the Steam download goes</source>
        <translation>miejsce, do którego trafia pobieranie ze Steam</translation>
    </message>
    <message>
        <source>with --install-dir: move the game data there first</source>
        <translation>z --install-dir: najpierw przenosi tam dane gry</translation>
    </message>
    <message>
        <source>the program the game is started through</source>
        <translation>program, przez który uruchamiana jest gra</translation>
    </message>
    <message>
        <source>the game&apos;s extra arguments</source>
        <translation>dodatkowe argumenty gry</translation>
    </message>
    <message>
        <source>the game&apos;s extra environment (NAME=VALUE ...)</source>
        <translation>dodatkowe zmienne środowiskowe gry (NAME=VALUE ...)</translation>
    </message>
    <message>
        <source>the download speed limit in KB/s (1000 bytes), or off</source>
        <translation>limit prędkości pobierania w KB/s (1000 bajtów) lub off</translation>
    </message>
    <message>
        <source>a desktop notification when a download ends</source>
        <translation>powiadomienie na pulpicie po zakończeniu pobierania</translation>
    </message>
    <message>
        <source>the download&apos;s progress on the task bar</source>
        <translation>postęp pobierania na pasku zadań</translation>
    </message>
    <message>
        <source>every setting back to its default</source>
        <translation>przywraca wszystkim ustawieniom wartości domyślne</translation>
    </message>
    <message>
        <source>--%1 cannot hold control characters (line breaks, tabs)</source>
        <translation>--%1 nie może zawierać znaków sterujących (podziałów wiersza, tabulatorów)</translation>
    </message>
    <message>
        <source>--download-limit takes KB/s from 1 to %1, or off; not &apos;%2&apos;</source>
        <translation>--download-limit przyjmuje KB/s od 1 do %1 lub off, a nie „%2”</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &apos;%2&apos;</source>
        <translation>--%1 przyjmuje on lub off, a nie „%2”</translation>
    </message>
    <message>
        <source>--install-dir needs a folder</source>
        <translation>--install-dir wymaga folderu</translation>
    </message>
    <message>
        <source>--move goes with --install-dir DIR</source>
        <translation>--move działa tylko z --install-dir DIR</translation>
    </message>
    <message>
        <source>--reset goes alone</source>
        <translation>--reset nie łączy się z innymi opcjami</translation>
    </message>
    <message>
        <source>vantor-launcher settings: the settings could not be written
</source>
        <translation>vantor-launcher settings: nie udało się zapisać ustawień
</translation>
    </message>
    <message>
        <source>The game data in &quot;%1&quot; was not moved (--move moves it).
</source>
        <translation>Dane gry w „%1” nie zostały przeniesione (przenosi je --move).
</translation>
    </message>
    <message>
        <source>the language from the next start on (%1), or system</source>
        <translation>język od następnego uruchomienia (%1) lub system</translation>
    </message>
    <message>
        <source>--language takes %1 or system, not &apos;%2&apos;</source>
        <translation>--language przyjmuje %1 lub system, a nie „%2”</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>INSTALL FOLDER</source>
        <translation>FOLDER INSTALACJI</translation>
    </message>
    <message>
        <source>Install folder: %1</source>
        <translation>Folder instalacji: %1</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Zmień…</translation>
    </message>
    <message>
        <source>Change install folder</source>
        <translation>Zmień folder instalacji</translation>
    </message>
    <message>
        <source>Move the game data there</source>
        <translation>Przenieś tam dane gry</translation>
    </message>
    <message>
        <source>Move progress</source>
        <translation>Postęp przenoszenia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cancel the move</source>
        <translation>Anuluj przenoszenie</translation>
    </message>
    <message>
        <source>A download is running: the folder can change once it has ended.</source>
        <translation>Trwa pobieranie: folder będzie można zmienić po jego zakończeniu.</translation>
    </message>
    <message>
        <source>Wrapper</source>
        <translation>Wrapper</translation>
    </message>
    <message>
        <source>Launch wrapper</source>
        <translation>Wrapper uruchamiania</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumenty</translation>
    </message>
    <message>
        <source>Launch arguments</source>
        <translation>Argumenty uruchamiania</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Środowisko</translation>
    </message>
    <message>
        <source>Launch environment</source>
        <translation>Środowisko uruchamiania</translation>
    </message>
    <message>
        <source>Split into words as a shell would, but never run through a shell; %command% is accepted.</source>
        <extracomment>%command% stays as it is: the player types it into the wrapper.</extracomment>
        <translation>Dzielone na słowa tak jak w powłoce, ale nigdy nie uruchamiane przez powłokę; można użyć %command%.</translation>
    </message>
    <message>
        <source>Speed limit</source>
        <translation>Limit prędkości</translation>
    </message>
    <message>
        <source>Download speed limit in KB/s</source>
        <translation>Limit prędkości pobierania w KB/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Bez limitu</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>No download speed limit</source>
        <translation>Bez limitu prędkości pobierania</translation>
    </message>
    <message>
        <source>NOTIFICATIONS</source>
        <translation>POWIADOMIENIA</translation>
    </message>
    <message>
        <source>Notify me when a download ends</source>
        <translation>Powiadamiaj o zakończeniu pobierania</translation>
    </message>
    <message>
        <source>Show download progress on the task bar</source>
        <translation>Pokazuj postęp pobierania na pasku zadań</translation>
    </message>
    <message>
        <source>FOLDERS</source>
        <translation>FOLDERY</translation>
    </message>
    <message>
        <source>Open install folder</source>
        <translation>Otwórz folder instalacji</translation>
    </message>
    <message>
        <source>Open logs folder</source>
        <translation>Otwórz folder logów</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: how the game is started.</extracomment>
        <translation>URUCHAMIANIE</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: the Steam download.</extracomment>
        <translation>POBIERANIE</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>JĘZYK</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Applies the next time the launcher starts.</source>
        <extracomment>Under the language choice: the window keeps its language until then.</extracomment>
        <translation>Zmiana zadziała po ponownym uruchomieniu launchera.</translation>
    </message>
</context>
<context>
    <name>ShellWords</name>
    <message>
        <source>the %1 quote at character %2 is never closed</source>
        <extracomment>%1 is &quot;single&quot; or &quot;double&quot; (translated apart), %2 a number.</extracomment>
        <translation>%1 cudzysłów przy znaku %2 nie został zamknięty</translation>
    </message>
    <message>
        <source>the backslash at the end escapes nothing</source>
        <translation>odwrotny ukośnik na końcu nie poprzedza żadnego znaku</translation>
    </message>
    <message>
        <source>single</source>
        <translation>pojedynczy</translation>
    </message>
    <message>
        <source>double</source>
        <translation>podwójny</translation>
    </message>
</context>
<context>
    <name>SteamCMDInstaller</name>
    <message>
        <source>Installation error: %1</source>
        <translation>Błąd instalacji: %1</translation>
    </message>
    <message>
        <source>Failed to download SteamCMD tarball</source>
        <translation>Nie udało się pobrać archiwum SteamCMD</translation>
    </message>
    <message>
        <source>Failed to extract SteamCMD (exit %1)</source>
        <translation>Nie udało się wypakować SteamCMD (kod %1)</translation>
    </message>
    <message>
        <source>Installation error: %1 links outside the SteamCMD folder (%2)</source>
        <translation>Błąd instalacji: %1 wskazuje poza folder SteamCMD (%2)</translation>
    </message>
</context>
<context>
    <name>SteamCMDManager</name>
    <message>
        <source>Approve the sign-in in the Steam Mobile app on your phone</source>
        <translation>Zatwierdź logowanie w aplikacji Steam Mobile na telefonie</translation>
    </message>
</context>
<context>
    <name>SteamCMDSession</name>
    <message>
        <source>SteamCMD crashed (signal %1: %2)</source>
        <extracomment>%1 is the signal&apos;s number, %2 the system&apos;s name for it (&quot;Segmentation fault&quot;).</extracomment>
        <translation>SteamCMD uległ awarii (sygnał %1: %2)</translation>
    </message>
    <message>
        <source>SteamCMD crashed (signal %1)</source>
        <translation>SteamCMD uległ awarii (sygnał %1)</translation>
    </message>
    <message>
        <source>Cannot create assets directory: %1</source>
        <translation>Nie można utworzyć folderu plików gry: %1</translation>
    </message>
    <message>
        <source>Failed to launch SteamCMD: %1</source>
        <translation>Nie udało się uruchomić SteamCMD: %1</translation>
    </message>
    <message>
        <source>SteamCMD exited with code %1</source>
        <translation>SteamCMD zakończył działanie z kodem %1</translation>
    </message>
</context>
<context>
    <name>SteamCMDState</name>
    <message>
        <source>DOWNLOADING ASSETS... %1</source>
        <extracomment>Status line; the argument is SteamCMD&apos;s own progress line, left as it prints it.</extracomment>
        <translation>POBIERANIE PLIKÓW... %1</translation>
    </message>
    <message>
        <source>DOWNLOADING PATCH... %1%</source>
        <extracomment>Status line; %1 is the percentage&apos;s number (42), the percent sign is in the text.</extracomment>
        <translation>POBIERANIE ŁATKI... %1%</translation>
    </message>
    <message>
        <source>ERROR: %1</source>
        <extracomment>Status line of a failed download; %1 is the failure&apos;s message.</extracomment>
        <translation>BŁĄD: %1</translation>
    </message>
    <message>
        <source>READY</source>
        <extracomment>Status line: nothing under way (a state, not a button).</extracomment>
        <translation>GOTOWY</translation>
    </message>
    <message>
        <source>INSTALLING STEAMCMD...</source>
        <translation>INSTALOWANIE STEAMCMD...</translation>
    </message>
    <message>
        <source>AUTHENTICATING...</source>
        <extracomment>Status line: SteamCMD signs in to Steam.</extracomment>
        <translation>LOGOWANIE...</translation>
    </message>
    <message>
        <source>STEAM GUARD CODE REQUIRED</source>
        <translation>WYMAGANY KOD STEAM GUARD</translation>
    </message>
    <message>
        <source>VALIDATING FILES...</source>
        <extracomment>Status line: SteamCMD checks the downloaded files.</extracomment>
        <translation>WERYFIKACJA PLIKÓW...</translation>
    </message>
    <message>
        <source>UNPACKING PATCH...</source>
        <translation>ROZPAKOWYWANIE ŁATKI...</translation>
    </message>
    <message>
        <source>ASSETS READY</source>
        <extracomment>Status line: the game data is complete and the game can start.</extracomment>
        <translation>PLIKI GOTOWE</translation>
    </message>
</context>
<context>
    <name>SteamFailureReasons</name>
    <message>
        <source>the game&apos;s folder</source>
        <translation>folderze gry</translation>
    </message>
    <message>
        <source>Steam did not accept the password. Check your user name and password, then try again.</source>
        <translation>Steam nie zaakceptował hasła. Sprawdź nazwę użytkownika i hasło, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Start the download again and enter the newest code.</source>
        <translation>Steam nie zaakceptował kodu Steam Guard: był błędny lub wygasł. Rozpocznij pobieranie ponownie i wpisz najnowszy kod.</translation>
    </message>
    <message>
        <source>Steam refuses sign-ins for a while after too many attempts. Wait before you try again: every attempt in between can make the wait longer.</source>
        <translation>Po zbyt wielu próbach Steam przez pewien czas odrzuca logowanie. Odczekaj przed kolejną próbą: każda próba w tym czasie może wydłużyć oczekiwanie.</translation>
    </message>
    <message>
        <source>Too many sign-in attempts — wait before trying again</source>
        <translation>Zbyt wiele prób logowania — odczekaj przed kolejną próbą</translation>
    </message>
    <message>
        <source>The sign-in was not approved in time. Start the download again and approve the sign-in in the Steam Mobile app on your phone right away.</source>
        <translation>Logowanie nie zostało zatwierdzone na czas. Rozpocznij pobieranie ponownie i od razu zatwierdź logowanie w aplikacji Steam Mobile na telefonie.</translation>
    </message>
    <message>
        <source>Sign-in not approved in time</source>
        <translation>Logowanie niezatwierdzone na czas</translation>
    </message>
    <message>
        <source>SteamCMD did not hear back from Steam in time. Check your internet connection and try again.</source>
        <translation>SteamCMD nie otrzymał na czas odpowiedzi od Steam. Sprawdź połączenie z internetem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Type the newest code to try again.</source>
        <translation>Steam nie zaakceptował kodu Steam Guard: był błędny lub wygasł. Wpisz najnowszy kod, aby spróbować ponownie.</translation>
    </message>
    <message>
        <source>SteamCMD could not reach Steam. Check your internet connection, then try again.</source>
        <translation>SteamCMD nie mógł połączyć się ze Steam. Sprawdź połączenie z internetem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1: it needs %2 MB and only %3 MB are free. Free up space there, then try again.</source>
        <translation>Za mało wolnego miejsca na dysku dla gry w %1: potrzeba %2 MB, a wolne jest tylko %3 MB. Zwolnij tam miejsce i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1. Free up space there, then try again.</source>
        <translation>Za mało wolnego miejsca na dysku dla gry w %1. Zwolnij tam miejsce i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>SteamCMD could not write the game&apos;s files to %1. Make sure that folder belongs to you and is not read-only, then try again.</source>
        <translation>SteamCMD nie mógł zapisać plików gry w %1. Upewnij się, że masz uprawnienia do tego folderu i nie jest on tylko do odczytu, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Steam would not hand out the Windows files of the game (invalid platform). Try again later; if it keeps happening, report it with the download log.</source>
        <translation>Steam nie udostępnił plików gry w wersji dla Windows (invalid platform). Spróbuj ponownie później; jeśli problem się powtarza, zgłoś go wraz z logiem pobierania.</translation>
    </message>
    <message>
        <source>This Steam account does not own the game. Buy it on Steam, or sign in with the account that owns it.</source>
        <translation>To konto Steam nie posiada gry. Kup ją na Steam albo zaloguj się na konto, które ją posiada.</translation>
    </message>
    <message>
        <source>Steam did not send the game&apos;s configuration (missing configuration). This is often reported right after SteamCMD has updated itself and usually goes away on a later try: try again in a while.</source>
        <translation>Steam nie przesłał konfiguracji gry (missing configuration). Zdarza się to często zaraz po samoaktualizacji SteamCMD i zwykle mija przy kolejnej próbie: spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>SteamCMD stopped before the game was complete (state %1). Try again; if it keeps happening, the reason is in %2.</source>
        <translation>SteamCMD zatrzymał się, zanim gra została w pełni pobrana (stan %1). Spróbuj ponownie; jeśli problem się powtarza, przyczynę znajdziesz w %2.</translation>
    </message>
    <message>
        <source>SteamCMD&apos;s content log</source>
        <translation>logu zawartości SteamCMD</translation>
    </message>
    <message>
        <source>SteamCMD cannot start: it needs the 32-bit C runtime, which is not installed. Install the package lib32gcc-s1, then try again.</source>
        <translation>SteamCMD nie może się uruchomić: wymaga 32-bitowego środowiska uruchomieniowego C, które nie jest zainstalowane. Zainstaluj pakiet lib32gcc-s1 i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Authentication failed — check credentials</source>
        <extracomment>The status after Steam refused the sign-in: user name, password or Steam Guard code.</extracomment>
        <translation>Nieudane logowanie — sprawdź dane logowania</translation>
    </message>
    <message>
        <source>Game not owned — purchase required</source>
        <extracomment>The status when the Steam account has no licence for the game.</extracomment>
        <translation>Brak gry na koncie — wymagany zakup</translation>
    </message>
</context>
<context>
    <name>SteamProgress</name>
    <message>
        <source>Preparing disk space</source>
        <extracomment>The phases of SteamCMD&apos;s download, shown before its size and speed.</extracomment>
        <translation>Przygotowywanie miejsca na dysku</translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>A phase of the download (under the status line), not a button.</extracomment>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Weryfikacja</translation>
    </message>
    <message>
        <source>Writing files</source>
        <translation>Zapisywanie plików</translation>
    </message>
    <message>
        <source>Reconfiguring</source>
        <translation>Ponowna konfiguracja</translation>
    </message>
    <message>
        <source>%1 · %2%</source>
        <extracomment>%1 is the phase (&quot;Downloading&quot;), %2 the percentage&apos;s number (42.5).</extracomment>
        <translation>%1 · %2%</translation>
    </message>
</context>
<context>
    <name>SteamTab</name>
    <message>
        <source>STEAM CREDENTIALS</source>
        <translation>DANE LOGOWANIA STEAM</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Guard Code</source>
        <translation>Kod Guard</translation>
    </message>
    <message>
        <source>SUBMIT</source>
        <translation>WYŚLIJ</translation>
    </message>
    <message>
        <source>DOWNLOAD ASSETS</source>
        <translation>POBIERZ PLIKI GRY</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
</context>
<context>
    <name>StepProgress</name>
    <message>
        <source>Download progress</source>
        <translation>Postęp pobierania</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>Game data source</source>
        <translation>Źródło danych gry</translation>
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
        <translation>%1 godz.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Time left, abbreviated: hours and minutes.</extracomment>
        <translation>%1 godz. %2 min</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the whole: &quot;120 MB of 10.0 GB&quot;.</extracomment>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A download&apos;s speed: &quot;10.0 MB/s&quot;.</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>The time a download still needs: &quot;17 min left&quot;.</extracomment>
        <translation>pozostało %1</translation>
    </message>
</context>
<context>
    <name>UiSupport</name>
    <message>
        <source>COMMUNITY MAC PORT</source>
        <translation>PORT SPOŁECZNOŚCI NA MACA</translation>
    </message>
    <message>
        <source>COMMUNITY %1 PORT</source>
        <extracomment>%1 is the operating system&apos;s name in capitals (LINUX).</extracomment>
        <translation>PORT SPOŁECZNOŚCI DLA SYSTEMU %1</translation>
    </message>
    <message>
        <source>%1 Native Port</source>
        <extracomment>%1 is the operating system&apos;s name (Linux).</extracomment>
        <translation>Natywny port dla systemu %1</translation>
    </message>
    <message>
        <source>Metal Renderer • Apple Silicon</source>
        <translation>Renderer Metal • Apple Silicon</translation>
    </message>
    <message>
        <source>%1 does not exist yet.</source>
        <translation>%1 jeszcze nie istnieje.</translation>
    </message>
    <message>
        <source>No program on this desktop opened %1.</source>
        <translation>Żaden program w tym środowisku graficznym nie otworzył %1.</translation>
    </message>
</context>
<context>
    <name>UpdateBanner</name>
    <message>
        <source>UPDATE AVAILABLE: v%1</source>
        <extracomment>%1 is the new version number.</extracomment>
        <translation>DOSTĘPNA AKTUALIZACJA: v%1</translation>
    </message>
    <message>
        <source>DOWNLOAD UPDATE</source>
        <translation>POBIERZ</translation>
    </message>
    <message>
        <source>SEE DETAILS</source>
        <translation>SZCZEGÓŁY</translation>
    </message>
    <message>
        <source>Dismiss update</source>
        <translation>Ukryj powiadomienie o aktualizacji</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>the server answered %1%2</source>
        <translation>serwer odpowiedział %1%2</translation>
    </message>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>odpowiedź przekracza %1 KiB</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>połączenie zostało odrzucone</translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation>nie znaleziono hosta %1</translation>
    </message>
    <message>
        <source>no answer came within %1 s</source>
        <translation>brak odpowiedzi w ciągu %1 s</translation>
    </message>
    <message>
        <source>the answer is not an update manifest: %1</source>
        <translation>odpowiedź nie jest manifestem aktualizacji: %1</translation>
    </message>
    <message>
        <source>the connection ended before the whole manifest arrived</source>
        <translation>połączenie zakończyło się, zanim dotarł cały manifest</translation>
    </message>
</context>
</TS>
