<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Vantor Online</source>
        <translation>Sobre o Vantor Online</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the launcher&apos;s version number.</extracomment>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Ported by the Vantor Online community</source>
        <translation>Portado pela comunidade Vantor Online</translation>
    </message>
    <message>
        <source>Built on top of the RN GPLv3 open-source release</source>
        <translation>Baseado na versão de código aberto RN GPLv3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Ardenfall™ Vantor — Duskline is a trademark of its respective owners.
The game engine&apos;s source code is licensed under the GPLv3.</source>
        <extracomment>The game&apos;s full name stays as it is, trademark sign included.</extracomment>
        <translation>Ardenfall™ Vantor — Duskline é uma marca comercial de seus respectivos proprietários.
O código-fonte do motor do jogo está licenciado sob a GPLv3.</translation>
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
        <translation>o campo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it is not JSON</source>
        <translation>não é JSON</translation>
    </message>
    <message>
        <source>it is JSON but not an object</source>
        <translation>é JSON, mas não é um objeto</translation>
    </message>
    <message>
        <source>it is nested more than %1 levels deep</source>
        <translation>está aninhado em mais de %1 níveis</translation>
    </message>
    <message>
        <source>it holds a number beyond the range of a double</source>
        <translation>contém um número fora do intervalo de um double</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 names a field of the manifest: the field &quot;version&quot;.</extracomment>
        <translation>%1 está ausente</translation>
    </message>
    <message>
        <source>%1 is not a string</source>
        <translation>%1 não é uma string</translation>
    </message>
    <message>
        <source>%1 is not a whole number in the 64-bit range</source>
        <translation>%1 não é um número inteiro de 64 bits</translation>
    </message>
</context>
<context>
    <name>CheckUpdateCommand</name>
    <message>
        <source>Checks once whether a newer launcher is published. Exit status: 0 when
the manifest was read (with or without an update), 1 when it was not.</source>
        <translation>Verifica uma vez se foi publicada uma versão mais nova do launcher. Código
de saída: 0 se o manifesto foi lido (com ou sem atualização), 1 se não foi.</translation>
    </message>
    <message>
        <source>could not fetch or read the update manifest at %1: %2</source>
        <extracomment>%1 is the manifest&apos;s web address, %2 why it could not be read.</extracomment>
        <translation>não foi possível obter ou ler o manifesto de atualização em %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>check once whether a newer launcher is published</source>
        <translation>verifica uma vez se foi publicado um launcher mais novo</translation>
    </message>
    <message>
        <source>check that DIR holds both game versions</source>
        <translation>verifica se DIR contém as duas versões do jogo</translation>
    </message>
    <message>
        <source>start the game from the Steam download or a local folder</source>
        <translation>inicia o jogo pelo download do Steam ou por uma pasta local</translation>
    </message>
    <message>
        <source>show SteamCMD, assets, local folder, user and version</source>
        <translation>mostra SteamCMD, arquivos do jogo, pasta local, usuário e versão</translation>
    </message>
    <message>
        <source>print the version and build</source>
        <translation>mostra a versão e a build</translation>
    </message>
    <message>
        <source>Without a command the launcher window opens; it also takes Qt&apos;s own options,
such as -platform and -style. Each command has its own --help.</source>
        <translation>Sem um comando, a janela do launcher é aberta; ela também aceita as opções
do próprio Qt, como -platform e -style. Cada comando tem seu próprio --help.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>download the game&apos;s data through SteamCMD</source>
        <translation>baixa os dados do jogo pelo SteamCMD</translation>
    </message>
    <message>
        <source>show the settings, or change them (and move the game data)</source>
        <translation>mostra as configurações ou as altera (e move os dados do jogo)</translation>
    </message>
    <message>
        <source>the language of the launcher&apos;s messages (de, fr, es, pt_BR, ru, pl, zh_CN, en) instead of the system&apos;s</source>
        <translation>o idioma das mensagens do launcher (de, fr, es, pt_BR, ru, pl, zh_CN, en) em vez do idioma do sistema</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>print this help</source>
        <translation>mostra esta ajuda</translation>
    </message>
    <message>
        <source>also print the launcher&apos;s developer log on standard error</source>
        <translation>também mostra o log de desenvolvedor do launcher na saída de erro padrão</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option, as typed (&quot;--username&quot;).</extracomment>
        <translation>%1 precisa de um valor</translation>
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
        <translation>Aguardando comando...</translation>
    </message>
    <message>
        <source>SteamCMD console</source>
        <translation>Console do SteamCMD</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
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
        <translation>Arquivos do jogo prontos</translation>
    </message>
    <message>
        <source>The game is downloaded and patched: LAUNCH starts it.</source>
        <translation>O jogo foi baixado e o patch, aplicado: clique em INICIAR para jogar.</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Falha no download</translation>
    </message>
    <message>
        <source>Download stopped</source>
        <translation>Download interrompido</translation>
    </message>
    <message>
        <source>A new download continues where this one stopped.</source>
        <translation>Um novo download continua de onde este parou.</translation>
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
        <translation>Executa um download completo do Steam, como o botão da janela faz. Sem
--password-stdin, é usada a senha da conta guardada no chaveiro ou ela é
pedida no terminal. As credenciais informadas são salvas no chaveiro.
O código do Steam Guard é lido da entrada padrão ou do terminal, depois
que a entrada padrão termina.
Código de saída: 0 arquivos prontos, 1 falha, 2 erro de uso, 130
interrompido por SIGINT ou SIGTERM.</translation>
    </message>
    <message>
        <source>the Steam account (default: the one saved in the keyring)</source>
        <translation>a conta Steam (padrão: a que está salva no chaveiro)</translation>
    </message>
    <message>
        <source>read the password from the first line of standard input</source>
        <translation>lê a senha da primeira linha da entrada padrão</translation>
    </message>
    <message>
        <source>--username NAME is required (no Steam account is saved in the keyring)</source>
        <translation>--username NAME é obrigatório (não há conta Steam salva no chaveiro)</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Senha: </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password entered
</source>
        <translation>vantor-launcher download: nenhuma senha informada
</translation>
    </message>
    <message>
        <source>vantor-launcher download: standard input ended before the password line
</source>
        <translation>vantor-launcher download: a entrada padrão terminou antes da linha da senha
</translation>
    </message>
    <message>
        <source>Steam password: </source>
        <translation>Senha do Steam: </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password: standard input is not a terminal; give --password-stdin and write the password as the first line of standard input
</source>
        <translation>vantor-launcher download: sem senha: a entrada padrão não é um terminal; use --password-stdin e escreva a senha na primeira linha da entrada padrão
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher download: não é possível monitorar SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>Steam Guard code: </source>
        <translation>Código do Steam Guard: </translation>
    </message>
    <message>
        <source>
vantor-launcher download: the input ended without a Steam Guard code, cancelling
</source>
        <translation>
vantor-launcher download: a entrada terminou sem um código do Steam Guard, cancelando
</translation>
    </message>
    <message>
        <source>
vantor-launcher download: interrupted, stopping SteamCMD
</source>
        <translation>
vantor-launcher download: interrompido, parando o SteamCMD
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
            <numerusform>O SteamCMD pediu para ser reiniciado %n vez seguida (código de saída 42)</numerusform>
            <numerusform>O SteamCMD pediu para ser reiniciado %n vezes seguidas (código de saída 42)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>PORTED BY THE VANTOR ONLINE COMMUNITY</source>
        <translation>PORTADO PELA COMUNIDADE VANTOR ONLINE</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>About Vantor Online</source>
        <translation>Sobre o Vantor Online</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source>Checks that DIR holds both game versions: its immediate subfolders
contain ini.big and inidl.big (any letter case). Prints VALID (status 0),
or why not (status 1).</source>
        <translation>Verifica se DIR contém as duas versões do jogo: suas subpastas imediatas
contêm ini.big e inidl.big (em maiúsculas ou minúsculas). Mostra VALID
(status 0) ou o motivo (status 1).</translation>
    </message>
    <message>
        <source>the folder that holds both game versions</source>
        <translation>a pasta que contém as duas versões do jogo</translation>
    </message>
    <message>
        <source>Starts the game from the chosen data source. When the source is not ready,
prints the window&apos;s hint and exits with status 1.</source>
        <translation>Inicia o jogo pela fonte de dados escolhida. Quando a fonte não está pronta,
mostra a dica da janela e sai com status 1.</translation>
    </message>
    <message>
        <source>the data source: steam (the default) or local</source>
        <translation>a fonte de dados: steam (padrão) ou local</translation>
    </message>
    <message>
        <source>the local game folder, for this run only (it is not stored)</source>
        <translation>a pasta local do jogo, só para esta execução (não é salva)</translation>
    </message>
    <message>
        <source>unknown source &apos;%1&apos;</source>
        <translation>fonte desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--path needs a folder</source>
        <translation>--path precisa de uma pasta</translation>
    </message>
    <message>
        <source>Shows where SteamCMD, the assets and the local folder are and whether
they are usable, the saved Steam user and the version: what to
include in a bug report.</source>
        <translation>Mostra onde estão o SteamCMD, os arquivos do jogo e a pasta local e se
podem ser usados, o usuário Steam salvo e a versão: o que incluir num
relatório de bug.</translation>
    </message>
</context>
<context>
    <name>GameFolders</name>
    <message>
        <source>INVALID TARGET — No ini.big / inidl.big detected in subdirectories</source>
        <extracomment>The file names ini.big and inidl.big stay as they are.</extracomment>
        <translation>ALVO INVÁLIDO — Nenhum ini.big / inidl.big encontrado nas subpastas</translation>
    </message>
    <message>
        <source>DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH</source>
        <translation>BAIXE OS ARQUIVOS DO JOGO PELO STEAM PARA PODER INICIAR</translation>
    </message>
    <message>
        <source>SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS</source>
        <extracomment>The local tab&apos;s hint: the chosen folder must hold both versions of the game.</extracomment>
        <translation>SELECIONE A PASTA QUE CONTÉM AS DUAS VERSÕES DO JOGO</translation>
    </message>
</context>
<context>
    <name>InstallFolderController</name>
    <message>
        <source>The game data is being moved to another folder; start the download once the move has ended.</source>
        <translation>Os dados do jogo estão sendo movidos para outra pasta; inicie o download quando a transferência terminar.</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>A pasta de instalação deve ser um caminho absoluto.</translation>
    </message>
    <message>
        <source>A download is running. Stop it before changing the install folder.</source>
        <translation>Um download está em andamento. Pare-o antes de alterar a pasta de instalação.</translation>
    </message>
    <message>
        <source>A download is still stopping. Try again in a moment.</source>
        <translation>Um download ainda está sendo interrompido. Tente novamente em instantes.</translation>
    </message>
    <message>
        <source>The game data is being moved already.</source>
        <translation>Os dados do jogo já estão sendo movidos.</translation>
    </message>
    <message>
        <source>Could not store the install folder.</source>
        <translation>Não foi possível salvar a pasta de instalação.</translation>
    </message>
    <message>
        <source>The game data now goes to %1.</source>
        <translation>Os dados do jogo agora vão para %1.</translation>
    </message>
    <message>
        <source>%1. Stop it before changing the install folder.</source>
        <extracomment>%1 says which download holds the install folder.</extracomment>
        <translation>%1. Pare-o antes de alterar a pasta de instalação.</translation>
    </message>
    <message>
        <source>Moving the game data to %1...</source>
        <translation>Movendo os dados do jogo para %1...</translation>
    </message>
    <message>
        <source>The move was cancelled; the game data stays in &quot;%1&quot;.</source>
        <translation>A transferência foi cancelada; os dados do jogo continuam em &quot;%1&quot;.</translation>
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
        <translation>pipe nomeado</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>socket</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>arquivo especial</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>A pasta de instalação deve ser um caminho absoluto.</translation>
    </message>
    <message>
        <source>The game data is in &quot;%1&quot; already.</source>
        <translation>Os dados do jogo já estão em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The new install folder cannot be inside the current one (&quot;%1&quot;).</source>
        <translation>A nova pasta de instalação não pode ficar dentro da atual (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>The new install folder cannot hold the current one (&quot;%1&quot;).</source>
        <translation>A nova pasta de instalação não pode conter a atual (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Could not move the game data: %1; it stays in &quot;%2&quot;.</source>
        <translation>Não foi possível mover os dados do jogo: %1; eles continuam em &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>could not make &quot;%1&quot;: %2</source>
        <translation>não foi possível criar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>could not move &quot;%1&quot;: %2</source>
        <translation>não foi possível mover &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>could not read &quot;%1&quot;: %2</source>
        <translation>não foi possível ler &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>could not read the link &quot;%1&quot;</source>
        <translation>não foi possível ler o link &quot;%1&quot;</translation>
    </message>
    <message>
        <source>could not make a folder in &quot;%1&quot;: %2</source>
        <translation>não foi possível criar uma pasta em &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>could not copy &quot;%1&quot;: %2</source>
        <translation>não foi possível copiar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is missing</source>
        <translation>a cópia de &quot;%1&quot; está faltando</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is no folder</source>
        <translation>a cópia de &quot;%1&quot; não é uma pasta</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; holds %2 bytes instead of %3</source>
        <translation>a cópia de &quot;%1&quot; tem %2 bytes em vez de %3</translation>
    </message>
    <message>
        <source>the copy of the link &quot;%1&quot; differs</source>
        <translation>a cópia do link &quot;%1&quot; é diferente</translation>
    </message>
    <message>
        <source>could not put &quot;%1&quot; in place: %2</source>
        <translation>não foi possível colocar &quot;%1&quot; no lugar: %2</translation>
    </message>
    <message>
        <source>the new install folder could not be stored</source>
        <translation>não foi possível salvar a nova pasta de instalação</translation>
    </message>
    <message>
        <source>There was no game data to move; the game data now goes to &quot;%1&quot;.</source>
        <translation>Não havia dados do jogo para mover; os dados do jogo agora vão para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot;.</source>
        <translation>Dados do jogo movidos para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot; (%2 copied).</source>
        <translation>Dados do jogo movidos para &quot;%1&quot; (%2 copiados).</translation>
    </message>
    <message>
        <source>The old copy of %1 in &quot;%2&quot; could not be removed (%3).</source>
        <translation>Não foi possível remover a cópia antiga de %1 em &quot;%2&quot; (%3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2; only files, folders and links can be moved</source>
        <extracomment>%1 is a path in the game data, %2 what it is (&quot;device&quot;, &quot;named pipe&quot;, ...).</extracomment>
        <translation>&quot;%1&quot; é do tipo %2; só arquivos, pastas e links podem ser movidos</translation>
    </message>
</context>
<context>
    <name>InstallLock</name>
    <message>
        <source>Cannot open the download lock %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível abrir o arquivo de bloqueio do download %1: %2</translation>
    </message>
    <message>
        <source>Another download is already running (process %1)</source>
        <translation>Outro download já está em andamento (processo %1)</translation>
    </message>
    <message>
        <source>Another download is already running</source>
        <translation>Outro download já está em andamento</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>Não foi possível bloquear %1: %2</translation>
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
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found</source>
        <translation>o wrapper &quot;%1&quot; não foi encontrado</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; is not an executable file</source>
        <translation>o wrapper &quot;%1&quot; não é um arquivo executável</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found on PATH</source>
        <translation>o wrapper &quot;%1&quot; não foi encontrado no PATH</translation>
    </message>
    <message>
        <source>wrapper command</source>
        <translation>no comando wrapper</translation>
    </message>
    <message>
        <source>extra arguments</source>
        <translation>nos argumentos extras</translation>
    </message>
    <message>
        <source>environment variables</source>
        <translation>nas variáveis de ambiente</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; is not of the form NAME=value</source>
        <translation>a variável de ambiente &quot;%1&quot; não está no formato NAME=value</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; has an invalid name: a name is made of letters, digits and _ and does not start with a digit</source>
        <translation>a variável de ambiente &quot;%1&quot; tem um nome inválido: um nome é formado por letras, dígitos e _ e não começa com um dígito</translation>
    </message>
    <message>
        <source>the wrapper command holds %1 more than once</source>
        <translation>o comando wrapper contém %1 mais de uma vez</translation>
    </message>
</context>
<context>
    <name>LauncherSettings</name>
    <message>
        <source>System default</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Idioma do sistema</translation>
    </message>
</context>
<context>
    <name>LauncherViewModel</name>
    <message>
        <source>Select the Windows Game Folder (containing .big files)</source>
        <translation>Selecione a pasta do jogo para Windows (com os arquivos .big)</translation>
    </message>
    <message>
        <source>Select the folder the Steam download goes to</source>
        <translation>Selecione a pasta para onde vai o download do Steam</translation>
    </message>
    <message>
        <source>Engine binary not found at %1</source>
        <translation>Executável do motor não encontrado em %1</translation>
    </message>
    <message>
        <source>Failed to launch game: %1</source>
        <translation>Falha ao iniciar o jogo: %1</translation>
    </message>
</context>
<context>
    <name>LocalTab</name>
    <message>
        <source>TACTICAL DATA PATH:</source>
        <translation>CAMINHO DOS DADOS TÁTICOS:</translation>
    </message>
    <message>
        <source>NO SIGNAL — AWAITING FOLDER TARGET</source>
        <translation>SEM SINAL — AGUARDANDO PASTA-ALVO</translation>
    </message>
    <message>
        <source>LOCATE</source>
        <translation>PROCURAR</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quit Vantor Online</source>
        <translation>Sair do Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Um download está em andamento. Pará-lo e sair?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Parar e sair</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Launch Vantor Online</source>
        <translation>Iniciar o Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and launch?</source>
        <translation>Um download está em andamento. Pará-lo e iniciar?</translation>
    </message>
    <message>
        <source>Stop and Launch</source>
        <translation>Parar e iniciar</translation>
    </message>
    <message>
        <source>STEAM (RECOMMENDED)</source>
        <translation>STEAM (RECOMENDADO)</translation>
    </message>
    <message>
        <source>LOCAL ARCHIVE</source>
        <translation>ARQUIVOS LOCAIS</translation>
    </message>
    <message>
        <source>Launch Error</source>
        <translation>Erro ao iniciar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>Jogo não encontrado</translation>
    </message>
    <message>
        <source>Open Steam Store</source>
        <translation>Abrir a Loja Steam</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; does not own Ardenfall™ Vantor — Duskline.

Purchase the game on Steam, then press &quot;Download Assets&quot; again.</source>
        <extracomment>%1 is the Steam account&apos;s name. &quot;Download Assets&quot; names the Steam tab&apos;s button.</extracomment>
        <translation>A conta &quot;%1&quot; não possui Ardenfall™ Vantor — Duskline.

Compre o jogo no Steam e clique em &quot;Baixar arquivos&quot; novamente.</translation>
    </message>
</context>
<context>
    <name>Patch</name>
    <message>
        <source>Refused the patch archive: %1</source>
        <translation>Arquivo do patch recusado: %1</translation>
    </message>
    <message>
        <source>Invalid patch URL.</source>
        <translation>URL do patch inválida.</translation>
    </message>
    <message>
        <source>Failed to prepare patch file: %1</source>
        <translation>Falha ao preparar o arquivo do patch: %1</translation>
    </message>
    <message>
        <source>Failed to download patch: %1</source>
        <translation>Falha ao baixar o patch: %1</translation>
    </message>
    <message>
        <source>Failed to unpack patch: %1</source>
        <translation>Falha ao descompactar o patch: %1</translation>
    </message>
    <message>
        <source>Failed to execute unzip: %1</source>
        <translation>Falha ao executar o unzip: %1</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>Ends a failure&apos;s message: the install folder was left as it was.</extracomment>
        <translation>%1; nada foi alterado</translation>
    </message>
    <message>
        <source>Failed to unpack patch: unzip wrote more than the %1 the archive declares</source>
        <translation>Falha ao descompactar o patch: o unzip gravou mais que os %1 declarados pelo arquivo</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip ended by signal %1)</source>
        <translation>Falha ao descompactar o patch (unzip encerrado pelo sinal %1)</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip exited with code %1)</source>
        <translation>Falha ao descompactar o patch (unzip saiu com o código %1)</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>vantor-launcher settings: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher settings: não é possível monitorar SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>
vantor-launcher settings: interrupted, stopping the move
</source>
        <translation>
vantor-launcher settings: interrompido, parando a transferência
</translation>
    </message>
    <message>
        <source>Moving the game data from &quot;%1&quot; to &quot;%2&quot;...
</source>
        <translation>Movendo os dados do jogo de &quot;%1&quot; para &quot;%2&quot;...
</translation>
    </message>
    <message>
        <source>%1 of %2 (%3%)</source>
        <translation>%1 de %2 (%3%)</translation>
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
        <translation>Sem opções, mostra cada configuração: seu nome, sua chave no arquivo de
configuração e seu valor. Com opções, altera as configurações e as mostra
de novo. --install-dir sozinho só muda para onde vai o download do Steam;
com --move, os dados do jogo do launcher (Assets, DL_Vantor e os arquivos
do patch da comunidade) são movidos para lá antes, e Ctrl-C cancela a
transferência, deixando os dados onde estavam. --reset volta todas as
configurações ao padrão (não move nada).
Código de saída: 0 concluído, 1 alteração recusada ou com falha, 2 erro de
uso, 130 transferência interrompida por SIGINT ou SIGTERM.</translation>
    </message>
    <message>
        <source>where the Steam download goes</source>
        <translation>para onde vai o download do Steam</translation>
    </message>
    <message>
        <source>with --install-dir: move the game data there first</source>
        <translation>com --install-dir: move os dados do jogo para lá antes</translation>
    </message>
    <message>
        <source>the program the game is started through</source>
        <translation>o programa pelo qual o jogo é iniciado</translation>
    </message>
    <message>
        <source>the game&apos;s extra arguments</source>
        <translation>os argumentos extras do jogo</translation>
    </message>
    <message>
        <source>the game&apos;s extra environment (NAME=VALUE ...)</source>
        <translation>o ambiente extra do jogo (NAME=VALUE ...)</translation>
    </message>
    <message>
        <source>the download speed limit in KB/s (1000 bytes), or off</source>
        <translation>o limite de velocidade de download em KB/s (1000 bytes), ou off</translation>
    </message>
    <message>
        <source>a desktop notification when a download ends</source>
        <translation>uma notificação na área de trabalho quando um download termina</translation>
    </message>
    <message>
        <source>the download&apos;s progress on the task bar</source>
        <translation>o progresso do download na barra de tarefas</translation>
    </message>
    <message>
        <source>every setting back to its default</source>
        <translation>todas as configurações de volta ao padrão</translation>
    </message>
    <message>
        <source>--%1 cannot hold control characters (line breaks, tabs)</source>
        <translation>--%1 não pode conter caracteres de controle (quebras de linha, tabulações)</translation>
    </message>
    <message>
        <source>--download-limit takes KB/s from 1 to %1, or off; not &apos;%2&apos;</source>
        <translation>--download-limit aceita KB/s de 1 a %1, ou off; não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &apos;%2&apos;</source>
        <translation>--%1 aceita on ou off, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--install-dir needs a folder</source>
        <translation>--install-dir precisa de uma pasta</translation>
    </message>
    <message>
        <source>--move goes with --install-dir DIR</source>
        <translation>--move só funciona com --install-dir DIR</translation>
    </message>
    <message>
        <source>--reset goes alone</source>
        <translation>--reset deve ser usado sozinho</translation>
    </message>
    <message>
        <source>vantor-launcher settings: the settings could not be written
</source>
        <translation>vantor-launcher settings: não foi possível gravar as configurações
</translation>
    </message>
    <message>
        <source>The game data in &quot;%1&quot; was not moved (--move moves it).
</source>
        <translation>Os dados do jogo em &quot;%1&quot; não foram movidos (--move os move).
</translation>
    </message>
    <message>
        <source>the language from the next start on (%1), or system</source>
        <translation>o idioma a partir da próxima inicialização (%1), ou system</translation>
    </message>
    <message>
        <source>--language takes %1 or system, not &apos;%2&apos;</source>
        <translation>--language aceita %1 ou system, não &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>INSTALL FOLDER</source>
        <translation>PASTA DE INSTALAÇÃO</translation>
    </message>
    <message>
        <source>Install folder: %1</source>
        <translation>Pasta de instalação: %1</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Alterar…</translation>
    </message>
    <message>
        <source>Change install folder</source>
        <translation>Alterar pasta de instalação</translation>
    </message>
    <message>
        <source>Move the game data there</source>
        <translation>Mover os dados do jogo para lá</translation>
    </message>
    <message>
        <source>Move progress</source>
        <translation>Progresso da transferência</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel the move</source>
        <translation>Cancelar a transferência</translation>
    </message>
    <message>
        <source>A download is running: the folder can change once it has ended.</source>
        <translation>Um download está em andamento: a pasta poderá ser alterada quando ele terminar.</translation>
    </message>
    <message>
        <source>Wrapper</source>
        <translation>Wrapper</translation>
    </message>
    <message>
        <source>Launch wrapper</source>
        <translation>Wrapper de inicialização</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumentos</translation>
    </message>
    <message>
        <source>Launch arguments</source>
        <translation>Argumentos de inicialização</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Ambiente</translation>
    </message>
    <message>
        <source>Launch environment</source>
        <translation>Ambiente de inicialização</translation>
    </message>
    <message>
        <source>Split into words as a shell would, but never run through a shell; %command% is accepted.</source>
        <extracomment>%command% stays as it is: the player types it into the wrapper.</extracomment>
        <translation>Dividido em palavras como um shell faria, mas nunca executado por um shell; %command% é aceito.</translation>
    </message>
    <message>
        <source>Speed limit</source>
        <translation>Limite de velocidade</translation>
    </message>
    <message>
        <source>Download speed limit in KB/s</source>
        <translation>Limite de velocidade de download em KB/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>No download speed limit</source>
        <translation>Sem limite de velocidade de download</translation>
    </message>
    <message>
        <source>NOTIFICATIONS</source>
        <translation>NOTIFICAÇÕES</translation>
    </message>
    <message>
        <source>Notify me when a download ends</source>
        <translation>Notificar quando um download terminar</translation>
    </message>
    <message>
        <source>Show download progress on the task bar</source>
        <translation>Mostrar o progresso do download na barra de tarefas</translation>
    </message>
    <message>
        <source>FOLDERS</source>
        <translation>PASTAS</translation>
    </message>
    <message>
        <source>Open install folder</source>
        <translation>Abrir pasta de instalação</translation>
    </message>
    <message>
        <source>Open logs folder</source>
        <translation>Abrir pasta de logs</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: how the game is started.</extracomment>
        <translation>INICIALIZAÇÃO</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: the Steam download.</extracomment>
        <translation>DOWNLOAD</translation>
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
        <translation>Vale a partir da próxima vez que o launcher for iniciado.</translation>
    </message>
</context>
<context>
    <name>ShellWords</name>
    <message>
        <source>the %1 quote at character %2 is never closed</source>
        <extracomment>%1 is &quot;single&quot; or &quot;double&quot; (translated apart), %2 a number.</extracomment>
        <translation>a aspa %1 no caractere %2 nunca é fechada</translation>
    </message>
    <message>
        <source>the backslash at the end escapes nothing</source>
        <translation>a barra invertida no final não escapa nada</translation>
    </message>
    <message>
        <source>single</source>
        <translation>simples</translation>
    </message>
    <message>
        <source>double</source>
        <translation>dupla</translation>
    </message>
</context>
<context>
    <name>SteamCMDInstaller</name>
    <message>
        <source>Installation error: %1</source>
        <translation>Erro de instalação: %1</translation>
    </message>
    <message>
        <source>Failed to download SteamCMD tarball</source>
        <translation>Falha ao baixar o pacote do SteamCMD</translation>
    </message>
    <message>
        <source>Failed to extract SteamCMD (exit %1)</source>
        <translation>Falha ao extrair o SteamCMD (saída %1)</translation>
    </message>
    <message>
        <source>Installation error: %1 links outside the SteamCMD folder (%2)</source>
        <translation>Erro de instalação: %1 aponta para fora da pasta do SteamCMD (%2)</translation>
    </message>
</context>
<context>
    <name>SteamCMDManager</name>
    <message>
        <source>Approve the sign-in in the Steam Mobile app on your phone</source>
        <translation>Aprove o login no app Steam Mobile do seu celular</translation>
    </message>
</context>
<context>
    <name>SteamCMDSession</name>
    <message>
        <source>SteamCMD crashed (signal %1: %2)</source>
        <extracomment>%1 is the signal&apos;s number, %2 the system&apos;s name for it (&quot;Segmentation fault&quot;).</extracomment>
        <translation>O SteamCMD travou (sinal %1: %2)</translation>
    </message>
    <message>
        <source>SteamCMD crashed (signal %1)</source>
        <translation>O SteamCMD travou (sinal %1)</translation>
    </message>
    <message>
        <source>Cannot create assets directory: %1</source>
        <translation>Não foi possível criar a pasta dos arquivos do jogo: %1</translation>
    </message>
    <message>
        <source>Failed to launch SteamCMD: %1</source>
        <translation>Falha ao iniciar o SteamCMD: %1</translation>
    </message>
    <message>
        <source>SteamCMD exited with code %1</source>
        <translation>O SteamCMD saiu com o código %1</translation>
    </message>
</context>
<context>
    <name>SteamCMDState</name>
    <message>
        <source>DOWNLOADING ASSETS... %1</source>
        <extracomment>Status line; the argument is SteamCMD&apos;s own progress line, left as it prints it.</extracomment>
        <translation>BAIXANDO ARQUIVOS... %1</translation>
    </message>
    <message>
        <source>DOWNLOADING PATCH... %1%</source>
        <extracomment>Status line; %1 is the percentage&apos;s number (42), the percent sign is in the text.</extracomment>
        <translation>BAIXANDO PATCH... %1%</translation>
    </message>
    <message>
        <source>ERROR: %1</source>
        <extracomment>Status line of a failed download; %1 is the failure&apos;s message.</extracomment>
        <translation>ERRO: %1</translation>
    </message>
    <message>
        <source>READY</source>
        <extracomment>Status line: nothing under way (a state, not a button).</extracomment>
        <translation>PRONTO</translation>
    </message>
    <message>
        <source>INSTALLING STEAMCMD...</source>
        <translation>INSTALANDO O STEAMCMD...</translation>
    </message>
    <message>
        <source>AUTHENTICATING...</source>
        <extracomment>Status line: SteamCMD signs in to Steam.</extracomment>
        <translation>AUTENTICANDO...</translation>
    </message>
    <message>
        <source>STEAM GUARD CODE REQUIRED</source>
        <translation>CÓDIGO DO STEAM GUARD NECESSÁRIO</translation>
    </message>
    <message>
        <source>VALIDATING FILES...</source>
        <extracomment>Status line: SteamCMD checks the downloaded files.</extracomment>
        <translation>VALIDANDO ARQUIVOS...</translation>
    </message>
    <message>
        <source>UNPACKING PATCH...</source>
        <translation>DESCOMPACTANDO PATCH...</translation>
    </message>
    <message>
        <source>ASSETS READY</source>
        <extracomment>Status line: the game data is complete and the game can start.</extracomment>
        <translation>ARQUIVOS PRONTOS</translation>
    </message>
</context>
<context>
    <name>SteamFailureReasons</name>
    <message>
        <source>the game&apos;s folder</source>
        <translation>sua pasta do jogo</translation>
    </message>
    <message>
        <source>Steam did not accept the password. Check your user name and password, then try again.</source>
        <translation>O Steam não aceitou a senha. Verifique seu usuário e senha e tente novamente.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Start the download again and enter the newest code.</source>
        <translation>O Steam não aceitou o código do Steam Guard: ele estava errado ou expirou. Inicie o download de novo e insira o código mais recente.</translation>
    </message>
    <message>
        <source>Steam refuses sign-ins for a while after too many attempts. Wait before you try again: every attempt in between can make the wait longer.</source>
        <translation>O Steam recusa logins por um tempo após tentativas demais. Aguarde antes de tentar de novo: cada tentativa nesse meio-tempo pode aumentar a espera.</translation>
    </message>
    <message>
        <source>Too many sign-in attempts — wait before trying again</source>
        <translation>Tentativas de login demais — aguarde antes de tentar de novo</translation>
    </message>
    <message>
        <source>The sign-in was not approved in time. Start the download again and approve the sign-in in the Steam Mobile app on your phone right away.</source>
        <translation>O login não foi aprovado a tempo. Inicie o download de novo e aprove o login imediatamente no app Steam Mobile do seu celular.</translation>
    </message>
    <message>
        <source>Sign-in not approved in time</source>
        <translation>Login não aprovado a tempo</translation>
    </message>
    <message>
        <source>SteamCMD did not hear back from Steam in time. Check your internet connection and try again.</source>
        <translation>O SteamCMD não recebeu resposta do Steam a tempo. Verifique sua conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Type the newest code to try again.</source>
        <translation>O Steam não aceitou o código do Steam Guard: ele estava errado ou expirou. Digite o código mais recente para tentar novamente.</translation>
    </message>
    <message>
        <source>SteamCMD could not reach Steam. Check your internet connection, then try again.</source>
        <translation>O SteamCMD não conseguiu se conectar ao Steam. Verifique sua conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1: it needs %2 MB and only %3 MB are free. Free up space there, then try again.</source>
        <translation>Não há espaço livre suficiente em disco para o jogo em %1: são necessários %2 MB e só há %3 MB livres. Libere espaço nesse local e tente novamente.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1. Free up space there, then try again.</source>
        <translation>Não há espaço livre suficiente em disco para o jogo em %1. Libere espaço nesse local e tente novamente.</translation>
    </message>
    <message>
        <source>SteamCMD could not write the game&apos;s files to %1. Make sure that folder belongs to you and is not read-only, then try again.</source>
        <translation>O SteamCMD não conseguiu gravar os arquivos do jogo em %1. Verifique se essa pasta pertence a você e não é somente leitura, depois tente novamente.</translation>
    </message>
    <message>
        <source>Steam would not hand out the Windows files of the game (invalid platform). Try again later; if it keeps happening, report it with the download log.</source>
        <translation>O Steam não forneceu os arquivos de Windows do jogo (invalid platform). Tente novamente mais tarde; se continuar acontecendo, informe o problema junto com o log do download.</translation>
    </message>
    <message>
        <source>This Steam account does not own the game. Buy it on Steam, or sign in with the account that owns it.</source>
        <translation>Esta conta Steam não possui o jogo. Compre-o no Steam ou inicie sessão com a conta que o possui.</translation>
    </message>
    <message>
        <source>Steam did not send the game&apos;s configuration (missing configuration). This is often reported right after SteamCMD has updated itself and usually goes away on a later try: try again in a while.</source>
        <translation>O Steam não enviou a configuração do jogo (missing configuration). Isso costuma acontecer logo depois que o SteamCMD se atualiza e geralmente se resolve numa nova tentativa: tente de novo daqui a pouco.</translation>
    </message>
    <message>
        <source>SteamCMD stopped before the game was complete (state %1). Try again; if it keeps happening, the reason is in %2.</source>
        <translation>O SteamCMD parou antes de o jogo ficar completo (estado %1). Tente novamente; se continuar acontecendo, consulte %2 para ver o motivo.</translation>
    </message>
    <message>
        <source>SteamCMD&apos;s content log</source>
        <translation>o log de conteúdo do SteamCMD</translation>
    </message>
    <message>
        <source>SteamCMD cannot start: it needs the 32-bit C runtime, which is not installed. Install the package lib32gcc-s1, then try again.</source>
        <translation>O SteamCMD não consegue iniciar: ele precisa do runtime C de 32 bits, que não está instalado. Instale o pacote lib32gcc-s1 e tente novamente.</translation>
    </message>
    <message>
        <source>Authentication failed — check credentials</source>
        <extracomment>The status after Steam refused the sign-in: user name, password or Steam Guard code.</extracomment>
        <translation>Falha na autenticação — verifique as credenciais</translation>
    </message>
    <message>
        <source>Game not owned — purchase required</source>
        <extracomment>The status when the Steam account has no licence for the game.</extracomment>
        <translation>Jogo não adquirido — compra necessária</translation>
    </message>
</context>
<context>
    <name>SteamProgress</name>
    <message>
        <source>Preparing disk space</source>
        <extracomment>The phases of SteamCMD&apos;s download, shown before its size and speed.</extracomment>
        <translation>Preparando espaço em disco</translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>A phase of the download (under the status line), not a button.</extracomment>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>Writing files</source>
        <translation>Gravando arquivos</translation>
    </message>
    <message>
        <source>Reconfiguring</source>
        <translation>Reconfigurando</translation>
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
        <translation>CREDENCIAIS DO STEAM</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
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
        <translation>BAIXAR ARQUIVOS</translation>
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
        <translation>Progresso do download</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>Game data source</source>
        <translation>Fonte dos dados do jogo</translation>
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
        <translation>faltam %1</translation>
    </message>
</context>
<context>
    <name>UiSupport</name>
    <message>
        <source>COMMUNITY MAC PORT</source>
        <translation>PORT DA COMUNIDADE PARA MAC</translation>
    </message>
    <message>
        <source>COMMUNITY %1 PORT</source>
        <extracomment>%1 is the operating system&apos;s name in capitals (LINUX).</extracomment>
        <translation>PORT DA COMUNIDADE PARA %1</translation>
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
        <translation>%1 ainda não existe.</translation>
    </message>
    <message>
        <source>No program on this desktop opened %1.</source>
        <translation>Nenhum programa deste ambiente de desktop abriu %1.</translation>
    </message>
</context>
<context>
    <name>UpdateBanner</name>
    <message>
        <source>UPDATE AVAILABLE: v%1</source>
        <extracomment>%1 is the new version number.</extracomment>
        <translation>ATUALIZAÇÃO DISPONÍVEL: v%1</translation>
    </message>
    <message>
        <source>DOWNLOAD UPDATE</source>
        <translation>BAIXAR ATUALIZAÇÃO</translation>
    </message>
    <message>
        <source>SEE DETAILS</source>
        <translation>VER DETALHES</translation>
    </message>
    <message>
        <source>Dismiss update</source>
        <translation>Ocultar aviso de atualização</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>the server answered %1%2</source>
        <translation>o servidor respondeu %1%2</translation>
    </message>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>a resposta é maior que %1 KiB</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>a conexão foi recusada</translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation>o host %1 não foi encontrado</translation>
    </message>
    <message>
        <source>no answer came within %1 s</source>
        <translation>nenhuma resposta em %1 s</translation>
    </message>
    <message>
        <source>the answer is not an update manifest: %1</source>
        <translation>a resposta não é um manifesto de atualização: %1</translation>
    </message>
    <message>
        <source>the connection ended before the whole manifest arrived</source>
        <translation>a conexão terminou antes de o manifesto chegar por completo</translation>
    </message>
</context>
</TS>
