<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Vantor Online</source>
        <translation>À propos de Vantor Online</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the launcher&apos;s version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Ported by the Vantor Online community</source>
        <translation>Porté par la communauté Vantor Online</translation>
    </message>
    <message>
        <source>Built on top of the RN GPLv3 open-source release</source>
        <translation>Basé sur la version open source GPLv3 de RN</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Ardenfall™ Vantor — Duskline is a trademark of its respective owners.
The game engine&apos;s source code is licensed under the GPLv3.</source>
        <extracomment>The game&apos;s full name stays as it is, trademark sign included.</extracomment>
        <translation>Ardenfall™ Vantor — Duskline est une marque de ses propriétaires respectifs.
Le code source du moteur du jeu est distribué sous licence GPLv3.</translation>
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
        <translation>le champ «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>it is not JSON</source>
        <translation>ce n&apos;est pas du JSON</translation>
    </message>
    <message>
        <source>it is JSON but not an object</source>
        <translation>c&apos;est du JSON, mais pas un objet</translation>
    </message>
    <message>
        <source>it is nested more than %1 levels deep</source>
        <translation>son imbrication dépasse %1 niveaux</translation>
    </message>
    <message>
        <source>it holds a number beyond the range of a double</source>
        <translation>un nombre y dépasse la plage d&apos;un double</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 names a field of the manifest: the field &quot;version&quot;.</extracomment>
        <translation>%1 est absent</translation>
    </message>
    <message>
        <source>%1 is not a string</source>
        <translation>%1 n&apos;est pas une chaîne</translation>
    </message>
    <message>
        <source>%1 is not a whole number in the 64-bit range</source>
        <translation>%1 n&apos;est pas un entier sur 64 bits</translation>
    </message>
</context>
<context>
    <name>CheckUpdateCommand</name>
    <message>
        <source>Checks once whether a newer launcher is published. Exit status: 0 when
the manifest was read (with or without an update), 1 when it was not.</source>
        <translation>Vérifie une fois si un lanceur plus récent est publié. Code de sortie : 0 si
le manifeste a été lu (avec ou sans mise à jour), 1 sinon.</translation>
    </message>
    <message>
        <source>could not fetch or read the update manifest at %1: %2</source>
        <extracomment>%1 is the manifest&apos;s web address, %2 why it could not be read.</extracomment>
        <translation>impossible de récupérer ou de lire le manifeste de mise à jour à l&apos;adresse %1 : %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>check once whether a newer launcher is published</source>
        <translation>vérifier une fois si un lanceur plus récent est publié</translation>
    </message>
    <message>
        <source>check that DIR holds both game versions</source>
        <translation>vérifier que DIR contient les deux versions du jeu</translation>
    </message>
    <message>
        <source>start the game from the Steam download or a local folder</source>
        <translation>lancer le jeu (téléchargement Steam ou dossier local)</translation>
    </message>
    <message>
        <source>show SteamCMD, assets, local folder, user and version</source>
        <translation>afficher SteamCMD, données, dossier local, utilisateur et version</translation>
    </message>
    <message>
        <source>print the version and build</source>
        <translation>afficher la version et le build</translation>
    </message>
    <message>
        <source>Without a command the launcher window opens; it also takes Qt&apos;s own options,
such as -platform and -style. Each command has its own --help.</source>
        <translation>Sans commande, la fenêtre du lanceur s&apos;ouvre ; il accepte aussi les options
propres à Qt, comme -platform et -style. Chaque commande a son --help.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>download the game&apos;s data through SteamCMD</source>
        <translation>télécharger les données du jeu via SteamCMD</translation>
    </message>
    <message>
        <source>show the settings, or change them (and move the game data)</source>
        <translation>afficher ou modifier les paramètres (et déplacer les données)</translation>
    </message>
    <message>
        <source>the language of the launcher&apos;s messages (de, fr, es, pt_BR, ru, pl, zh_CN, en) instead of the system&apos;s</source>
        <translation>la langue des messages du lanceur (de, fr, es, pt_BR, ru, pl, zh_CN, en) au lieu de celle du système</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>print this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>also print the launcher&apos;s developer log on standard error</source>
        <translation>afficher aussi le journal de développement du lanceur sur la sortie d&apos;erreur standard</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option, as typed (&quot;--username&quot;).</extracomment>
        <translation>%1 nécessite une valeur</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is an argument&apos;s name in capitals (&quot;DIR&quot;).</extracomment>
        <translation>%1 manquant</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is what to type: the command and its options.</extracomment>
        <translation>Utilisation : %1</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <source>Awaiting command...</source>
        <translation>En attente de commande...</translation>
    </message>
    <message>
        <source>SteamCMD console</source>
        <translation>Console SteamCMD</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <extracomment>The notification&apos;s button that shows the window.</extracomment>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>DownloadAnnouncer</name>
    <message>
        <source>Assets ready</source>
        <extracomment>A desktop notification; LAUNCH is the window&apos;s button.</extracomment>
        <translation>Jeu prêt</translation>
    </message>
    <message>
        <source>The game is downloaded and patched: LAUNCH starts it.</source>
        <translation>Le jeu est téléchargé et patché : cliquez sur LANCER pour jouer.</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <source>Download stopped</source>
        <translation>Téléchargement arrêté</translation>
    </message>
    <message>
        <source>A new download continues where this one stopped.</source>
        <translation>Un nouveau téléchargement reprendra là où celui-ci s&apos;est arrêté.</translation>
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
        <translation>Effectue un téléchargement Steam complet, comme le bouton de la fenêtre.
Sans --password-stdin, le mot de passe du compte est pris dans le trousseau
de clés, ou demandé dans le terminal. Les identifiants fournis sont
enregistrés dans le trousseau. Un code Steam Guard est lu sur l&apos;entrée
standard, ou dans le terminal une fois l&apos;entrée standard terminée.
Code de sortie : 0 jeu prêt, 1 échec, 2 erreur d&apos;utilisation, 130 arrêt
par SIGINT ou SIGTERM.</translation>
    </message>
    <message>
        <source>the Steam account (default: the one saved in the keyring)</source>
        <translation>le compte Steam (par défaut : celui enregistré dans le trousseau)</translation>
    </message>
    <message>
        <source>read the password from the first line of standard input</source>
        <translation>lire le mot de passe sur la première ligne de l&apos;entrée standard</translation>
    </message>
    <message>
        <source>--username NAME is required (no Steam account is saved in the keyring)</source>
        <translation>--username NAME est requis (aucun compte Steam n&apos;est enregistré dans le trousseau)</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Mot de passe : </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password entered
</source>
        <translation>vantor-launcher download: aucun mot de passe saisi
</translation>
    </message>
    <message>
        <source>vantor-launcher download: standard input ended before the password line
</source>
        <translation>vantor-launcher download: l&apos;entrée standard s&apos;est terminée avant la ligne du mot de passe
</translation>
    </message>
    <message>
        <source>Steam password: </source>
        <translation>Mot de passe Steam : </translation>
    </message>
    <message>
        <source>vantor-launcher download: no password: standard input is not a terminal; give --password-stdin and write the password as the first line of standard input
</source>
        <translation>vantor-launcher download: pas de mot de passe : l&apos;entrée standard n&apos;est pas un terminal ; indiquez --password-stdin et écrivez le mot de passe sur la première ligne de l&apos;entrée standard
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher download: impossible de surveiller SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>Steam Guard code: </source>
        <translation>Code Steam Guard : </translation>
    </message>
    <message>
        <source>
vantor-launcher download: the input ended without a Steam Guard code, cancelling
</source>
        <translation>
vantor-launcher download: l&apos;entrée s&apos;est terminée sans code Steam Guard, annulation
</translation>
    </message>
    <message>
        <source>
vantor-launcher download: interrupted, stopping SteamCMD
</source>
        <translation>
vantor-launcher download: interrompu, arrêt de SteamCMD
</translation>
    </message>
    <message>
        <source>vantor-launcher download: cancelled
</source>
        <translation>vantor-launcher download: annulé
</translation>
    </message>
</context>
<context>
    <name>DownloadRun</name>
    <message numerus="yes">
        <source>SteamCMD asked to be restarted %n times in a row (exit code 42)</source>
        <translation>
            <numerusform>SteamCMD a demandé à être redémarré %n fois de suite (code de sortie 42)</numerusform>
            <numerusform>SteamCMD a demandé à être redémarré %n fois de suite (code de sortie 42)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>PORTED BY THE VANTOR ONLINE COMMUNITY</source>
        <translation>PORTÉ PAR LA COMMUNAUTÉ VANTOR ONLINE</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>About Vantor Online</source>
        <translation>À propos de Vantor Online</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source>Checks that DIR holds both game versions: its immediate subfolders
contain ini.big and inidl.big (any letter case). Prints VALID (status 0),
or why not (status 1).</source>
        <translation>Vérifie que DIR contient les deux versions du jeu : ses sous-dossiers
directs contiennent ini.big et inidl.big (sans tenir compte de la casse).
Affiche VALID (code 0), ou la raison de l&apos;échec (code 1).</translation>
    </message>
    <message>
        <source>the folder that holds both game versions</source>
        <translation>le dossier qui contient les deux versions du jeu</translation>
    </message>
    <message>
        <source>Starts the game from the chosen data source. When the source is not ready,
prints the window&apos;s hint and exits with status 1.</source>
        <translation>Lance le jeu depuis la source de données choisie. Si la source n&apos;est pas
prête, affiche l&apos;indication de la fenêtre et quitte avec le code 1.</translation>
    </message>
    <message>
        <source>the data source: steam (the default) or local</source>
        <translation>la source de données : steam (par défaut) ou local</translation>
    </message>
    <message>
        <source>the local game folder, for this run only (it is not stored)</source>
        <translation>le dossier local du jeu, pour cette exécution seulement (non enregistré)</translation>
    </message>
    <message>
        <source>unknown source &apos;%1&apos;</source>
        <translation>source inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--path needs a folder</source>
        <translation>--path nécessite un dossier</translation>
    </message>
    <message>
        <source>Shows where SteamCMD, the assets and the local folder are and whether
they are usable, the saved Steam user and the version: what to
include in a bug report.</source>
        <translation>Indique où se trouvent SteamCMD, les données du jeu et le dossier local
et s&apos;ils sont utilisables, l&apos;utilisateur Steam enregistré et la version :
de quoi compléter un rapport de bug.</translation>
    </message>
</context>
<context>
    <name>GameFolders</name>
    <message>
        <source>INVALID TARGET — No ini.big / inidl.big detected in subdirectories</source>
        <extracomment>The file names ini.big and inidl.big stay as they are.</extracomment>
        <translation>CIBLE INVALIDE — Aucun ini.big / inidl.big détecté dans les sous-dossiers</translation>
    </message>
    <message>
        <source>DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH</source>
        <translation>TÉLÉCHARGEZ LES DONNÉES DU JEU VIA STEAM POUR POUVOIR LANCER</translation>
    </message>
    <message>
        <source>SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS</source>
        <extracomment>The local tab&apos;s hint: the chosen folder must hold both versions of the game.</extracomment>
        <translation>SÉLECTIONNEZ LE DOSSIER PARENT CONTENANT LES DEUX VERSIONS DU JEU</translation>
    </message>
</context>
<context>
    <name>InstallFolderController</name>
    <message>
        <source>The game data is being moved to another folder; start the download once the move has ended.</source>
        <translation>Les données du jeu sont en cours de déplacement vers un autre dossier ; lancez le téléchargement une fois le déplacement terminé.</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>Le dossier d&apos;installation doit être un chemin absolu.</translation>
    </message>
    <message>
        <source>A download is running. Stop it before changing the install folder.</source>
        <translation>Un téléchargement est en cours. Arrêtez-le avant de changer de dossier d&apos;installation.</translation>
    </message>
    <message>
        <source>A download is still stopping. Try again in a moment.</source>
        <translation>Un téléchargement est encore en cours d&apos;arrêt. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The game data is being moved already.</source>
        <translation>Les données du jeu sont déjà en cours de déplacement.</translation>
    </message>
    <message>
        <source>Could not store the install folder.</source>
        <translation>Impossible d&apos;enregistrer le dossier d&apos;installation.</translation>
    </message>
    <message>
        <source>The game data now goes to %1.</source>
        <translation>Les données du jeu iront désormais dans %1.</translation>
    </message>
    <message>
        <source>%1. Stop it before changing the install folder.</source>
        <extracomment>%1 says which download holds the install folder.</extracomment>
        <translation>%1. Arrêtez-le avant de changer de dossier d&apos;installation.</translation>
    </message>
    <message>
        <source>Moving the game data to %1...</source>
        <translation>Déplacement des données du jeu vers %1...</translation>
    </message>
    <message>
        <source>The move was cancelled; the game data stays in &quot;%1&quot;.</source>
        <translation>Le déplacement a été annulé ; les données du jeu restent dans «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>InstallFolderMove</name>
    <message>
        <source>device</source>
        <translation>périphérique</translation>
    </message>
    <message>
        <source>named pipe</source>
        <translation>tube nommé</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>socket</translation>
    </message>
    <message>
        <source>special file</source>
        <translation>fichier spécial</translation>
    </message>
    <message>
        <source>The install folder must be an absolute path.</source>
        <translation>Le dossier d&apos;installation doit être un chemin absolu.</translation>
    </message>
    <message>
        <source>The game data is in &quot;%1&quot; already.</source>
        <translation>Les données du jeu sont déjà dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The new install folder cannot be inside the current one (&quot;%1&quot;).</source>
        <translation>Le nouveau dossier d&apos;installation ne peut pas se trouver dans le dossier actuel («&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>The new install folder cannot hold the current one (&quot;%1&quot;).</source>
        <translation>Le nouveau dossier d&apos;installation ne peut pas contenir le dossier actuel («&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>Could not move the game data: %1; it stays in &quot;%2&quot;.</source>
        <translation>Impossible de déplacer les données du jeu : %1 ; elles restent dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>could not make &quot;%1&quot;: %2</source>
        <translation>impossible de créer «&#xa0;%1&#xa0;» : %2</translation>
    </message>
    <message>
        <source>could not move &quot;%1&quot;: %2</source>
        <translation>impossible de déplacer «&#xa0;%1&#xa0;» : %2</translation>
    </message>
    <message>
        <source>could not read &quot;%1&quot;: %2</source>
        <translation>impossible de lire «&#xa0;%1&#xa0;» : %2</translation>
    </message>
    <message>
        <source>could not read the link &quot;%1&quot;</source>
        <translation>impossible de lire le lien «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>could not make a folder in &quot;%1&quot;: %2</source>
        <translation>impossible de créer un dossier dans «&#xa0;%1&#xa0;» : %2</translation>
    </message>
    <message>
        <source>could not copy &quot;%1&quot;: %2</source>
        <translation>impossible de copier «&#xa0;%1&#xa0;» : %2</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is missing</source>
        <translation>la copie de «&#xa0;%1&#xa0;» est absente</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; is no folder</source>
        <translation>la copie de «&#xa0;%1&#xa0;» n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the copy of &quot;%1&quot; holds %2 bytes instead of %3</source>
        <translation>la copie de «&#xa0;%1&#xa0;» fait %2 octets au lieu de %3</translation>
    </message>
    <message>
        <source>the copy of the link &quot;%1&quot; differs</source>
        <translation>la copie du lien «&#xa0;%1&#xa0;» diffère</translation>
    </message>
    <message>
        <source>could not put &quot;%1&quot; in place: %2</source>
        <translation>impossible de mettre «&#xa0;%1&#xa0;» en place : %2</translation>
    </message>
    <message>
        <source>the new install folder could not be stored</source>
        <translation>le nouveau dossier d&apos;installation n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>There was no game data to move; the game data now goes to &quot;%1&quot;.</source>
        <translation>Il n&apos;y avait aucune donnée du jeu à déplacer ; les données du jeu iront désormais dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot;.</source>
        <translation>Données du jeu déplacées vers «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Moved the game data to &quot;%1&quot; (%2 copied).</source>
        <translation>Données du jeu déplacées vers «&#xa0;%1&#xa0;» (%2 copiés).</translation>
    </message>
    <message>
        <source>The old copy of %1 in &quot;%2&quot; could not be removed (%3).</source>
        <translation>L&apos;ancienne copie de %1 dans «&#xa0;%2&#xa0;» n&apos;a pas pu être supprimée (%3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a %2; only files, folders and links can be moved</source>
        <extracomment>%1 is a path in the game data, %2 what it is (&quot;device&quot;, &quot;named pipe&quot;, ...).</extracomment>
        <translation>« %1 » est de type %2 ; seuls les fichiers, dossiers et liens peuvent être déplacés</translation>
    </message>
</context>
<context>
    <name>InstallLock</name>
    <message>
        <source>Cannot open the download lock %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;ouvrir le verrou de téléchargement %1 : %2</translation>
    </message>
    <message>
        <source>Another download is already running (process %1)</source>
        <translation>Un autre téléchargement est déjà en cours (processus %1)</translation>
    </message>
    <message>
        <source>Another download is already running</source>
        <translation>Un autre téléchargement est déjà en cours</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>Impossible de verrouiller %1 : %2</translation>
    </message>
</context>
<context>
    <name>LaunchButton</name>
    <message>
        <source>INITIALIZING...</source>
        <extracomment>The launch button while the game starts, and its label.</extracomment>
        <translation>DÉMARRAGE...</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <translation>LANCER</translation>
    </message>
</context>
<context>
    <name>LaunchCommand</name>
    <message>
        <source>in the %1, %2</source>
        <extracomment>%1 names the setting (&quot;wrapper command&quot;), %2 says what is wrong in it.</extracomment>
        <translation>dans %1, %2</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found</source>
        <translation>le wrapper «&#xa0;%1&#xa0;» est introuvable</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; is not an executable file</source>
        <translation>le wrapper «&#xa0;%1&#xa0;» n&apos;est pas un fichier exécutable</translation>
    </message>
    <message>
        <source>the wrapper &quot;%1&quot; was not found on PATH</source>
        <translation>le wrapper «&#xa0;%1&#xa0;» est introuvable dans le PATH</translation>
    </message>
    <message>
        <source>wrapper command</source>
        <translation>la commande wrapper</translation>
    </message>
    <message>
        <source>extra arguments</source>
        <translation>les arguments supplémentaires</translation>
    </message>
    <message>
        <source>environment variables</source>
        <translation>les variables d&apos;environnement</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; is not of the form NAME=value</source>
        <translation>la variable d&apos;environnement «&#xa0;%1&#xa0;» n&apos;est pas de la forme NAME=value</translation>
    </message>
    <message>
        <source>the environment variable &quot;%1&quot; has an invalid name: a name is made of letters, digits and _ and does not start with a digit</source>
        <translation>la variable d&apos;environnement «&#xa0;%1&#xa0;» a un nom invalide : un nom se compose de lettres, de chiffres et de _ et ne commence pas par un chiffre</translation>
    </message>
    <message>
        <source>the wrapper command holds %1 more than once</source>
        <translation>la commande wrapper contient %1 plus d&apos;une fois</translation>
    </message>
</context>
<context>
    <name>LauncherSettings</name>
    <message>
        <source>System default</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>LauncherViewModel</name>
    <message>
        <source>Select the Windows Game Folder (containing .big files)</source>
        <translation>Sélectionnez le dossier du jeu Windows (contenant les fichiers .big)</translation>
    </message>
    <message>
        <source>Select the folder the Steam download goes to</source>
        <translation>Sélectionnez le dossier de destination du téléchargement Steam</translation>
    </message>
    <message>
        <source>Engine binary not found at %1</source>
        <translation>Exécutable du moteur introuvable : %1</translation>
    </message>
    <message>
        <source>Failed to launch game: %1</source>
        <translation>Impossible de lancer le jeu : %1</translation>
    </message>
</context>
<context>
    <name>LocalTab</name>
    <message>
        <source>TACTICAL DATA PATH:</source>
        <translation>CHEMIN DES DONNÉES TACTIQUES :</translation>
    </message>
    <message>
        <source>NO SIGNAL — AWAITING FOLDER TARGET</source>
        <translation>AUCUN SIGNAL — EN ATTENTE D&apos;UN DOSSIER CIBLE</translation>
    </message>
    <message>
        <source>LOCATE</source>
        <translation>PARCOURIR</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quit Vantor Online</source>
        <translation>Quitter Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Un téléchargement est en cours. L&apos;arrêter et quitter ?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Launch Vantor Online</source>
        <translation>Lancer Vantor Online</translation>
    </message>
    <message>
        <source>A download is running. Stop it and launch?</source>
        <translation>Un téléchargement est en cours. L&apos;arrêter et lancer le jeu ?</translation>
    </message>
    <message>
        <source>Stop and Launch</source>
        <translation>Arrêter et lancer</translation>
    </message>
    <message>
        <source>STEAM (RECOMMENDED)</source>
        <translation>STEAM (RECOMMANDÉ)</translation>
    </message>
    <message>
        <source>LOCAL ARCHIVE</source>
        <translation>ARCHIVE LOCALE</translation>
    </message>
    <message>
        <source>Launch Error</source>
        <translation>Erreur de lancement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>Jeu introuvable</translation>
    </message>
    <message>
        <source>Open Steam Store</source>
        <translation>Ouvrir le Magasin Steam</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; does not own Ardenfall™ Vantor — Duskline.

Purchase the game on Steam, then press &quot;Download Assets&quot; again.</source>
        <extracomment>%1 is the Steam account&apos;s name. &quot;Download Assets&quot; names the Steam tab&apos;s button.</extracomment>
        <translation>Le compte «&#xa0;%1&#xa0;» ne possède pas Ardenfall™ Vantor — Duskline.

Achetez le jeu sur Steam, puis cliquez à nouveau sur «&#xa0;Télécharger le jeu&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Patch</name>
    <message>
        <source>Refused the patch archive: %1</source>
        <translation>Archive du patch refusée : %1</translation>
    </message>
    <message>
        <source>Invalid patch URL.</source>
        <translation>URL du patch invalide.</translation>
    </message>
    <message>
        <source>Failed to prepare patch file: %1</source>
        <translation>Impossible de préparer le fichier du patch : %1</translation>
    </message>
    <message>
        <source>Failed to download patch: %1</source>
        <translation>Impossible de télécharger le patch : %1</translation>
    </message>
    <message>
        <source>Failed to unpack patch: %1</source>
        <translation>Impossible de décompresser le patch : %1</translation>
    </message>
    <message>
        <source>Failed to execute unzip: %1</source>
        <translation>Impossible d&apos;exécuter unzip : %1</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>Ends a failure&apos;s message: the install folder was left as it was.</extracomment>
        <translation>%1 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>Failed to unpack patch: unzip wrote more than the %1 the archive declares</source>
        <translation>Impossible de décompresser le patch : unzip a écrit plus que les %1 déclarés par l&apos;archive</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip ended by signal %1)</source>
        <translation>Impossible de décompresser le patch (unzip arrêté par le signal %1)</translation>
    </message>
    <message>
        <source>Failed to unpack patch (unzip exited with code %1)</source>
        <translation>Impossible de décompresser le patch (unzip s&apos;est terminé avec le code %1)</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>vantor-launcher settings: cannot watch for SIGINT/SIGTERM
</source>
        <translation>vantor-launcher settings: impossible de surveiller SIGINT/SIGTERM
</translation>
    </message>
    <message>
        <source>
vantor-launcher settings: interrupted, stopping the move
</source>
        <translation>
vantor-launcher settings: interrompu, arrêt du déplacement
</translation>
    </message>
    <message>
        <source>Moving the game data from &quot;%1&quot; to &quot;%2&quot;...
</source>
        <translation>Déplacement des données du jeu de «&#xa0;%1&#xa0;» vers «&#xa0;%2&#xa0;»...
</translation>
    </message>
    <message>
        <source>%1 of %2 (%3%)</source>
        <translation>%1 sur %2 (%3&#xa0;%)</translation>
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
        <translation>Sans option, affiche chaque paramètre : son nom, sa clé dans le fichier de
configuration et sa valeur. Avec des options, les modifie puis les affiche
à nouveau. --install-dir seul change uniquement la destination du
téléchargement Steam ; avec --move, les données du jeu du lanceur (Assets,
DL_Vantor et les fichiers du patch communautaire) y sont d&apos;abord déplacées,
et Ctrl-C annule le déplacement en laissant les données à leur place.
--reset remet chaque paramètre à sa valeur par défaut (sans rien déplacer).
Code de sortie : 0 terminé, 1 modification refusée ou échouée, 2 erreur
d&apos;utilisation, 130 déplacement arrêté par SIGINT ou SIGTERM.</translation>
    </message>
    <message>
        <source>where the Steam download goes</source>
        <translation>la destination du téléchargement Steam</translation>
    </message>
    <message>
        <source>with --install-dir: move the game data there first</source>
        <translation>avec --install-dir : y déplacer d&apos;abord les données du jeu</translation>
    </message>
    <message>
        <source>the program the game is started through</source>
        <translation>le programme par lequel le jeu est lancé</translation>
    </message>
    <message>
        <source>the game&apos;s extra arguments</source>
        <translation>les arguments supplémentaires du jeu</translation>
    </message>
    <message>
        <source>the game&apos;s extra environment (NAME=VALUE ...)</source>
        <translation>l&apos;environnement supplémentaire du jeu (NAME=VALUE ...)</translation>
    </message>
    <message>
        <source>the download speed limit in KB/s (1000 bytes), or off</source>
        <translation>la limite de vitesse de téléchargement en KB/s (1000 octets), ou off</translation>
    </message>
    <message>
        <source>a desktop notification when a download ends</source>
        <translation>une notification de bureau à la fin d&apos;un téléchargement</translation>
    </message>
    <message>
        <source>the download&apos;s progress on the task bar</source>
        <translation>la progression du téléchargement dans la barre des tâches</translation>
    </message>
    <message>
        <source>every setting back to its default</source>
        <translation>remettre chaque paramètre à sa valeur par défaut</translation>
    </message>
    <message>
        <source>--%1 cannot hold control characters (line breaks, tabs)</source>
        <translation>--%1 ne peut pas contenir de caractères de contrôle (sauts de ligne, tabulations)</translation>
    </message>
    <message>
        <source>--download-limit takes KB/s from 1 to %1, or off; not &apos;%2&apos;</source>
        <translation>--download-limit accepte une valeur en KB/s de 1 à %1, ou off, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &apos;%2&apos;</source>
        <translation>--%1 accepte on ou off, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--install-dir needs a folder</source>
        <translation>--install-dir nécessite un dossier</translation>
    </message>
    <message>
        <source>--move goes with --install-dir DIR</source>
        <translation>--move s&apos;utilise avec --install-dir DIR</translation>
    </message>
    <message>
        <source>--reset goes alone</source>
        <translation>--reset s&apos;utilise seul</translation>
    </message>
    <message>
        <source>vantor-launcher settings: the settings could not be written
</source>
        <translation>vantor-launcher settings: impossible d&apos;écrire les paramètres
</translation>
    </message>
    <message>
        <source>The game data in &quot;%1&quot; was not moved (--move moves it).
</source>
        <translation>Les données du jeu dans «&#xa0;%1&#xa0;» n&apos;ont pas été déplacées (--move les déplace).
</translation>
    </message>
    <message>
        <source>the language from the next start on (%1), or system</source>
        <translation>la langue à partir du prochain démarrage (%1), ou system</translation>
    </message>
    <message>
        <source>--language takes %1 or system, not &apos;%2&apos;</source>
        <translation>--language accepte %1 ou system, pas « %2 »</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>INSTALL FOLDER</source>
        <translation>DOSSIER D&apos;INSTALLATION</translation>
    </message>
    <message>
        <source>Install folder: %1</source>
        <translation>Dossier d&apos;installation : %1</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Change install folder</source>
        <translation>Modifier le dossier d&apos;installation</translation>
    </message>
    <message>
        <source>Move the game data there</source>
        <translation>Y déplacer les données du jeu</translation>
    </message>
    <message>
        <source>Move progress</source>
        <translation>Progression du déplacement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel the move</source>
        <translation>Annuler le déplacement</translation>
    </message>
    <message>
        <source>A download is running: the folder can change once it has ended.</source>
        <translation>Un téléchargement est en cours : le dossier pourra être changé une fois celui-ci terminé.</translation>
    </message>
    <message>
        <source>Wrapper</source>
        <translation>Wrapper</translation>
    </message>
    <message>
        <source>Launch wrapper</source>
        <translation>Wrapper de lancement</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Arguments</translation>
    </message>
    <message>
        <source>Launch arguments</source>
        <translation>Arguments de lancement</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Environnement</translation>
    </message>
    <message>
        <source>Launch environment</source>
        <translation>Environnement de lancement</translation>
    </message>
    <message>
        <source>Split into words as a shell would, but never run through a shell; %command% is accepted.</source>
        <extracomment>%command% stays as it is: the player types it into the wrapper.</extracomment>
        <translation>Découpé en mots comme le ferait un shell, mais jamais exécuté par un shell ; %command% est accepté.</translation>
    </message>
    <message>
        <source>Speed limit</source>
        <translation>Limite de vitesse</translation>
    </message>
    <message>
        <source>Download speed limit in KB/s</source>
        <translation>Limite de vitesse de téléchargement en ko/s</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>ko/s</translation>
    </message>
    <message>
        <source>No download speed limit</source>
        <translation>Aucune limite de vitesse de téléchargement</translation>
    </message>
    <message>
        <source>NOTIFICATIONS</source>
        <translation>NOTIFICATIONS</translation>
    </message>
    <message>
        <source>Notify me when a download ends</source>
        <translation>M&apos;avertir à la fin d&apos;un téléchargement</translation>
    </message>
    <message>
        <source>Show download progress on the task bar</source>
        <translation>Afficher la progression dans la barre des tâches</translation>
    </message>
    <message>
        <source>FOLDERS</source>
        <translation>DOSSIERS</translation>
    </message>
    <message>
        <source>Open install folder</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Open logs folder</source>
        <translation>Journaux</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: how the game is started.</extracomment>
        <translation>LANCEMENT</translation>
    </message>
    <message>
        <source>DOWNLOAD</source>
        <comment>settings heading</comment>
        <extracomment>A heading of the settings: the Steam download.</extracomment>
        <translation>TÉLÉCHARGEMENT</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>LANGUE</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Applies the next time the launcher starts.</source>
        <extracomment>Under the language choice: the window keeps its language until then.</extracomment>
        <translation>Prend effet au prochain démarrage du lanceur.</translation>
    </message>
</context>
<context>
    <name>ShellWords</name>
    <message>
        <source>the %1 quote at character %2 is never closed</source>
        <extracomment>%1 is &quot;single&quot; or &quot;double&quot; (translated apart), %2 a number.</extracomment>
        <translation>le guillemet %1 au caractère %2 n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>the backslash at the end escapes nothing</source>
        <translation>la barre oblique inverse finale n&apos;échappe rien</translation>
    </message>
    <message>
        <source>single</source>
        <translation>simple</translation>
    </message>
    <message>
        <source>double</source>
        <translation>double</translation>
    </message>
</context>
<context>
    <name>SteamCMDInstaller</name>
    <message>
        <source>Installation error: %1</source>
        <translation>Erreur d&apos;installation : %1</translation>
    </message>
    <message>
        <source>Failed to download SteamCMD tarball</source>
        <translation>Impossible de télécharger l&apos;archive de SteamCMD</translation>
    </message>
    <message>
        <source>Failed to extract SteamCMD (exit %1)</source>
        <translation>Impossible d&apos;extraire SteamCMD (code %1)</translation>
    </message>
    <message>
        <source>Installation error: %1 links outside the SteamCMD folder (%2)</source>
        <translation>Erreur d&apos;installation : %1 pointe hors du dossier de SteamCMD (%2)</translation>
    </message>
</context>
<context>
    <name>SteamCMDManager</name>
    <message>
        <source>Approve the sign-in in the Steam Mobile app on your phone</source>
        <translation>Approuvez la connexion dans l&apos;application Steam Mobile sur votre téléphone</translation>
    </message>
</context>
<context>
    <name>SteamCMDSession</name>
    <message>
        <source>SteamCMD crashed (signal %1: %2)</source>
        <extracomment>%1 is the signal&apos;s number, %2 the system&apos;s name for it (&quot;Segmentation fault&quot;).</extracomment>
        <translation>SteamCMD a planté (signal %1 : %2)</translation>
    </message>
    <message>
        <source>SteamCMD crashed (signal %1)</source>
        <translation>SteamCMD a planté (signal %1)</translation>
    </message>
    <message>
        <source>Cannot create assets directory: %1</source>
        <translation>Impossible de créer le dossier des données du jeu : %1</translation>
    </message>
    <message>
        <source>Failed to launch SteamCMD: %1</source>
        <translation>Impossible de lancer SteamCMD : %1</translation>
    </message>
    <message>
        <source>SteamCMD exited with code %1</source>
        <translation>SteamCMD s&apos;est terminé avec le code %1</translation>
    </message>
</context>
<context>
    <name>SteamCMDState</name>
    <message>
        <source>DOWNLOADING ASSETS... %1</source>
        <extracomment>Status line; the argument is SteamCMD&apos;s own progress line, left as it prints it.</extracomment>
        <translation>TÉLÉCHARGEMENT DU JEU... %1</translation>
    </message>
    <message>
        <source>DOWNLOADING PATCH... %1%</source>
        <extracomment>Status line; %1 is the percentage&apos;s number (42), the percent sign is in the text.</extracomment>
        <translation>TÉLÉCHARGEMENT DU PATCH... %1&#xa0;%</translation>
    </message>
    <message>
        <source>ERROR: %1</source>
        <extracomment>Status line of a failed download; %1 is the failure&apos;s message.</extracomment>
        <translation>ERREUR : %1</translation>
    </message>
    <message>
        <source>READY</source>
        <extracomment>Status line: nothing under way (a state, not a button).</extracomment>
        <translation>PRÊT</translation>
    </message>
    <message>
        <source>INSTALLING STEAMCMD...</source>
        <translation>INSTALLATION DE STEAMCMD...</translation>
    </message>
    <message>
        <source>AUTHENTICATING...</source>
        <extracomment>Status line: SteamCMD signs in to Steam.</extracomment>
        <translation>AUTHENTIFICATION...</translation>
    </message>
    <message>
        <source>STEAM GUARD CODE REQUIRED</source>
        <translation>CODE STEAM GUARD REQUIS</translation>
    </message>
    <message>
        <source>VALIDATING FILES...</source>
        <extracomment>Status line: SteamCMD checks the downloaded files.</extracomment>
        <translation>VÉRIFICATION DES FICHIERS...</translation>
    </message>
    <message>
        <source>UNPACKING PATCH...</source>
        <translation>EXTRACTION DU PATCH...</translation>
    </message>
    <message>
        <source>ASSETS READY</source>
        <extracomment>Status line: the game data is complete and the game can start.</extracomment>
        <translation>JEU PRÊT</translation>
    </message>
</context>
<context>
    <name>SteamFailureReasons</name>
    <message>
        <source>the game&apos;s folder</source>
        <translation>le dossier du jeu</translation>
    </message>
    <message>
        <source>Steam did not accept the password. Check your user name and password, then try again.</source>
        <translation>Steam n&apos;a pas accepté le mot de passe. Vérifiez votre identifiant et votre mot de passe, puis réessayez.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Start the download again and enter the newest code.</source>
        <translation>Steam n&apos;a pas accepté le code Steam Guard : il était erroné ou avait expiré. Relancez le téléchargement et saisissez le code le plus récent.</translation>
    </message>
    <message>
        <source>Steam refuses sign-ins for a while after too many attempts. Wait before you try again: every attempt in between can make the wait longer.</source>
        <translation>Steam refuse les connexions pendant un moment après trop de tentatives. Patientez avant de réessayer : chaque tentative entre-temps peut prolonger l&apos;attente.</translation>
    </message>
    <message>
        <source>Too many sign-in attempts — wait before trying again</source>
        <translation>Trop de tentatives de connexion — patientez avant de réessayer</translation>
    </message>
    <message>
        <source>The sign-in was not approved in time. Start the download again and approve the sign-in in the Steam Mobile app on your phone right away.</source>
        <translation>La connexion n&apos;a pas été approuvée à temps. Relancez le téléchargement et approuvez aussitôt la connexion dans l&apos;application Steam Mobile sur votre téléphone.</translation>
    </message>
    <message>
        <source>Sign-in not approved in time</source>
        <translation>Connexion non approuvée à temps</translation>
    </message>
    <message>
        <source>SteamCMD did not hear back from Steam in time. Check your internet connection and try again.</source>
        <translation>SteamCMD n&apos;a pas reçu de réponse de Steam à temps. Vérifiez votre connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>Steam did not accept the Steam Guard code: it was wrong or had expired. Type the newest code to try again.</source>
        <translation>Steam n&apos;a pas accepté le code Steam Guard : il était erroné ou avait expiré. Saisissez le code le plus récent pour réessayer.</translation>
    </message>
    <message>
        <source>SteamCMD could not reach Steam. Check your internet connection, then try again.</source>
        <translation>SteamCMD n&apos;a pas pu joindre Steam. Vérifiez votre connexion Internet, puis réessayez.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1: it needs %2 MB and only %3 MB are free. Free up space there, then try again.</source>
        <translation>Il n&apos;y a pas assez d&apos;espace disque libre pour le jeu dans %1 : il faut %2 Mo et seuls %3 Mo sont libres. Libérez-y de l&apos;espace, puis réessayez.</translation>
    </message>
    <message>
        <source>There is not enough free disk space for the game in %1. Free up space there, then try again.</source>
        <translation>Il n&apos;y a pas assez d&apos;espace disque libre pour le jeu dans %1. Libérez-y de l&apos;espace, puis réessayez.</translation>
    </message>
    <message>
        <source>SteamCMD could not write the game&apos;s files to %1. Make sure that folder belongs to you and is not read-only, then try again.</source>
        <translation>SteamCMD n&apos;a pas pu écrire les fichiers du jeu dans %1. Vérifiez que ce dossier vous appartient et n&apos;est pas en lecture seule, puis réessayez.</translation>
    </message>
    <message>
        <source>Steam would not hand out the Windows files of the game (invalid platform). Try again later; if it keeps happening, report it with the download log.</source>
        <translation>Steam a refusé de fournir les fichiers Windows du jeu (invalid platform). Réessayez plus tard ; si le problème persiste, signalez-le en joignant le journal de téléchargement.</translation>
    </message>
    <message>
        <source>This Steam account does not own the game. Buy it on Steam, or sign in with the account that owns it.</source>
        <translation>Ce compte Steam ne possède pas le jeu. Achetez-le sur Steam ou connectez-vous avec le compte qui le possède.</translation>
    </message>
    <message>
        <source>Steam did not send the game&apos;s configuration (missing configuration). This is often reported right after SteamCMD has updated itself and usually goes away on a later try: try again in a while.</source>
        <translation>Steam n&apos;a pas envoyé la configuration du jeu (missing configuration). Cela arrive souvent juste après une mise à jour de SteamCMD et disparaît généralement à une tentative ultérieure : réessayez d&apos;ici quelque temps.</translation>
    </message>
    <message>
        <source>SteamCMD stopped before the game was complete (state %1). Try again; if it keeps happening, the reason is in %2.</source>
        <translation>SteamCMD s&apos;est arrêté avant que le jeu soit complet (état %1). Réessayez ; si le problème persiste, la cause figure dans %2.</translation>
    </message>
    <message>
        <source>SteamCMD&apos;s content log</source>
        <translation>le journal de contenu de SteamCMD</translation>
    </message>
    <message>
        <source>SteamCMD cannot start: it needs the 32-bit C runtime, which is not installed. Install the package lib32gcc-s1, then try again.</source>
        <translation>SteamCMD ne peut pas démarrer : il a besoin de la bibliothèque d&apos;exécution C 32 bits, qui n&apos;est pas installée. Installez le paquet lib32gcc-s1, puis réessayez.</translation>
    </message>
    <message>
        <source>Authentication failed — check credentials</source>
        <extracomment>The status after Steam refused the sign-in: user name, password or Steam Guard code.</extracomment>
        <translation>Échec de l&apos;authentification — vérifiez vos identifiants</translation>
    </message>
    <message>
        <source>Game not owned — purchase required</source>
        <extracomment>The status when the Steam account has no licence for the game.</extracomment>
        <translation>Jeu non possédé — achat requis</translation>
    </message>
</context>
<context>
    <name>SteamProgress</name>
    <message>
        <source>Preparing disk space</source>
        <extracomment>The phases of SteamCMD&apos;s download, shown before its size and speed.</extracomment>
        <translation>Préparation de l&apos;espace disque</translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>A phase of the download (under the status line), not a button.</extracomment>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Writing files</source>
        <translation>Écriture des fichiers</translation>
    </message>
    <message>
        <source>Reconfiguring</source>
        <translation>Reconfiguration</translation>
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
        <translation>IDENTIFIANTS STEAM</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Guard Code</source>
        <translation>Code Guard</translation>
    </message>
    <message>
        <source>SUBMIT</source>
        <translation>VALIDER</translation>
    </message>
    <message>
        <source>DOWNLOAD ASSETS</source>
        <translation>TÉLÉCHARGER LE JEU</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
</context>
<context>
    <name>StepProgress</name>
    <message>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>Game data source</source>
        <translation>Source des données du jeu</translation>
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
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A download&apos;s speed: &quot;10.0 MB/s&quot;.</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>The time a download still needs: &quot;17 min left&quot;.</extracomment>
        <translation>reste %1</translation>
    </message>
</context>
<context>
    <name>UiSupport</name>
    <message>
        <source>COMMUNITY MAC PORT</source>
        <translation>PORTAGE MAC COMMUNAUTAIRE</translation>
    </message>
    <message>
        <source>COMMUNITY %1 PORT</source>
        <extracomment>%1 is the operating system&apos;s name in capitals (LINUX).</extracomment>
        <translation>PORTAGE %1 COMMUNAUTAIRE</translation>
    </message>
    <message>
        <source>%1 Native Port</source>
        <extracomment>%1 is the operating system&apos;s name (Linux).</extracomment>
        <translation>Portage natif %1</translation>
    </message>
    <message>
        <source>Metal Renderer • Apple Silicon</source>
        <translation>Moteur de rendu Metal • Apple Silicon</translation>
    </message>
    <message>
        <source>%1 does not exist yet.</source>
        <translation>%1 n&apos;existe pas encore.</translation>
    </message>
    <message>
        <source>No program on this desktop opened %1.</source>
        <translation>Aucun programme du bureau n&apos;a ouvert %1.</translation>
    </message>
</context>
<context>
    <name>UpdateBanner</name>
    <message>
        <source>UPDATE AVAILABLE: v%1</source>
        <extracomment>%1 is the new version number.</extracomment>
        <translation>MISE À JOUR DISPONIBLE : v%1</translation>
    </message>
    <message>
        <source>DOWNLOAD UPDATE</source>
        <translation>TÉLÉCHARGER</translation>
    </message>
    <message>
        <source>SEE DETAILS</source>
        <translation>DÉTAILS</translation>
    </message>
    <message>
        <source>Dismiss update</source>
        <translation>Ignorer la mise à jour</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>the server answered %1%2</source>
        <translation>le serveur a répondu %1%2</translation>
    </message>
    <message>
        <source>the answer is larger than %1 KiB</source>
        <translation>la réponse dépasse %1 Kio</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>la connexion a été refusée</translation>
    </message>
    <message>
        <source>the host %1 was not found</source>
        <translation>l&apos;hôte %1 est introuvable</translation>
    </message>
    <message>
        <source>no answer came within %1 s</source>
        <translation>aucune réponse en %1 s</translation>
    </message>
    <message>
        <source>the answer is not an update manifest: %1</source>
        <translation>la réponse n&apos;est pas un manifeste de mise à jour : %1</translation>
    </message>
    <message>
        <source>the connection ended before the whole manifest arrived</source>
        <translation>la connexion s&apos;est terminée avant la réception du manifeste complet</translation>
    </message>
</context>
</TS>
