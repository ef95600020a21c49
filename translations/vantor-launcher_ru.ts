<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Vantor Online</source>
        <translation>О Vantor Online</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the launcher&apos;s version number.</extracomment>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Ported by the Vantor Online community</source>
        <translation>Портировано сообществом Vantor Online</translation>
    </message>
    <message>
        <source>Built on top of the RN GPLv3 open-source release</source>
        <translation>Создано на основе открытого выпуска RN под лицензией GPLv3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>Ardenfall™ Vantor — Duskline is a trademark of its respective owners.
The game engine&apos;s source code is licensed under the GPLv3.</source>
        <extracomment>The game&apos;s full name stays as it is, trademark sign included.</extracomment>
        <translation>Ardenfall™ Vantor — Duskline является товарным знаком соответствующих владельцев.
Исходный код игрового движка распространяется по лицензии GPLv3.</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>AppUpdate</name>
    <message>
        <source>the field &quot;%1&quot;</source>
        <translation>поле «%1»</translation>
    </message>
    <message>
        <source>it is not JSON</source>
        <translation>это не JSON</translation>
    </message>
    <message>
        <source>it is JSON but not an object</source>
        <translation>это JSON, но не объект</translation>
    </message>
    <message>
        <source>it is nested more than %1 levels deep</source>
        <translation>глубина вложенности превышает %1</translation>
    </message>
    <message>
        <source>it holds a number beyond the range of a double</source>
        <translation>в нём есть число вне диапазона типа double</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 names a field of the manifest: the field &quot;version&quot;.</extracomment>
        <translation>%1 отсутствует</translation>
    </message>
    <message>
        <source>%1 is not a string</source>
        <translation>%1 не является строкой</translation>
    </message>
    <message>
        <source>%1 is not a whole number in the 64-bit range</source>
        <translation>%1 не является целым 64-битным числом</translation>
    </message>
</context>
<context>
    <name>CheckUpdateCommand</name>
    <message>
        <source>Checks once whether a newer launcher is published. Exit status: 0 when
the manifest was read (with or without an update), 1 when it was not.</source>
        <translation>Однократно проверяет, вышла ли новая версия лаунчера. Код выхода: 0, если
манифест прочитан (с обновлением или без), 1 — если нет.</translation>
    </message>
    <message>
        <source>could not fetch or read the update manifest at %1: %2</source>
        <extracomment>%1 is the manifest&apos;s web address, %2 why it could not be read.</extracomment>
        <translation>не удалось получить или прочитать манифест обновлений по адресу %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>check once whether a newer launcher is published</source>
        <translation>однократно проверить, вышла ли новая версия лаунчера</translation>
    </message>
    <message>
        <source>check that DIR holds both game versions</source>
        <translation>проверить, что в DIR есть обе версии игры</translation>
    </message>
    <message>
        <source>start the game from the Steam download or a local folder</source>
        <translation>запустить игру из загрузки Steam или из локальной папки</translation>
    </message>
    <message>
        <source>show SteamCMD, assets, local folder, user and version</source>
        <translation>показать SteamCMD, файлы игры, локальную папку, пользователя и версию</translation>
    </message>
    <message>
        <source>print the version and build</source>
        <translation>вывести версию и сборку</translation>
    </message>
    <message>
        <source>Without a command the launcher window opens; it also takes Qt&apos;s own options,
such as -platform and -style. Each command has its own --help.</source>
        <translation>Без команды открывается окно лаунчера; он также принимает параметры самого
Qt, например -platform и -style. У каждой команды есть свой --help.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Команды:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>download the game&apos;s data through SteamCMD</source>
        <translation>скачать данные игры через SteamCMD</translation>
    </message>
    <message>
        <source>show the settings, or change them (and move the game data)</source>
        <translation>показать или изменить настройки (и перенести данные игры)</translation>
    </message>
    <message>
        <source>the language of the launcher&apos;s messages (de, fr, es, pt_BR, ru, pl, zh_CN, en) instead of the system&apos;s</source>
        <translation>язык сообщений лаунчера (de, fr, es, pt_BR, ru, pl, zh_CN, en) вместо языка системы</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>print this help</source>
        <translation>показать эту справку</translation>
    </message>
    <message>
        <source>also print the launcher&apos;s developer log on standard error</source>
        <translation>также выводить журнал разработчика лаунчера в стандартный поток ошибок</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option, as typed (&quot;--username&quot;).</extracomment>
        <translation>для %1 требуется значение</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>лишний аргумент «%1»</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is an argument&apos;s name in capitals (&quot;DIR&quot;).</extracomment>
        <translation>не указан %1</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is what to type: the command and its options.</extracomment>
        <translation>Использование: %1</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <source>Awaiting command...</source>
        <translation>Ожидание команды...</translation>
    </message>
    <message>
        <source>SteamCMD console</source>
        <translation>Консоль SteamCMD</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <extracomment>The notification&apos;s button that shows the window.</extracomment>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>DownloadAnnouncer</name>
    <message>
        <source>Assets ready</source>
        <extracomment>A desktop notification; LAUNCH is the window&apos;s button.</extracomment>
        <translation>Файлы готовы</translation>
    </message>
    <message>
        <source>The game is downloaded and patched: LAUNCH starts it.</source>
        <translation>Игра скачана и пропатчена: нажмите «ИГРАТЬ», чтобы начать.</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>Download stopped</source>
        <translation>Загрузка остановлена</translation>
    </message>
    <message>
        <source>A new download continues where this one stopped.</source>
        <translation>Новая загрузка продолжится с того места, где остановилась эта.</translation>
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
        <translation>Выполняет одну полную загрузку из Steam, как кнопка в окне. Без
--password-stdin берётся пароль аккаунта из связки ключей или он
запрашивается в терминале. Введённые данные входа сохраняются в связке
ключей. Код Steam Guard читается со стандартного ввода или, когда он
закончится, с терминала.
Код выхода: 0 — файлы готовы, 1 — ошибка, 2 — неверный вызов, 130 —
остановлено сигналом SIGINT или SIGTERM.</translation>
    </message>
    <message>
        <source>the Steam account (default: the one saved in the keyring)</source>
        <translation>аккаунт Steam (по умолчанию — сохранённый в связке ключей)</translation>
    </message>
    <message>
        <source>read the password from the first line of standard input</source>
        <translation>прочитать пароль из первой строки стандартного ввода</translation>
    </message>
    <message>
        <source>--username NAME is required (no Steam account is saved in the keyring)</source>
        <translation>требуется --username NAME (в связке ключей нет сохранённого аккаунта Steam)</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Пароль: </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password entered
</source>
        <translation>vantor-launcher download: пароль не введён
</translation>
    </message>
    <message>
        <source>vantor-launcher download: standard input ended before the password line
</source>
        <translation>vantor-launcher download: стандартный ввод закончился раньше строки с паролем
</translation>
    </message>
    <message>
        <source>Steam password: </source>
        <translation>Пароль Steam: </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password: standard input is not a terminal; give --password-stdin and write the password as the first line of standard input
</source>
        <translation>vantor-launcher download: нет пароля: стандартный ввод не является терминалом; укажите --password-stdin и передайте пароль первой строкой стандартного ввода
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher download: не удаётся отслеживать SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>Steam Guard code: </source>
        <translation>Код Steam Guard: </translation>
    </message>
    <message>
        <source>
vantor-launcher download: the input ended without a Steam Guard code, cancelling
</source>
        <translation>
vantor-launcher download: ввод закончился без кода Steam Guard, отмена
</translation>
    </message>
    <message>
        <source>
vantor-launcher download: interrupted, stopping SteamCMD
</source>
        <translation>
vantor-launcher download: прервано, SteamCMD останавливается
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cancelled
</source>
        <translation>vantor-launcher download: отменено
</translation>
    </message>
</context>
<context>
    <name>DownloadRun</name>
    <message numerus="yes">
        <source>SteamCMD asked to be restarted %n times in a row (exit code 42)</source>
        <translation>
            <numerusform>SteamCMD запросил перезапуск %n раз подряд (код выхода 42)</numerusform>
            <numerusform>SteamCMD запросил перезапуск %n раза подряд (код выхода 42)</numerusform>
            <numerusform>SteamCMD запросил перезапуск %n раз подряд (код выхода 42)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>PORTED BY THE VANTOR ONLINE COMMUNITY</source>
        <translation>ПОРТ ОТ СООБЩЕСТВА VANTOR ONLINE</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>About Vantor Online</source>
        <translation>О Vantor Online</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source>Checks that DIR holds both game versions: its immediate subfolders
contain ini.big and inidl.big (any letter case). Prints VALID (status 0),
or why not (status 1).</source>
        <translation>Проверяет, что в DIR есть обе версии игры: в его непосредственных
подпапках лежат ini.big и inidl.big (регистр букв не важен). Выводит
VALID (код 0) или причину, по которой это не так (код 1).</translation>
    </message>
    <message>
        <source>the folder that holds both game versions</source>
        <translation>папка с обеими версиями игры</translation>
    </message>
    <message>
        <source>Starts the game from the chosen data source. When the source is not ready,
prints the window&apos;s hint and exits with status 1.</source>
        <translation>Запускает игру из выбранного источника данных. Если источник не готов,
выводит подсказку из окна и завершается с кодом 1.</translation>
    </message>
    <message>
        <source>the data source: steam (the default) or local</source>
        <translation>источник данных: steam (по умолчанию) или local</translation>
    </message>
    <message>
        <source>the local game folder, for this run only (it is not stored)</source>
        <translation>локальная папка игры, только для этого запуска (не сохраняется)</translation>
    </message>
    <message>
        <source>unknown source &apos;%1&apos;</source>
        <translation>неизвестный источник «%1»</translation>
    </message>
    <message>
        <source>--path needs a folder</source>
        <translation>для --path требуется папка</translation>
    </message>
    <message>
        <source>Shows where SteamCMD, the assets and the local folder are and whether
they are usable, the saved Steam user and the version: what to
include in a bug report.</source>
        <translation>Показывает, где находятся SteamCMD, файлы игры и локальная папка и можно
ли ими пользоваться, сохранённого пользователя Steam и версию: всё, что
стоит приложить к сообщению об ошибке.</translation>
    </message>
</context>
<context>
    <name>GameFolders</name>
    <message>
        <source>INVALID TARGET — No ini.big / inidl.big detected in subdirectories</source>
        <extracomment>The file names ini.big and inidl.big stay as they are.</extracomment>
        <translation>НЕВЕРНАЯ ПАПКА — в подпапках не найдены ini.big / inidl.big</translation>
    </message>
    <message>
        <source>DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH</source>
        <translation>СКАЧАЙТЕ ФАЙЛЫ ИГРЫ ЧЕРЕЗ STEAM, ЧТОБЫ ЕЁ ЗАПУСТИТЬ</translation>
    </message>
    <message>
        <source>SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS</source>
        <extracomment>The local tab&apos;s hint: the chosen folder must hold both versions of the game.</extracomment>
        <translation>ВЫБЕРИТЕ РОДИТЕЛЬСКУЮ ПАПКУ С ОБЕИМИ ВЕРСИЯМИ ИГРЫ</translation>
    </message>
</context>
<context>
    <name>InstallFolderController</name>
    <message>
        <source>The game data is being moved to another folder; start the download once the move has ended.</source>
        <translation>Данные игры переносятся в другую папку; начните загрузку, когда перенос закончится.</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>Папка установки должна быть задана абсолютным путём.</translation>
    </message>
    <message>
        <source>A download is running. Stop it before changing the install folder.</source>
        <translation>Идёт загрузка. Остановите её, прежде чем менять папку установки.</translation>
    </message>
    <message>
        <source>A download is still stopping. Try again in a moment.</source>
        <translation>Загрузка ещё останавливается. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>The game data is being moved already.</source>
        <translation>Данные игры уже переносятся.</translation>
    </message>
    <message>
        <source>Could not store the install folder.</source>
        <translation>Не удалось сохранить папку установки.</translation>
    </message>
    <message>
        <source>The game data now goes to %1.</source>
        <translation>Теперь данные игры будут сохраняться в %1.</translation>
    </message>
    <message>
        <source>%1. Stop it before changing the install folder.</source>
        <extracomment>%1 says which download holds the install folder.</extracomment>
        <translation>%1. Остановите её, прежде чем менять папку установки.</translation>
    </message>
    <message>
        <source>Moving the game data to %1...</source>
        <translation>Перенос данных игры в %1...</translation>
    </message>
    <message>
        <source>The move was cancelled; the game data stays in &quot;%1&quot;.</source>
        <translation>Перенос отменён; данные игры остаются в «%1».</translation>
    </message>
</context>
<context>
    <name>InstallFolderMove</name>
    <message>
        <source>device</source>
        <translation>устройство</translation>
    </message>
    <message>
        <source>named pipe</source>
        <translation>именованный канал</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>сокет</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>специальный файл</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>Папка установки должна быть задана абсолютным путём.</translation>
    </message>
    <message>
        <source>The game data is in &quot;%1&quot; already.</source>
        <translation>Данные игры уже находятся в «%1».</translation>
    </message>
    <message>
        <source>The new install folder cannot be inside the current one (&quot;%1&quot;).</source>
        <translation>Новая папка установки не может находиться внутри текущей («%1»).</translation>
    </message>
    <message>
        <source>The new install folder cannot hold the current one (&quot;%1&quot;).</source>
        <translation>Новая папка установки не может содержать текущую («%1»).</translation>
    </message>
    <message>
        <source>Could not move the game data: %1; it stays in &quot;%2&quot;.</source>
        <translation>Не удалось перенести данные игры: %1; они остаются в «%2».</translation>
    </message>
    <message>
        <source>could not make &quot;%1&quot;: %2</source>
        <translation>не удалось создать «%1»: %2</translation>
    </message>
    <message>
        <source>could not move &quot;%1&quot;: %2</source>
        <translation>не удалось переместить «%1»: %2</translation>
    </message>
    <message>
        <source>could not read &quot;%1&quot;: %2</source>
        <translation>не удалось прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>could not read the link &quot;%1&quot;</source>
        <translation>не удалось прочитать ссылку «%1»</translation>
    </message>
    <message>
        <source>could not make a folder in &quot;%1&quot;: %2</source>
        <translation>не удалось создать папку в «%1»: %2</translation>
    </message>
    <message>
        <source>could not copy &quot;%1&quot;: %2</source>
        <translation>не удалось скопировать «%1»: %2</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is missing</source>
        <translation>копия «%1» отсутствует</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is no folder</source>
        <translation>копия «%1» не является папкой</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; holds %2 bytes instead of %3</source>
        <translation>копия «%1» содержит %2 байт вместо %3</translation>
    </message>
    <message>
        <source>the copy of the link &quot;%1&quot; differs</source>
        <translation>копия ссылки «%1» отличается от оригинала</translation>
    </message>
    <message>
        <source>could not put &quot;%1&quot; in place: %2</source>
        <translation>не удалось поместить «%1» на место: %2</translation>
    </message>
    <message>
        <source>the new install folder could not be stored</source>
        <translation>не удалось сохранить новую папку установки</translation>
    </message>
    <message>
        <source>There was no game data to move; the game data now goes to &quot;%1&quot;.</source>
        <translation>Переносить было нечего; теперь данные игры будут сохраняться в «%1».</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot;.</source>
        <translation>Данные игры перенесены в «%1».</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot; (%2 copied).</source>
        <translation>Данные игры перенесены в «%1» (скопировано %2).</translation>
    </message>
    <message>
        <source>The old copy of %1 in &quot;%2&quot; could not be removed (%3).</source>
        <translation>Не удалось удалить старую копию %1 в «%2» (%3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2; only files, folders and links can be moved</source>
        <extracomment>%1 is a path in the game data, %2 what it is (&quot;device&quot;, &quot;named pipe&quot;, ...).</extracomment>
        <translation>«%1» — это %2; перемещать можно только файлы, папки и ссылки</translation>
    </message>
</context>
<context>
    <name>InstallLock</name>
    <message>
        <source>Cannot open the download lock %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>Не удаётся открыть файл блокировки загрузки %1: %2</translation>
    </message>
    <message>
        <source>Another download is already running (process %1)</source>
        <translation>Уже идёт другая загрузка (процесс %1)</translation>
    </message>
    <message>
        <source>Another download is already running</source>
        <translation>Уже идёт другая загрузка</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>Не удаётся заблокировать %1: %2</translation>
    </message>
</context>
<context>
    <name>LaunchButton</name>
    <message>
        <source>INITIALIZING...</source>
        <extracomment>The launch button while the game starts, and its label.</extracomment>
        <translation>ЗАПУСК...</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <translation>ИГРАТЬ</translation>
    </message>
</context>
<context>
    <name>LaunchCommand</name>
    <message>
        <source>in the %1, %2</source>
        <extracomment>%1 names the setting (&quot;wrapper command&quot;), %2 says what is wrong in it.</extracomment>
        <translation>в поле «%1» %2</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found</source>
        <translation>обёртка «%1» не найдена</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; is not an executable file</source>
        <translation>обёртка «%1» не является исполняемым файлом</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found on PATH</source>
        <translation>обёртка «%1» не найдена в PATH</translation>
    </message>
    <message>
        <source>wrapper command</source>
        <translation>команда-обёртка</translation>
    </message>
    <message>
        <source>extra arguments</source>
        <translation>дополнительные аргументы</translation>
    </message>
    <message>
        <source>environment variables</source>
        <translation>переменные окружения</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; is not of the form NAME=value</source>
        <translation>переменная окружения «%1» не имеет вида NAME=value</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; has an invalid name: a name is made of letters, digits and _ and does not start with a digit</source>
        <translation>у переменной окружения «%1» недопустимое имя: имя состоит из букв, цифр и _ и не начинается с цифры</translation>
    </message>
    <message>
        <source>the wrapper command holds %1 more than once</source>
        <translation>в команде-обёртке %1 встречается больше одного раза</translation>
    </message>
</context>
<context>
    <name>LauncherSettings</name>
    <message>
        <source>System default</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Язык системы</translation>
    </message>
</context>
<context>
    <name>LauncherViewModel</name>
    <message>
        <source>Select the Windows Game Folder (containing .big files)</source>
        <translation>Выберите папку игры для Windows (с файлами .big)</translation>
    </message>
    <message>
        <source>Select the folder the Steam download goes to</source>
        <translation>Выберите папку для загрузки из Steam</translation>
    </message>
    <message>
        <source>Engine binary not found at %1</source>
        <translation>Исполняемый файл движка не найден: %1</translation>
    </message>
    <message>
        <source>Failed to launch game: %1</source>
        <translation>Не удалось запустить игру: %1</translation>
    </message>
</context>
<context>
    <name>LocalTab</name>
    <message>
        <source>TACTICAL DATA PATH:</source>
        <translation>ПУТЬ К ТАКТИЧЕСКИМ ДАННЫМ:</translation>
    </message>
    <message>
        <source>NO SIGNAL — AWAITING FOLDER TARGET</source>
        <translation>НЕТ СИГНАЛА — ОЖИДАНИЕ ВЫБОРА ПАПКИ</translation>
    </message>
    <message>
        <source>LOCATE</source>
        <translation>ОБЗОР</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quit Vantor Online</source>
        <translation>Выход из Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Идёт загрузка. Остановить её и выйти?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Прервать и выйти</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Launch Vantor Online</source>
        <translation>Запуск Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and launch?</source>
        <translation>Идёт загрузка. Остановить её и запустить игру?</translation>
    </message>
    <message>
        <source>Stop and Launch</source>
        <translation>Прервать и играть</translation>
    </message>
    <message>
        <source>STEAM (RECOMMENDED)</source>
        <translation>STEAM (РЕКОМЕНДУЕТСЯ)</translation>
    </message>
    <message>
        <source>LOCAL ARCHIVE</source>
        <translation>ЛОКАЛЬНЫЙ АРХИВ</translation>
    </message>
    <message>
        <source>Launch Error</source>
        <translation>Ошибка запуска</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>Игра не найдена</translation>
    </message>
    <message>
        <source>Open Steam Store</source>
        <translation>Открыть магазин Steam</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; does not own Ardenfall™ Vantor — Duskline.

Purchase the game on Steam, then press &quot;Download Assets&quot; again.</source>
        <extracomment>%1 is the Steam account&apos;s name. &quot;Download Assets&quot; names the Steam tab&apos;s button.</extracomment>
        <translation>На аккаунте «%1» нет игры Ardenfall™ Vantor — Duskline.

Купите игру в Steam, затем снова нажмите «Скачать файлы».</translation>
    </message>
</context>
<context>
    <name>Patch</name>
    <message>
        <source>Refused the patch archive: %1</source>
        <translation>Архив патча отклонён: %1</translation>
    </message>
    <message>
        <source>Invalid patch URL.</source>
        <translation>Неверный адрес патча.</translation>
    </message>
    <message>
        <source>Failed to prepare patch file: %1</source>
        <translation>Не удалось подготовить файл патча: %1</translation>
    </message>
    <message>
        <source>Failed to download patch: %1</source>
        <translation>Не удалось скачать патч: %1</translation>
    </message>
    <message>
        <source>Failed to unpack patch: %1</source>
        <translation>Не удалось распаковать патч: %1</translation>
    </message>
    <message>
        <source>Failed to execute unzip: %1</source>
        <translation>Не удалось запустить unzip: %1</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>Ends a failure&apos;s message: the install folder was left as it was.</extracomment>
        <translation>%1; ничего не изменено</translation>
    </message>
    <message>
        <source>Failed to unpack patch: unzip wrote more than the %1 the archive declares</source>
        <translation>Не удалось распаковать патч: unzip записал больше заявленных в архиве %1</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip ended by signal %1)</source>
        <translation>Не удалось распаковать патч (unzip завершён сигналом %1)</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip exited with code %1)</source>
        <translation>Не удалось распаковать патч (unzip завершился с кодом %1)</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>vantor-launcher settings: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher settings: не удаётся отслеживать SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>
vantor-launcher settings: interrupted, stopping the move
</source>
        <translation>
vantor-launcher settings: прервано, перенос останавливается
</translation>
    </message>
    <message>
        <source>Moving the game data from &quot;%1&quot; to &quot;%2&quot;...
</source>
        <translation>Перенос данных игры из «%1» в «%2»...
</translation>
    </message>
    <message>
        <source>%1 of %2 (%3%)</source>
        <translation>%1 из %2 (%3%)</translation>
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
        <translation>Без параметров выводит все настройки: имя, ключ в файле конфигурации и
значение. С параметрами изменяет их и выводит снова. Одна --install-dir
меняет только папку для загрузки из Steam; с --move данные игры лаунчера
(Assets, DL_Vantor и файлы патча сообщества) сначала переносятся туда,
а Ctrl-C отменяет перенос, оставляя данные на месте. --reset возвращает
всем настройкам значения по умолчанию (ничего не переносит).
Код выхода: 0 — готово, 1 — изменение отклонено или не удалось,
2 — неверный вызов, 130 — перенос остановлен сигналом SIGINT или SIGTERM.</translation>
    </message>
    <message>
        <source>where the Steam download goes</source>
        <translation>куда сохраняется загрузка из Steam</translation>
    </message>
    <message>
        <source>with --install-dir: move the game data there first</source>
        <translation>вместе с --install-dir: сначала перенести туда данные игры</translation>
    </message>
    <message>
        <source>the program the game is started through</source>
        <translation>программа, через которую запускается игра</translation>
    </message>
    <message>
        <source>the game&apos;s extra arguments</source>
        <translation>дополнительные аргументы игры</translation>
    </message>
    <message>
        <source>the game&apos;s extra environment (NAME=VALUE ...)</source>
        <translation>дополнительные переменные окружения игры (NAME=VALUE ...)</translation>
    </message>
    <message>
        <source>the download speed limit in KB/s (1000 bytes), or off</source>
        <translation>ограничение скорости загрузки в KB/s (1000 байт) или off</translation>
    </message>
    <message>
        <source>a desktop notification when a download ends</source>
        <translation>уведомление на рабочем столе по окончании загрузки</translation>
    </message>
    <message>
        <source>the download&apos;s progress on the task bar</source>
        <translation>ход загрузки на панели задач</translation>
    </message>
    <message>
        <source>every setting back to its default</source>
        <translation>вернуть всем настройкам значения по умолчанию</translation>
    </message>
    <message>
        <source>--%1 cannot hold control characters (line breaks, tabs)</source>
        <translation>--%1 не может содержать управляющие символы (переводы строк, табуляции)</translation>
    </message>
    <message>
        <source>--download-limit takes KB/s from 1 to %1, or off; not &apos;%2&apos;</source>
        <translation>--download-limit принимает KB/s от 1 до %1 или off, а не «%2»</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &apos;%2&apos;</source>
        <translation>--%1 принимает on или off, а не «%2»</translation>
    </message>
    <message>
        <source>--install-dir needs a folder</source>
        <translation>для --install-dir требуется папка</translation>
    </message>
    <message>
        <source>--move goes with --install-dir DIR</source>
        <translation>--move указывается только вместе с --install-dir DIR</translation>
    </message>
    <message>
        <source>--reset goes alone</source>
        <translation>--reset указывается без других параметров</translation>
    </message>
    <message>
        <source>vantor-launcher settings: the settings could not be written
</source>
        <translation>vantor-launcher settings: не удалось записать настройки
</translation>
    </message>
    <message>
        <source>The game data in &quot;%1&quot; was not moved (--move moves it).
</source>
        <translation>Данные игры в «%1» не перенесены (для переноса укажите --move).
</translation>
    </message>
    <message>
        <source>the language from the next start on (%1), or system</source>
        <translation>язык начиная со следующего запуска (%1) или system</translation>
    </message>
    <message>
        <source>--language takes %1 or system, not &apos;%2&apos;</source>
        <translation>--language принимает %1 или system, а не «%2»</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>INSTALL FOLDER</source>
        <translation>ПАПКА УСТАНОВКИ</translation>
    </message>
    <message>
        <source>Install folder: %1</source>
        <translation>Папка установки: %1</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Изменить…</translation>
    </message>
    <message>
        <source>Change install folder</source>
        <translation>Изменить папку установки</translation>
    </message>
    <message>
        <source>Move the game data there</source>
        <translation>Перенести туда данные игры</translation>
    </message>
    <message>
        <source>Move progress</source>
        <translation>Ход переноса</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cancel the move</source>
        <translation>Отменить перенос</translation>
    </message>
    <message>
        <source>A download is running: the folder can change once it has ended.</source>
        <translation>Идёт загрузка: папку можно будет изменить, когда она закончится.</translation>
    </message>
    <message>
        <source>Wrapper</source>
        <translation>Обёртка</translation>
    </message>
    <message>
        <source>Launch wrapper</source>
        <translation>Обёртка запуска</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Аргументы</translation>
    </message>
    <message>
        <source>Launch arguments</source>
        <translation>Аргументы запуска</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Окружение</translation>
    </message>
    <message>
        <source>Launch environment</source>
        <translation>Переменные окружения запуска</translation>
    </message>
    <message>
        <source>Split into words as a shell would, but never run through a shell; %command% is accepted.</source>
        <extracomment>%command% stays as it is: the player types it into the wrapper.</extracomment>
        <translation>Разбивается на слова, как это делает оболочка, но никогда не запускается через неё; %command% поддерживается.</translation>
    </message>
    <message>
        <source>Speed limit</source>
        <translation>Ограничение скорости</translation>
    </message>
    <message>
        <source>Download speed limit in KB/s</source>
        <translation>Ограничение скорости загрузки, КБ/с</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Без лимита</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>КБ/с</translation>
    </message>
    <message>
        <source>No download speed limit</source>
        <translation>Без ограничения скорости загрузки</translation>
    </message>
    <message>
        <source>NOTIFICATIONS</source>
        <translation>УВЕДОМЛЕНИЯ</translation>
    </message>
    <message>
        <source>Notify me when a download ends</source>
        <translation>Уведомлять об окончании загрузки</translation>
    </message>
    <message>
        <source>Show download progress on the task bar</source>
        <translation>Показывать ход загрузки на панели задач</translation>
    </message>
    <message>
        <source>FOLDERS</source>
        <translation>ПАПКИ</translation>
    </message>
    <message>
        <source>Open install folder</source>
        <translation>Открыть папку установки</translation>
    </message>
    <message>
        <source>Open logs folder</source>
        <translation>Открыть папку логов</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: how the game is started.</extracomment>
        <translation>ЗАПУСК</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: the Steam download.</extracomment>
        <translation>ЗАГРУЗКА</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>ЯЗЫК</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Applies the next time the launcher starts.</source>
        <extracomment>Under the language choice: the window keeps its language until then.</extracomment>
        <translation>Вступит в силу при следующем запуске лаунчера.</translation>
    </message>
</context>
<context>
    <name>ShellWords</name>
    <message>
        <source>the %1 quote at character %2 is never closed</source>
        <extracomment>%1 is &quot;single&quot; or &quot;double&quot; (translated apart), %2 a number.</extracomment>
        <translation>не закрыта %1 кавычка в позиции %2</translation>
    </message>
    <message>
        <source>the backslash at the end escapes nothing</source>
        <translation>обратная косая черта в конце ничего не экранирует</translation>
    </message>
    <message>
        <source>single</source>
        <translation>одинарная</translation>
    </message>
    <message>
        <source>double</source>
        <translation>двойная</translation>
    </message>
</context>
<context>
    <name>SteamCMDInstaller</name>
    <message>
        <source>Installation error: %1</source>
        <translation>Ошибка установки: %1</translation>
    </message>
    <message>
        <source>Failed to download SteamCMD tarball</source>
        <translation>Не удалось скачать архив SteamCMD</translation>
    </message>
    <message>
        <source>Failed to extract SteamCMD (exit %1)</source>
        <translation>Не удалось распаковать SteamCMD (код %1)</translation>
    </message>
    <message>
        <source>Installation error: %1 links outside the SteamCMD folder (%2)</source>
        <translation>Ошибка установки: %1 ссылается за пределы папки SteamCMD (%2)</translation>
    </message>
</context>
<context>
    <name>SteamCMDManager</name>
    <message>
        <source>Approve the sign-in in the Steam Mobile app on your phone</source>
        <translation>Подтвердите вход в приложении Steam Mobile на телефоне</translation>
    </message>
</context>
<context>
    <name>SteamCMDSession</name>
    <message>
        <source>SteamCMD crashed (signal %1: %2)</source>
        <extracomment>%1 is the signal&apos;s number, %2 the system&apos;s name for it (&quot;Segmentation fault&quot;).</extracomment>
        <translation>Сбой SteamCMD (сигнал %1: %2)</translation>
    </message>
    <message>
        <source>SteamCMD crashed (signal %1)</source>
        <translation>Сбой SteamCMD (сигнал %1)</translation>
    </message>
    <message>
        <source>Cannot create assets directory: %1</source>
        <translation>Не удаётся создать папку для файлов игры: %1</translation>
    </message>
    <message>
        <source>Failed to launch SteamCMD: %1</source>
        <translation>Не удалось запустить SteamCMD: %1</translation>
    </message>
    <message>
        <source>SteamCMD exited with code %1</source>
        <translation>SteamCMD завершился с кодом %1</translation>
    </message>
</context>
<context>
    <name>SteamCMDState</name>
    <message>
        <source>DOWNLOADING ASSETS... %1</source>
        <extracomment>Status line; the argument is SteamCMD&apos;s own progress line, left as it prints it.</extracomment>
        <translation>ЗАГРУЗКА ФАЙЛОВ... %1</translation>
    </message>
    <message>
        <source>DOWNLOADING PATCH... %1%</source>
        <extracomment>Status line; %1 is the percentage&apos;s number (42), the percent sign is in the text.</extracomment>
        <translation>ЗАГРУЗКА ПАТЧА... %1%</translation>
    </message>
    <message>
        <source>ERROR: %1</source>
        <extracomment>Status line of a failed download; %1 is the failure&apos;s message.</extracomment>
        <translation>ОШИБКА: %1</translation>
    </message>
    <message>
        <source>READY</source>
        <extracomment>Status line: nothing under way (a state, not a button).</extracomment>
        <translation>ГОТОВО</translation>
    </message>
    <message>
        <source>INSTALLING STEAMCMD...</source>
        <translation>УСТАНОВКА STEAMCMD...</translation>
    </message>
    <message>
        <source>AUTHENTICATING...</source>
        <extracomment>Status line: SteamCMD signs in to Steam.</extracomment>
        <translation>АВТОРИЗАЦИЯ...</translation>
    </message>
    <message>
        <source>STEAM GUARD CODE REQUIRED</source>
        <translation>ТРЕБУЕТСЯ КОД STEAM GUARD</translation>
    </message>
    <message>
        <source>VALIDATING FILES...</source>
        <extracomment>Status line: SteamCMD checks the downloaded files.</extracomment>
        <translation>ПРОВЕРКА ФАЙЛОВ...</translation>
    </message>
    <message>
        <source>UNPACKING PATCH...</source>
        <translation>РАСПАКОВКА ПАТЧА...</translation>
    </message>
    <message>
        <source>ASSETS READY</source>
        <extracomment>Status line: the game data is complete and the game can start.</extracomment>
        <translation>ФАЙЛЫ ГОТОВЫ</translation>
    </message>
</context>
<context>
    <name>SteamFailureReasons</name>
    <message>
        <source>the game&apos;s folder</source>
        <translation>папке игры</translation>
    </message>
    <message>
        <source>Steam did not accept the password. Check your user name and password, then try again.</source>
        <translation>Steam не принял пароль. Проверьте имя пользователя и пароль и повторите попытку.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Start the download again and enter the newest code.</source>
        <translation>Steam не принял код Steam Guard: он неверен или устарел. Начните загрузку заново и введите последний код.</translation>
    </message>
    <message>
        <source>Steam refuses sign-ins for a while after too many attempts. Wait before you try again: every attempt in between can make the wait longer.</source>
        <translation>После слишком большого числа попыток Steam на время запрещает вход. Подождите, прежде чем пробовать снова: каждая попытка в это время может продлить ожидание.</translation>
    </message>
    <message>
        <source>Too many sign-in attempts — wait before trying again</source>
        <translation>Слишком много попыток входа — подождите</translation>
    </message>
    <message>
        <source>The sign-in was not approved in time. Start the download again and approve the sign-in in the Steam Mobile app on your phone right away.</source>
        <translation>Вход не был вовремя подтверждён. Начните загрузку заново и сразу подтвердите вход в приложении Steam Mobile на телефоне.</translation>
    </message>
    <message>
        <source>Sign-in not approved in time</source>
        <translation>Вход не подтверждён вовремя</translation>
    </message>
    <message>
        <source>SteamCMD did not hear back from Steam in time. Check your internet connection and try again.</source>
        <translation>SteamCMD не дождался ответа от Steam. Проверьте подключение к интернету и повторите попытку.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Type the newest code to try again.</source>
        <translation>Steam не принял код Steam Guard: он неверен или устарел. Введите последний код, чтобы повторить попытку.</translation>
    </message>
    <message>
        <source>SteamCMD could not reach Steam. Check your internet connection, then try again.</source>
        <translation>SteamCMD не удалось связаться со Steam. Проверьте подключение к интернету и повторите попытку.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1: it needs %2 MB and only %3 MB are free. Free up space there, then try again.</source>
        <translation>Недостаточно места на диске для игры в %1: нужно %2 МБ, а свободно только %3 МБ. Освободите там место и повторите попытку.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1. Free up space there, then try again.</source>
        <translation>Недостаточно места на диске для игры в %1. Освободите там место и повторите попытку.</translation>
    </message>
    <message>
        <source>SteamCMD could not write the game&apos;s files to %1. Make sure that folder belongs to you and is not read-only, then try again.</source>
        <translation>SteamCMD не удалось сохранить файлы игры в %1. Убедитесь, что эта папка принадлежит вам и не доступна только для чтения, и повторите попытку.</translation>
    </message>
    <message>
        <source>Steam would not hand out the Windows files of the game (invalid platform). Try again later; if it keeps happening, report it with the download log.</source>
        <translation>Steam не выдал файлы игры для Windows (invalid platform). Повторите попытку позже; если ошибка не исчезнет, сообщите о ней, приложив журнал загрузки.</translation>
    </message>
    <message>
        <source>This Steam account does not own the game. Buy it on Steam, or sign in with the account that owns it.</source>
        <translation>На этом аккаунте Steam нет этой игры. Купите её в Steam или войдите в аккаунт, на котором она есть.</translation>
    </message>
    <message>
        <source>Steam did not send the game&apos;s configuration (missing configuration). This is often reported right after SteamCMD has updated itself and usually goes away on a later try: try again in a while.</source>
        <translation>Steam не прислал конфигурацию игры (missing configuration). Так часто бывает сразу после обновления SteamCMD, и обычно при следующей попытке ошибка исчезает: повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>SteamCMD stopped before the game was complete (state %1). Try again; if it keeps happening, the reason is in %2.</source>
        <translation>SteamCMD остановился раньше, чем игра загрузилась полностью (состояние %1). Повторите попытку; если ошибка не исчезнет, причина указана в %2.</translation>
    </message>
    <message>
        <source>SteamCMD&apos;s content log</source>
        <translation>журнале содержимого SteamCMD</translation>
    </message>
    <message>
        <source>SteamCMD cannot start: it needs the 32-bit C runtime, which is not installed. Install the package lib32gcc-s1, then try again.</source>
        <translation>SteamCMD не запускается: ему нужна 32-битная среда выполнения C, которая не установлена. Установите пакет lib32gcc-s1 и повторите попытку.</translation>
    </message>
    <message>
        <source>Authentication failed — check credentials</source>
        <extracomment>The status after Steam refused the sign-in: user name, password or Steam Guard code.</extracomment>
        <translation>Не удалось войти — проверьте данные входа</translation>
    </message>
    <message>
        <source>Game not owned — purchase required</source>
        <extracomment>The status when the Steam account has no licence for the game.</extracomment>
        <translation>Игры нет в библиотеке — нужно купить</translation>
    </message>
</context>
<context>
    <name>SteamProgress</name>
    <message>
        <source>Preparing disk space</source>
        <extracomment>The phases of SteamCMD&apos;s download, shown before its size and speed.</extracomment>
        <translation>Выделение места на диске</translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>A phase of the download (under the status line), not a button.</extracomment>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Writing files</source>
        <translation>Запись файлов</translation>
    </message>
    <message>
        <source>Reconfiguring</source>
        <translation>Перенастройка</translation>
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
        <translation>ДАННЫЕ ДЛЯ ВХОДА В STEAM</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Guard Code</source>
        <translation>Код Guard</translation>
    </message>
    <message>
        <source>SUBMIT</source>
        <translation>ВОЙТИ</translation>
    </message>
    <message>
        <source>DOWNLOAD ASSETS</source>
        <translation>СКАЧАТЬ ФАЙЛЫ</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
</context>
<context>
    <name>StepProgress</name>
    <message>
        <source>Download progress</source>
        <translation>Ход загрузки</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>Game data source</source>
        <translation>Источник данных игры</translation>
    </message>
</context>
<context>
    <name>TransferRate</name>
    <message>
        <source>%1 s</source>
        <extracomment>Time left, abbreviated: seconds.</extracomment>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>Time left, abbreviated: minutes.</extracomment>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1 h</source>
        <extracomment>Time left, abbreviated: hours.</extracomment>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Time left, abbreviated: hours and minutes.</extracomment>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the whole: &quot;120 MB of 10.0 GB&quot;.</extracomment>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A download&apos;s speed: &quot;10.0 MB/s&quot;.</extracomment>
        <translation>%1/с</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>The time a download still needs: &quot;17 min left&quot;.</extracomment>
        <translation>осталось %1</translation>
    </message>
</context>
<context>
    <name>UiSupport</name>
    <message>
        <source>COMMUNITY MAC PORT</source>
        <translation>ПОРТ ДЛЯ MAC ОТ СООБЩЕСТВА</translation>
    </message>
    <message>
        <source>COMMUNITY %1 PORT</source>
        <extracomment>%1 is the operating system&apos;s name in capitals (LINUX).</extracomment>
        <translation>ПОРТ ДЛЯ %1 ОТ СООБЩЕСТВА</translation>
    </message>
    <message>
        <source>%1 Native Port</source>
        <extracomment>%1 is the operating system&apos;s name (Linux).</extracomment>
        <translation>Нативный порт для %1</translation>
    </message>
    <message>
        <source>Metal Renderer • Apple Silicon</source>
        <translation>Рендерер Metal • Apple Silicon</translation>
    </message>
    <message>
        <source>%1 does not exist yet.</source>
        <translation>%1 пока не существует.</translation>
    </message>
    <message>
        <source>No program on this desktop opened %1.</source>
        <translation>Не удалось открыть %1: на этом рабочем столе нет подходящей программы.</translation>
    </message>
</context>
<context>
    <name>UpdateBanner</name>
    <message>
        <source>UPDATE AVAILABLE: v%1</source>
        <extracomment>%1 is the new version number.</extracomment>
        <translation>ДОСТУПНО ОБНОВЛЕНИЕ: v%1</translation>
    </message>
    <message>
        <source>DOWNLOAD UPDATE</source>
        <translation>СКАЧАТЬ ОБНОВЛЕНИЕ</translation>
    </message>
    <message>
        <source>SEE DETAILS</source>
        <translation>ПОДРОБНЕЕ</translation>
    </message>
    <message>
        <source>Dismiss update</source>
        <translation>Скрыть уведомление об обновлении</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>the server answered %1%2</source>
        <translation>сервер ответил: %1%2</translation>
    </message>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>ответ больше %1 КиБ</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>в соединении отказано</translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation>узел %1 не найден</translation>
    </message>
    <message>
        <source>no answer came within %1 s</source>
        <translation>нет ответа в течение %1 с</translation>
    </message>
    <message>
        <source>the answer is not an update manifest: %1</source>
        <translation>ответ не является манифестом обновлений: %1</translation>
    </message>
    <message>
        <source>the connection ended before the whole manifest arrived</source>
        <translation>соединение прервалось до получения всего манифеста</translation>
    </message>
</context>
</TS>
