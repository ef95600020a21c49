<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Vantor Online</source>
        <translation>关于 Vantor Online</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the launcher&apos;s version number.</extracomment>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Ported by the Vantor Online community</source>
        <translation>由 Vantor Online 社区移植</translation>
    </message>
    <message>
        <source>Built on top of the RN GPLv3 open-source release</source>
        <translation>基于 RN 以 GPLv3 许可开源发布的版本构建</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>Ardenfall™ Vantor — Duskline is a trademark of its respective owners.
The game engine&apos;s source code is licensed under the GPLv3.</source>
        <extracomment>The game&apos;s full name stays as it is, trademark sign included.</extracomment>
        <translation>Ardenfall™ Vantor — Duskline 是其各自所有者的商标。
游戏引擎的源代码依据 GPLv3 许可发布。</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AppUpdate</name>
    <message>
        <source>the field &quot;%1&quot;</source>
        <translation>字段“%1”</translation>
    </message>
    <message>
        <source>it is not JSON</source>
        <translation>内容不是 JSON</translation>
    </message>
    <message>
        <source>it is JSON but not an object</source>
        <translation>内容是 JSON，但不是对象</translation>
    </message>
    <message>
        <source>it is nested more than %1 levels deep</source>
        <translation>嵌套深度超过 %1 层</translation>
    </message>
    <message>
        <source>it holds a number beyond the range of a double</source>
        <translation>包含超出 double 范围的数字</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 names a field of the manifest: the field &quot;version&quot;.</extracomment>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>%1 is not a string</source>
        <translation>%1 不是字符串</translation>
    </message>
    <message>
        <source>%1 is not a whole number in the 64-bit range</source>
        <translation>%1 不是 64 位范围内的整数</translation>
    </message>
</context>
<context>
    <name>CheckUpdateCommand</name>
    <message>
        <source>Checks once whether a newer launcher is published. Exit status: 0 when
the manifest was read (with or without an update), 1 when it was not.</source>
        <translation>检查一次是否发布了新版启动器。退出状态：读取到更新清单时为 0（无论
有无更新），未能读取时为 1。</translation>
    </message>
    <message>
        <source>could not fetch or read the update manifest at %1: %2</source>
        <extracomment>%1 is the manifest&apos;s web address, %2 why it could not be read.</extracomment>
        <translation>无法获取或读取位于 %1 的更新清单：%2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>check once whether a newer launcher is published</source>
        <translation>检查一次是否有新版启动器</translation>
    </message>
    <message>
        <source>check that DIR holds both game versions</source>
        <translation>检查 DIR 中是否包含两个游戏版本</translation>
    </message>
    <message>
        <source>start the game from the Steam download or a local folder</source>
        <translation>从 Steam 下载的文件或本地文件夹启动游戏</translation>
    </message>
    <message>
        <source>show SteamCMD, assets, local folder, user and version</source>
        <translation>显示 SteamCMD、游戏文件、本地文件夹、用户和版本</translation>
    </message>
    <message>
        <source>print the version and build</source>
        <translation>显示版本和构建信息</translation>
    </message>
    <message>
        <source>Without a command the launcher window opens; it also takes Qt&apos;s own options,
such as -platform and -style. Each command has its own --help.</source>
        <translation>不带命令时打开启动器窗口；也接受 Qt 自身的选项，例如 -platform 和
-style。每个命令都有自己的 --help。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>download the game&apos;s data through SteamCMD</source>
        <translation>通过 SteamCMD 下载游戏数据</translation>
    </message>
    <message>
        <source>show the settings, or change them (and move the game data)</source>
        <translation>显示或更改设置（并移动游戏数据）</translation>
    </message>
    <message>
        <source>the language of the launcher&apos;s messages (de, fr, es, pt_BR, ru, pl, zh_CN, en) instead of the system&apos;s</source>
        <translation>启动器消息的语言（de、fr、es、pt_BR、ru、pl、zh_CN、en），代替系统语言</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>print this help</source>
        <translation>显示此帮助</translation>
    </message>
    <message>
        <source>also print the launcher&apos;s developer log on standard error</source>
        <translation>同时将启动器的开发者日志输出到标准错误</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option, as typed (&quot;--username&quot;).</extracomment>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is an argument&apos;s name in capitals (&quot;DIR&quot;).</extracomment>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is what to type: the command and its options.</extracomment>
        <translation>用法：%1</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <source>Awaiting command...</source>
        <translation>等待命令...</translation>
    </message>
    <message>
        <source>SteamCMD console</source>
        <translation>SteamCMD 控制台</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <extracomment>The notification&apos;s button that shows the window.</extracomment>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>DownloadAnnouncer</name>
    <message>
        <source>Assets ready</source>
        <extracomment>A desktop notification; LAUNCH is the window&apos;s button.</extracomment>
        <translation>游戏文件已就绪</translation>
    </message>
    <message>
        <source>The game is downloaded and patched: LAUNCH starts it.</source>
        <translation>游戏已下载并打好补丁：点击“开始游戏”即可启动。</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
    <message>
        <source>Download stopped</source>
        <translation>下载已停止</translation>
    </message>
    <message>
        <source>A new download continues where this one stopped.</source>
        <translation>再次下载时将从此次中断处继续。</translation>
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
        <translation>完整执行一次 Steam 下载，与窗口中的按钮相同。未指定 --password-stdin
时，使用密钥环中保存的该帐户密码，或在终端中询问密码。提供的登录信息
会保存到密钥环中。Steam Guard 验证码从标准输入读取；标准输入结束后，
则从终端读取。
退出状态：0 游戏文件已就绪，1 失败，2 用法错误，130 被 SIGINT 或
SIGTERM 中止。</translation>
    </message>
    <message>
        <source>the Steam account (default: the one saved in the keyring)</source>
        <translation>Steam 帐户（默认为密钥环中保存的帐户）</translation>
    </message>
    <message>
        <source>read the password from the first line of standard input</source>
        <translation>从标准输入的第一行读取密码</translation>
    </message>
    <message>
        <source>--username NAME is required (no Steam account is saved in the keyring)</source>
        <translation>需要 --username NAME（密钥环中未保存 Steam 帐户）</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>vantor-launcher download: no password entered
</source>
        <translation>vantor-launcher download: 未输入密码
</translation>
    </message>
    <message>
        <source>vantor-launcher download: standard input ended before the password line
</source>
        <translation>vantor-launcher download: 标准输入在密码行之前就已结束
</translation>
    </message>
    <message>
        <source>Steam password: </source>
        <translation>Steam 密码：</translation>
    </message>
    <message>
        <source>vantor-launcher download: no password: standard input is not a terminal; give --password-stdin and write the password as the first line of standard input
</source>
        <translation>vantor-launcher download: 没有密码：标准输入不是终端；请指定 --password-stdin，并将密码作为标准输入的第一行写入
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher download: 无法监听 SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>Steam Guard code: </source>
        <translation>Steam Guard 验证码：</translation>
    </message>
    <message>
        <source>
vantor-launcher download: the input ended without a Steam Guard code, cancelling
</source>
        <translation>
vantor-launcher download: 输入已结束但未提供 Steam Guard 验证码，正在取消
</translation>
    </message>
    <message>
        <source>
vantor-launcher download: interrupted, stopping SteamCMD
</source>
        <translation>
vantor-launcher download: 已中断，正在停止 SteamCMD
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cancelled
</source>
        <translation>vantor-launcher download: 已取消
</translation>
    </message>
</context>
<context>
    <name>DownloadRun</name>
    <message numerus="yes">
        <source>SteamCMD asked to be restarted %n times in a row (exit code 42)</source>
        <translation>
            <numerusform>SteamCMD 连续 %n 次要求重新启动（退出代码 42）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>PORTED BY THE VANTOR ONLINE COMMUNITY</source>
        <translation>由 VANTOR ONLINE 社区移植</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>About Vantor Online</source>
        <translation>关于 Vantor Online</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source>Checks that DIR holds both game versions: its immediate subfolders
contain ini.big and inidl.big (any letter case). Prints VALID (status 0),
or why not (status 1).</source>
        <translation>检查 DIR 是否包含两个游戏版本：其直接子文件夹中含有 ini.big 和
inidl.big（不区分大小写）。输出 VALID（状态 0），或输出原因（状态 1）。</translation>
    </message>
    <message>
        <source>the folder that holds both game versions</source>
        <translation>包含两个游戏版本的文件夹</translation>
    </message>
    <message>
        <source>Starts the game from the chosen data source. When the source is not ready,
prints the window&apos;s hint and exits with status 1.</source>
        <translation>从所选数据源启动游戏。数据源未就绪时，输出窗口中显示的提示，
并以状态 1 退出。</translation>
    </message>
    <message>
        <source>the data source: steam (the default) or local</source>
        <translation>数据源：steam（默认）或 local</translation>
    </message>
    <message>
        <source>the local game folder, for this run only (it is not stored)</source>
        <translation>本地游戏文件夹，仅用于本次运行（不会保存）</translation>
    </message>
    <message>
        <source>unknown source &apos;%1&apos;</source>
        <translation>未知数据源“%1”</translation>
    </message>
    <message>
        <source>--path needs a folder</source>
        <translation>--path 需要指定文件夹</translation>
    </message>
    <message>
        <source>Shows where SteamCMD, the assets and the local folder are and whether
they are usable, the saved Steam user and the version: what to
include in a bug report.</source>
        <translation>显示 SteamCMD、游戏文件和本地文件夹的位置及其是否可用，以及已保存的
Steam 用户和版本：即错误报告中应包含的信息。</translation>
    </message>
</context>
<context>
    <name>GameFolders</name>
    <message>
        <source>INVALID TARGET — No ini.big / inidl.big detected in subdirectories</source>
        <extracomment>The file names ini.big and inidl.big stay as they are.</extracomment>
        <translation>目标无效 — 子目录中未检测到 ini.big / inidl.big</translation>
    </message>
    <message>
        <source>DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH</source>
        <translation>通过 Steam 下载游戏文件后即可启动游戏</translation>
    </message>
    <message>
        <source>SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS</source>
        <extracomment>The local tab&apos;s hint: the chosen folder must hold both versions of the game.</extracomment>
        <translation>请选择包含两个游戏版本的上级目录</translation>
    </message>
</context>
<context>
    <name>InstallFolderController</name>
    <message>
        <source>The game data is being moved to another folder; start the download once the move has ended.</source>
        <translation>游戏数据正在移动到其他文件夹；请在移动结束后再开始下载。</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>安装文件夹必须是绝对路径。</translation>
    </message>
    <message>
        <source>A download is running. Stop it before changing the install folder.</source>
        <translation>正在下载。请先停止下载，再更改安装文件夹。</translation>
    </message>
    <message>
        <source>A download is still stopping. Try again in a moment.</source>
        <translation>下载仍在停止中。请稍后再试。</translation>
    </message>
    <message>
        <source>The game data is being moved already.</source>
        <translation>游戏数据已在移动中。</translation>
    </message>
    <message>
        <source>Could not store the install folder.</source>
        <translation>无法保存安装文件夹设置。</translation>
    </message>
    <message>
        <source>The game data now goes to %1.</source>
        <translation>游戏数据今后将保存到 %1。</translation>
    </message>
    <message>
        <source>%1. Stop it before changing the install folder.</source>
        <extracomment>%1 says which download holds the install folder.</extracomment>
        <translation>%1。请先停止该下载，再更改安装文件夹。</translation>
    </message>
    <message>
        <source>Moving the game data to %1...</source>
        <translation>正在将游戏数据移动到 %1...</translation>
    </message>
    <message>
        <source>The move was cancelled; the game data stays in &quot;%1&quot;.</source>
        <translation>移动已取消；游戏数据仍在“%1”中。</translation>
    </message>
</context>
<context>
    <name>InstallFolderMove</name>
    <message>
        <source>device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>named pipe</source>
        <translation>命名管道</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>套接字</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>特殊文件</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>安装文件夹必须是绝对路径。</translation>
    </message>
    <message>
        <source>The game data is in &quot;%1&quot; already.</source>
        <translation>游戏数据已位于“%1”中。</translation>
    </message>
    <message>
        <source>The new install folder cannot be inside the current one (&quot;%1&quot;).</source>
        <translation>新的安装文件夹不能位于当前文件夹（“%1”）之内。</translation>
    </message>
    <message>
        <source>The new install folder cannot hold the current one (&quot;%1&quot;).</source>
        <translation>新的安装文件夹不能包含当前文件夹（“%1”）。</translation>
    </message>
    <message>
        <source>Could not move the game data: %1; it stays in &quot;%2&quot;.</source>
        <translation>无法移动游戏数据：%1；数据仍在“%2”中。</translation>
    </message>
    <message>
        <source>could not make &quot;%1&quot;: %2</source>
        <translation>无法创建“%1”：%2</translation>
    </message>
    <message>
        <source>could not move &quot;%1&quot;: %2</source>
        <translation>无法移动“%1”：%2</translation>
    </message>
    <message>
        <source>could not read &quot;%1&quot;: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>could not read the link &quot;%1&quot;</source>
        <translation>无法读取链接“%1”</translation>
    </message>
    <message>
        <source>could not make a folder in &quot;%1&quot;: %2</source>
        <translation>无法在“%1”中创建文件夹：%2</translation>
    </message>
    <message>
        <source>could not copy &quot;%1&quot;: %2</source>
        <translation>无法复制“%1”：%2</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is missing</source>
        <translation>“%1”的副本不存在</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is no folder</source>
        <translation>“%1”的副本不是文件夹</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; holds %2 bytes instead of %3</source>
        <translation>“%1”的副本大小为 %2 字节，而不是 %3 字节</translation>
    </message>
    <message>
        <source>the copy of the link &quot;%1&quot; differs</source>
        <translation>链接“%1”的副本与原链接不同</translation>
    </message>
    <message>
        <source>could not put &quot;%1&quot; in place: %2</source>
        <translation>无法将“%1”放到目标位置：%2</translation>
    </message>
    <message>
        <source>the new install folder could not be stored</source>
        <translation>无法保存新的安装文件夹设置</translation>
    </message>
    <message>
        <source>There was no game data to move; the game data now goes to &quot;%1&quot;.</source>
        <translation>没有需要移动的游戏数据；游戏数据今后将保存到“%1”。</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot;.</source>
        <translation>游戏数据已移动到“%1”。</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot; (%2 copied).</source>
        <translation>游戏数据已移动到“%1”（已复制 %2）。</translation>
    </message>
    <message>
        <source>The old copy of %1 in &quot;%2&quot; could not be removed (%3).</source>
        <translation>无法删除“%2”中 %1 的旧副本（%3）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2; only files, folders and links can be moved</source>
        <extracomment>%1 is a path in the game data, %2 what it is (&quot;device&quot;, &quot;named pipe&quot;, ...).</extracomment>
        <translation>“%1”是%2；只能移动文件、文件夹和链接</translation>
    </message>
</context>
<context>
    <name>InstallLock</name>
    <message>
        <source>Cannot open the download lock %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>无法打开下载锁文件 %1：%2</translation>
    </message>
    <message>
        <source>Another download is already running (process %1)</source>
        <translation>另一个下载已在运行（进程 %1）</translation>
    </message>
    <message>
        <source>Another download is already running</source>
        <translation>另一个下载已在运行</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>无法锁定 %1：%2</translation>
    </message>
</context>
<context>
    <name>LaunchButton</name>
    <message>
        <source>INITIALIZING...</source>
        <extracomment>The launch button while the game starts, and its label.</extracomment>
        <translation>正在启动...</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <translation>开始游戏</translation>
    </message>
</context>
<context>
    <name>LaunchCommand</name>
    <message>
        <source>in the %1, %2</source>
        <extracomment>%1 names the setting (&quot;wrapper command&quot;), %2 says what is wrong in it.</extracomment>
        <translation>在%1中，%2</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found</source>
        <translation>找不到包装程序“%1”</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; is not an executable file</source>
        <translation>包装程序“%1”不是可执行文件</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found on PATH</source>
        <translation>在 PATH 中找不到包装程序“%1”</translation>
    </message>
    <message>
        <source>wrapper command</source>
        <translation>包装命令</translation>
    </message>
    <message>
        <source>extra arguments</source>
        <translation>额外参数</translation>
    </message>
    <message>
        <source>environment variables</source>
        <translation>环境变量</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; is not of the form NAME=value</source>
        <translation>环境变量“%1”不符合 NAME=value 格式</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; has an invalid name: a name is made of letters, digits and _ and does not start with a digit</source>
        <translation>环境变量“%1”的名称无效：名称只能由字母、数字和 _ 组成，且不能以数字开头</translation>
    </message>
    <message>
        <source>the wrapper command holds %1 more than once</source>
        <translation>包装命令中 %1 出现了不止一次</translation>
    </message>
</context>
<context>
    <name>LauncherSettings</name>
    <message>
        <source>System default</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>跟随系统</translation>
    </message>
</context>
<context>
    <name>LauncherViewModel</name>
    <message>
        <source>Select the Windows Game Folder (containing .big files)</source>
        <translation>选择 Windows 版游戏文件夹（包含 .big 文件）</translation>
    </message>
    <message>
        <source>Select the folder the Steam download goes to</source>
        <translation>选择 Steam 下载的保存文件夹</translation>
    </message>
    <message>
        <source>Engine binary not found at %1</source>
        <translation>在 %1 找不到引擎程序</translation>
    </message>
    <message>
        <source>Failed to launch game: %1</source>
        <translation>无法启动游戏：%1</translation>
    </message>
</context>
<context>
    <name>LocalTab</name>
    <message>
        <source>TACTICAL DATA PATH:</source>
        <translation>战术数据路径：</translation>
    </message>
    <message>
        <source>NO SIGNAL — AWAITING FOLDER TARGET</source>
        <translation>无信号 — 等待选择目标文件夹</translation>
    </message>
    <message>
        <source>LOCATE</source>
        <translation>浏览</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quit Vantor Online</source>
        <translation>退出 Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>正在下载。要停止下载并退出吗？</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>停止并退出</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <translation>继续下载</translation>
    </message>
    <message>
        <source>Launch Vantor Online</source>
        <translation>启动 Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and launch?</source>
        <translation>正在下载。要停止下载并启动游戏吗？</translation>
    </message>
    <message>
        <source>Stop and Launch</source>
        <translation>停止并启动</translation>
    </message>
    <message>
        <source>STEAM (RECOMMENDED)</source>
        <translation>STEAM（推荐）</translation>
    </message>
    <message>
        <source>LOCAL ARCHIVE</source>
        <translation>本地文件</translation>
    </message>
    <message>
        <source>Launch Error</source>
        <translation>启动错误</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>未找到游戏</translation>
    </message>
    <message>
        <source>Open Steam Store</source>
        <translation>打开 Steam 商店</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; does not own Ardenfall™ Vantor — Duskline.

Purchase the game on Steam, then press &quot;Download Assets&quot; again.</source>
        <extracomment>%1 is the Steam account&apos;s name. &quot;Download Assets&quot; names the Steam tab&apos;s button.</extracomment>
        <translation>帐户“%1”未拥有 Ardenfall™ Vantor — Duskline。

请在 Steam 上购买该游戏，然后再次点击“下载游戏文件”。</translation>
    </message>
</context>
<context>
    <name>Patch</name>
    <message>
        <source>Refused the patch archive: %1</source>
        <translation>补丁压缩包被拒绝：%1</translation>
    </message>
    <message>
        <source>Invalid patch URL.</source>
        <translation>补丁网址无效。</translation>
    </message>
    <message>
        <source>Failed to prepare patch file: %1</source>
        <translation>无法准备补丁文件：%1</translation>
    </message>
    <message>
        <source>Failed to download patch: %1</source>
        <translation>补丁下载失败：%1</translation>
    </message>
    <message>
        <source>Failed to unpack patch: %1</source>
        <translation>补丁解压失败：%1</translation>
    </message>
    <message>
        <source>Failed to execute unzip: %1</source>
        <translation>无法运行 unzip：%1</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>Ends a failure&apos;s message: the install folder was left as it was.</extracomment>
        <translation>%1；未做任何更改</translation>
    </message>
    <message>
        <source>Failed to unpack patch: unzip wrote more than the %1 the archive declares</source>
        <translation>补丁解压失败：unzip 写入的数据超过了压缩包声明的 %1</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip ended by signal %1)</source>
        <translation>补丁解压失败（unzip 被信号 %1 终止）</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip exited with code %1)</source>
        <translation>补丁解压失败（unzip 退出代码为 %1）</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>vantor-launcher settings: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher settings: 无法监听 SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>
vantor-launcher settings: interrupted, stopping the move
</source>
        <translation>
vantor-launcher settings: 已中断，正在停止移动
</translation>
    </message>
    <message>
        <source>Moving the game data from &quot;%1&quot; to &quot;%2&quot;...
</source>
        <translation>正在将游戏数据从“%1”移动到“%2”...
</translation>
    </message>
    <message>
        <source>%1 of %2 (%3%)</source>
        <translation>%1 / %2（%3%）</translation>
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
        <translation>不带选项时，输出每项设置：名称、在配置文件中的键及其值。带选项时，
更改设置并再次输出。仅使用 --install-dir 时只更改 Steam 下载的位置；
配合 --move 时，先将启动器的游戏数据（Assets、DL_Vantor 及社区补丁
的文件）移动到该处，按 Ctrl-C 可取消移动，数据保留在原处。--reset
将每项设置恢复为默认值（不移动任何内容）。
退出状态：0 完成，1 更改被拒绝或失败，2 用法错误，130 移动被 SIGINT
或 SIGTERM 中止。</translation>
    </message>
    <message>
        <source>where the Steam download goes</source>
        <translation>Steam 下载的保存位置</translation>
    </message>
    <message>
        <source>with --install-dir: move the game data there first</source>
        <translation>与 --install-dir 一起使用：先将游戏数据移动到该处</translation>
    </message>
    <message>
        <source>the program the game is started through</source>
        <translation>用于启动游戏的程序</translation>
    </message>
    <message>
        <source>the game&apos;s extra arguments</source>
        <translation>游戏的额外参数</translation>
    </message>
    <message>
        <source>the game&apos;s extra environment (NAME=VALUE ...)</source>
        <translation>游戏的额外环境变量（NAME=VALUE ...）</translation>
    </message>
    <message>
        <source>the download speed limit in KB/s (1000 bytes), or off</source>
        <translation>下载限速，单位为 KB/s（1000 字节），或 off</translation>
    </message>
    <message>
        <source>a desktop notification when a download ends</source>
        <translation>下载结束时显示桌面通知</translation>
    </message>
    <message>
        <source>the download&apos;s progress on the task bar</source>
        <translation>在任务栏上显示下载进度</translation>
    </message>
    <message>
        <source>every setting back to its default</source>
        <translation>将所有设置恢复为默认值</translation>
    </message>
    <message>
        <source>--%1 cannot hold control characters (line breaks, tabs)</source>
        <translation>--%1 不能包含控制字符（换行符、制表符）</translation>
    </message>
    <message>
        <source>--download-limit takes KB/s from 1 to %1, or off; not &apos;%2&apos;</source>
        <translation>--download-limit 只接受 1 到 %1 之间的 KB/s 值或 off，而不是“%2”</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &apos;%2&apos;</source>
        <translation>--%1 只接受 on 或 off，而不是“%2”</translation>
    </message>
    <message>
        <source>--install-dir needs a folder</source>
        <translation>--install-dir 需要指定文件夹</translation>
    </message>
    <message>
        <source>--move goes with --install-dir DIR</source>
        <translation>--move 必须与 --install-dir DIR 一起使用</translation>
    </message>
    <message>
        <source>--reset goes alone</source>
        <translation>--reset 必须单独使用</translation>
    </message>
    <message>
        <source>vantor-launcher settings: the settings could not be written
</source>
        <translation>vantor-launcher settings: 无法写入设置
</translation>
    </message>
    <message>
        <source>The game data in &quot;%1&quot; was not moved (--move moves it).
</source>
        <translation>“%1”中的游戏数据未移动（使用 --move 可移动）。
</translation>
    </message>
    <message>
        <source>the language from the next start on (%1), or system</source>
        <translation>下次启动起使用的语言（%1），或 system</translation>
    </message>
    <message>
        <source>--language takes %1 or system, not &apos;%2&apos;</source>
        <translation>--language 只接受 %1 或 system，而不是“%2”</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>INSTALL FOLDER</source>
        <translation>安装文件夹</translation>
    </message>
    <message>
        <source>Install folder: %1</source>
        <translation>安装文件夹：%1</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>更改…</translation>
    </message>
    <message>
        <source>Change install folder</source>
        <translation>更改安装文件夹</translation>
    </message>
    <message>
        <source>Move the game data there</source>
        <translation>将游戏数据移动到该处</translation>
    </message>
    <message>
        <source>Move progress</source>
        <translation>移动进度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel the move</source>
        <translation>取消移动</translation>
    </message>
    <message>
        <source>A download is running: the folder can change once it has ended.</source>
        <translation>正在下载：下载结束后才能更改文件夹。</translation>
    </message>
    <message>
        <source>Wrapper</source>
        <translation>包装命令</translation>
    </message>
    <message>
        <source>Launch wrapper</source>
        <translation>启动包装命令</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Launch arguments</source>
        <translation>启动参数</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>环境变量</translation>
    </message>
    <message>
        <source>Launch environment</source>
        <translation>启动环境变量</translation>
    </message>
    <message>
        <source>Split into words as a shell would, but never run through a shell; %command% is accepted.</source>
        <extracomment>%command% stays as it is: the player types it into the wrapper.</extracomment>
        <translation>按 shell 的规则拆分为单词，但绝不通过 shell 运行；支持 %command%。</translation>
    </message>
    <message>
        <source>Speed limit</source>
        <translation>限速</translation>
    </message>
    <message>
        <source>Download speed limit in KB/s</source>
        <translation>下载限速（KB/s）</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>不限速</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>No download speed limit</source>
        <translation>不限制下载速度</translation>
    </message>
    <message>
        <source>NOTIFICATIONS</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Notify me when a download ends</source>
        <translation>下载结束时通知我</translation>
    </message>
    <message>
        <source>Show download progress on the task bar</source>
        <translation>在任务栏上显示下载进度</translation>
    </message>
    <message>
        <source>FOLDERS</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Open install folder</source>
        <translation>打开安装文件夹</translation>
    </message>
    <message>
        <source>Open logs folder</source>
        <translation>打开日志文件夹</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: how the game is started.</extracomment>
        <translation>启动</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: the Steam download.</extracomment>
        <translation>下载</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Applies the next time the launcher starts.</source>
        <extracomment>Under the language choice: the window keeps its language until then.</extracomment>
        <translation>下次启动启动器时生效。</translation>
    </message>
</context>
<context>
    <name>ShellWords</name>
    <message>
        <source>the %1 quote at character %2 is never closed</source>
        <extracomment>%1 is &quot;single&quot; or &quot;double&quot; (translated apart), %2 a number.</extracomment>
        <translation>第 %2 个字符处的%1引号未闭合</translation>
    </message>
    <message>
        <source>the backslash at the end escapes nothing</source>
        <translation>末尾的反斜杠没有转义任何字符</translation>
    </message>
    <message>
        <source>single</source>
        <translation>单</translation>
    </message>
    <message>
        <source>double</source>
        <translation>双</translation>
    </message>
</context>
<context>
    <name>SteamCMDInstaller</name>
    <message>
        <source>Installation error: %1</source>
        <translation>安装错误：%1</translation>
    </message>
    <message>
        <source>Failed to download SteamCMD tarball</source>
        <translation>SteamCMD 压缩包下载失败</translation>
    </message>
    <message>
        <source>Failed to extract SteamCMD (exit %1)</source>
        <translation>SteamCMD 解压失败（退出代码 %1）</translation>
    </message>
    <message>
        <source>Installation error: %1 links outside the SteamCMD folder (%2)</source>
        <translation>安装错误：%1 链接到了 SteamCMD 文件夹之外（%2）</translation>
    </message>
</context>
<context>
    <name>SteamCMDManager</name>
    <message>
        <source>Approve the sign-in in the Steam Mobile app on your phone</source>
        <translation>请在手机上的 Steam Mobile 应用中批准此次登录</translation>
    </message>
</context>
<context>
    <name>SteamCMDSession</name>
    <message>
        <source>SteamCMD crashed (signal %1: %2)</source>
        <extracomment>%1 is the signal&apos;s number, %2 the system&apos;s name for it (&quot;Segmentation fault&quot;).</extracomment>
        <translation>SteamCMD 崩溃（信号 %1：%2）</translation>
    </message>
    <message>
        <source>SteamCMD crashed (signal %1)</source>
        <translation>SteamCMD 崩溃（信号 %1）</translation>
    </message>
    <message>
        <source>Cannot create assets directory: %1</source>
        <translation>无法创建游戏文件目录：%1</translation>
    </message>
    <message>
        <source>Failed to launch SteamCMD: %1</source>
        <translation>无法启动 SteamCMD：%1</translation>
    </message>
    <message>
        <source>SteamCMD exited with code %1</source>
        <translation>SteamCMD 已退出，退出代码 %1</translation>
    </message>
</context>
<context>
    <name>SteamCMDState</name>
    <message>
        <source>DOWNLOADING ASSETS... %1</source>
        <extracomment>Status line; the argument is SteamCMD&apos;s own progress line, left as it prints it.</extracomment>
        <translation>正在下载游戏文件... %1</translation>
    </message>
    <message>
        <source>DOWNLOADING PATCH... %1%</source>
        <extracomment>Status line; %1 is the percentage&apos;s number (42), the percent sign is in the text.</extracomment>
        <translation>正在下载补丁... %1%</translation>
    </message>
    <message>
        <source>ERROR: %1</source>
        <extracomment>Status line of a failed download; %1 is the failure&apos;s message.</extracomment>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>READY</source>
        <extracomment>Status line: nothing under way (a state, not a button).</extracomment>
        <translation>就绪</translation>
    </message>
    <message>
        <source>INSTALLING STEAMCMD...</source>
        <translation>正在安装 SteamCMD...</translation>
    </message>
    <message>
        <source>AUTHENTICATING...</source>
        <extracomment>Status line: SteamCMD signs in to Steam.</extracomment>
        <translation>正在登录...</translation>
    </message>
    <message>
        <source>STEAM GUARD CODE REQUIRED</source>
        <translation>需要 Steam Guard 验证码</translation>
    </message>
    <message>
        <source>VALIDATING FILES...</source>
        <extracomment>Status line: SteamCMD checks the downloaded files.</extracomment>
        <translation>正在验证文件...</translation>
    </message>
    <message>
        <source>UNPACKING PATCH...</source>
        <translation>正在解压补丁...</translation>
    </message>
    <message>
        <source>ASSETS READY</source>
        <extracomment>Status line: the game data is complete and the game can start.</extracomment>
        <translation>游戏文件已就绪</translation>
    </message>
</context>
<context>
    <name>SteamFailureReasons</name>
    <message>
        <source>the game&apos;s folder</source>
        <translation>游戏文件夹</translation>
    </message>
    <message>
        <source>Steam did not accept the password. Check your user name and password, then try again.</source>
        <translation>Steam 未接受该密码。请检查用户名和密码，然后重试。</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Start the download again and enter the newest code.</source>
        <translation>Steam 未接受该 Steam Guard 验证码：验证码错误或已过期。请重新开始下载，并输入最新的验证码。</translation>
    </message>
    <message>
        <source>Steam refuses sign-ins for a while after too many attempts. Wait before you try again: every attempt in between can make the wait longer.</source>
        <translation>尝试次数过多后，Steam 会在一段时间内拒绝登录。请等待后再试：期间的每次尝试都可能延长等待时间。</translation>
    </message>
    <message>
        <source>Too many sign-in attempts — wait before trying again</source>
        <translation>登录尝试次数过多 — 请稍后再试</translation>
    </message>
    <message>
        <source>The sign-in was not approved in time. Start the download again and approve the sign-in in the Steam Mobile app on your phone right away.</source>
        <translation>未及时批准登录。请重新开始下载，并立即在手机上的 Steam Mobile 应用中批准登录。</translation>
    </message>
    <message>
        <source>Sign-in not approved in time</source>
        <translation>未及时批准登录</translation>
    </message>
    <message>
        <source>SteamCMD did not hear back from Steam in time. Check your internet connection and try again.</source>
        <translation>SteamCMD 未能及时收到 Steam 的响应。请检查网络连接，然后重试。</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Type the newest code to try again.</source>
        <translation>Steam 未接受该 Steam Guard 验证码：验证码错误或已过期。请输入最新的验证码重试。</translation>
    </message>
    <message>
        <source>SteamCMD could not reach Steam. Check your internet connection, then try again.</source>
        <translation>SteamCMD 无法连接到 Steam。请检查网络连接，然后重试。</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1: it needs %2 MB and only %3 MB are free. Free up space there, then try again.</source>
        <translation>%1 中没有足够的磁盘空间来安装游戏：需要 %2 MB，但只有 %3 MB 可用。请在该处释放空间，然后重试。</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1. Free up space there, then try again.</source>
        <translation>%1 中没有足够的磁盘空间来安装游戏。请在该处释放空间，然后重试。</translation>
    </message>
    <message>
        <source>SteamCMD could not write the game&apos;s files to %1. Make sure that folder belongs to you and is not read-only, then try again.</source>
        <translation>SteamCMD 无法将游戏文件写入 %1。请确认该文件夹归您所有且不是只读的，然后重试。</translation>
    </message>
    <message>
        <source>Steam would not hand out the Windows files of the game (invalid platform). Try again later; if it keeps happening, report it with the download log.</source>
        <translation>Steam 未提供游戏的 Windows 文件（invalid platform）。请稍后重试；如果问题持续出现，请附上下载日志进行报告。</translation>
    </message>
    <message>
        <source>This Steam account does not own the game. Buy it on Steam, or sign in with the account that owns it.</source>
        <translation>此 Steam 帐户未拥有该游戏。请在 Steam 上购买，或使用拥有该游戏的帐户登录。</translation>
    </message>
    <message>
        <source>Steam did not send the game&apos;s configuration (missing configuration). This is often reported right after SteamCMD has updated itself and usually goes away on a later try: try again in a while.</source>
        <translation>Steam 未发送游戏的配置（missing configuration）。这种情况常在 SteamCMD 刚完成自我更新后出现，通常再试一次即可解决：请稍后重试。</translation>
    </message>
    <message>
        <source>SteamCMD stopped before the game was complete (state %1). Try again; if it keeps happening, the reason is in %2.</source>
        <translation>SteamCMD 在游戏下载完成前停止了（状态 %1）。请重试；如果问题持续出现，原因记录在 %2 中。</translation>
    </message>
    <message>
        <source>SteamCMD&apos;s content log</source>
        <translation>SteamCMD 的内容日志</translation>
    </message>
    <message>
        <source>SteamCMD cannot start: it needs the 32-bit C runtime, which is not installed. Install the package lib32gcc-s1, then try again.</source>
        <translation>SteamCMD 无法启动：它需要 32 位 C 运行库，但系统中未安装。请安装 lib32gcc-s1 软件包，然后重试。</translation>
    </message>
    <message>
        <source>Authentication failed — check credentials</source>
        <extracomment>The status after Steam refused the sign-in: user name, password or Steam Guard code.</extracomment>
        <translation>登录失败 — 请检查登录信息</translation>
    </message>
    <message>
        <source>Game not owned — purchase required</source>
        <extracomment>The status when the Steam account has no licence for the game.</extracomment>
        <translation>未拥有游戏 — 需要购买</translation>
    </message>
</context>
<context>
    <name>SteamProgress</name>
    <message>
        <source>Preparing disk space</source>
        <extracomment>The phases of SteamCMD&apos;s download, shown before its size and speed.</extracomment>
        <translation>正在分配磁盘空间</translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>A phase of the download (under the status line), not a button.</extracomment>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>正在验证</translation>
    </message>
    <message>
        <source>Writing files</source>
        <translation>正在写入文件</translation>
    </message>
    <message>
        <source>Reconfiguring</source>
        <translation>正在重新配置</translation>
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
        <translation>STEAM 登录信息</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Guard Code</source>
        <translation>验证码</translation>
    </message>
    <message>
        <source>SUBMIT</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>DOWNLOAD ASSETS</source>
        <translation>下载游戏文件</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>StepProgress</name>
    <message>
        <source>Download progress</source>
        <translation>下载进度</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>Game data source</source>
        <translation>游戏数据来源</translation>
    </message>
</context>
<context>
    <name>TransferRate</name>
    <message>
        <source>%1 s</source>
        <extracomment>Time left, abbreviated: seconds.</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>Time left, abbreviated: minutes.</extracomment>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 h</source>
        <extracomment>Time left, abbreviated: hours.</extracomment>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Time left, abbreviated: hours and minutes.</extracomment>
        <translation>%1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Bytes downloaded of the whole: &quot;120 MB of 10.0 GB&quot;.</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A download&apos;s speed: &quot;10.0 MB/s&quot;.</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>The time a download still needs: &quot;17 min left&quot;.</extracomment>
        <translation>剩余 %1</translation>
    </message>
</context>
<context>
    <name>UiSupport</name>
    <message>
        <source>COMMUNITY MAC PORT</source>
        <translation>社区 MAC 移植版</translation>
    </message>
    <message>
        <source>COMMUNITY %1 PORT</source>
        <extracomment>%1 is the operating system&apos;s name in capitals (LINUX).</extracomment>
        <translation>社区 %1 移植版</translation>
    </message>
    <message>
        <source>%1 Native Port</source>
        <extracomment>%1 is the operating system&apos;s name (Linux).</extracomment>
        <translation>%1 原生移植版</translation>
    </message>
    <message>
        <source>Metal Renderer • Apple Silicon</source>
        <translation>Metal 渲染器 • Apple Silicon</translation>
    </message>
    <message>
        <source>%1 does not exist yet.</source>
        <translation>%1 尚不存在。</translation>
    </message>
    <message>
        <source>No program on this desktop opened %1.</source>
        <translation>此桌面环境中没有可打开 %1 的程序。</translation>
    </message>
</context>
<context>
    <name>UpdateBanner</name>
    <message>
        <source>UPDATE AVAILABLE: v%1</source>
        <extracomment>%1 is the new version number.</extracomment>
        <translation>有可用更新：v%1</translation>
    </message>
    <message>
        <source>DOWNLOAD UPDATE</source>
        <translation>下载更新</translation>
    </message>
    <message>
        <source>SEE DETAILS</source>
        <translation>查看详情</translation>
    </message>
    <message>
        <source>Dismiss update</source>
        <translation>关闭更新提示</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>the server answered %1%2</source>
        <translation>服务器返回了 %1%2</translation>
    </message>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>响应大于 %1 KiB</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation>找不到主机 %1</translation>
    </message>
    <message>
        <source>no answer came within %1 s</source>
        <translation>%1 秒内没有响应</translation>
    </message>
    <message>
        <source>the answer is not an update manifest: %1</source>
        <translation>响应不是更新清单：%1</translation>
    </message>
    <message>
        <source>the connection ended before the whole manifest arrived</source>
        <translation>连接在收到完整清单之前就已断开</translation>
    </message>
</context>
</TS>
