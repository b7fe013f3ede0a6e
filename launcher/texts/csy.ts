<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Poslední záloha: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Zálohovat soubory a složky s předponou %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Chcete-li pokračovat, zadejte heslo.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>Uložené ID připojení již není platné. Přihlaste se znovu pomocí adresy serveru.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Vybranou složku nelze zálohovat. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Zadejte adresu zálohovacího serveru a účet, pod kterým se chcete přihlásit.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>Směr zálohování této úlohy neodpovídá nastavení na serveru. Nastavte úlohu znovu.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Zadejte ověřovací kód z aplikace pro ověřování:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>Sdílená složka %1 dosáhla své kvóty. Uvolněte místo na serveru nebo požádejte správce o navýšení kvóty.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Nedůvěryhodný certifikát SSL</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Připojení</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Dokončit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Vyberte složky v tomto počítači, které chcete zálohovat, a místo, kam se mají na serveru ukládat.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Dokončeno</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>Cíl zálohy na serveru se změnil. Zkontrolujte nastavení zálohování.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>Místní složku %1 nelze najít. Znovu připojte disk, na kterém je uložena, nebo ji vyberte znovu.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresa serveru</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Potřebujete pomoc se začátky? Kliknutím na „Nápověda“ otevřete uživatelskou příručku.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>Místní databáze je poškozená. Restartujte aplikaci Nimbora Backup.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Vaše soubory – bezpečně zálohované.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Používat jednobarevnou ikonu v oznamovací oblasti</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>Sdílená složka na serveru není připojena. Připojte ji a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Otevřít aplikaci Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>Server odeslal odpověď, které nelze porozumět. Aktualizujte aplikaci Nimbora Backup a zkuste to znovu.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>Disk se zálohovanou složkou není připojen. Připojte disk a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Disk je plný. Uvolněte trochu místa a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuální</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>Na disku s vybranou složkou není dostatek volného místa. Uvolněte místo nebo vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Všechna práva vyhrazena. Tento program je chráněn autorským zákonem a mezinárodními smlouvami. Neoprávněné kopírování nebo šíření tohoto programu nebo kterékoli jeho části může mít za následek občanskoprávní i trestněprávní postih.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>Zálohování se nezdařilo. Zkontrolujte, zda je server dostupný, a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ruční konfigurace proxy</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Cíl zálohy</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Tento účet používá dvoufázové ověření. Zadejte ověřovací kód.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Odpojit tento počítač od serveru? Zálohování se zastaví; vaše soubory v tomto počítači i na serveru zůstanou zachovány.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Aplikace Nimbora Backup se připravuje...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Není vybrána žádná složka. Vyberte alespoň jednu složku k zálohování.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Použít nastavení proxy systému</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Změnit složku</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Zdroj zálohy</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Zadejte uživatelské jméno pro proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>Certifikát SSL serveru se od vašeho posledního připojení změnil. Pokračujte, pouze pokud tomuto serveru důvěřujete.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odpojování...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Šifrovat připojení pomocí SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivita</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>Vybraná složka je jen pro čtení. Aplikace Nimbora Backup ji může zálohovat, ale nemůže do ní obnovovat soubory.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>K této složce máte pouze oprávnění ke čtení.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Aktualizovat nyní</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Chcete-li použít nové nastavení jazyka, restartujte aplikaci %1.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Zadejte číslo portu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Nahrávání</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>Certifikát SSL byl změněn.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>Z vaší IP adresy není povoleno připojení k tomuto serveru. Obraťte se na správce.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testování připojení...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Nelze navázat zabezpečené připojení k serveru: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Teď ne</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Připojení k serveru</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>Ověřovací kód je nesprávný. Zadejte aktuální kód z aplikace pro ověřování.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>V cíli již existuje složka s tímto názvem. Zvolte jiný název.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Aplikace Nimbora Backup uchovává kopie vybraných složek na vašem serveru a aktualizuje je pokaždé, když se vaše soubory změní.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Povoleno</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>Nemáte oprávnění k přístupu k vybrané složce. Vyberte jinou složku nebo požádejte správce o přístup.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Vaše kvóta úložiště na serveru je vyčerpána. Uvolněte místo nebo požádejte správce o navýšení kvóty.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dvojitým kliknutím upravíte příponu souboru.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximální velikost souboru (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Zálohování...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>Cíl dosáhl své kvóty úložiště. Uvolněte místo na serveru nebo vyberte jiný cíl.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Příliš mnoho neúspěšných pokusů o přihlášení. Počkejte několik minut a zkuste to znovu.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB znamená bez omezení.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Došlo k neočekávané chybě. Restartujte aplikaci Nimbora Backup.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Aplikaci Nimbora Backup nelze spustit. Restartujte počítač nebo aplikaci Nimbora Backup přeinstalujte.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>Úloha zálohování na serveru nepatří tomuto počítači. Nastavte zálohování znovu.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Vyberte složku na serveru, do které se ukládá vaše záloha.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>Zkušební přihlášení se nezdařilo. Zkontrolujte uživatelské jméno a heslo.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Výchozí nastavení systému</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Důvěřovat a pokračovat</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Vyberte složky v tomto počítači, které chcete zálohovat.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Správce pro tento účet vyžaduje dvoufázové ověření. Zapněte ho ve webovém prohlížeči a pak se znovu přihlaste.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Zadejte adresu a port proxy serveru.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Váš účet byl zakázán. Obraťte se na správce.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>Do tohoto cíle již zálohuje jiný počítač. Vyberte jiný cíl, aby se jeho soubory nepřepsaly.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Žádnou z vybraných složek nelze zálohovat. Zkontrolujte, zda existují a zda k nim máte oprávnění ke čtení.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Soubor se používá</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>Software serveru je pro tuto verzi aplikace Nimbora Backup příliš starý. Požádejte správce o aktualizaci serveru.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Výběr složky v tomto počítači</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Zadejte velikost souboru v rozmezí 0–10240000 MB; 0 MB znamená bez omezení.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Ponechat soubory na serveru, když jsou odstraněny v tomto počítači</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Připojení se nezdařilo. Zkontrolujte nastavení sítě a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Výběr složek k zálohování</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Některé z vybraných složek jsou jen pro čtení. Jejich soubory lze zálohovat, ale nelze je do nich obnovit. Chcete pokračovat?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Bezpečnostní upozornění</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Čekání</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Stahování aktualizace...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Vítejte v aplikaci Nimbora Backup. Tento průvodce vás připojí k serveru a pomůže vám vybrat, co chcete zálohovat.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Uživatelské jméno pro proxy</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Připojit přes předávací službu LinkWarp</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Došlo k chybě (kód chyby: %1). Obraťte se na online podporu společnosti Zorvane.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>Cílová složka již na serveru neexistuje. Vyberte jiný cíl.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Příprava</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>K cílové složce máte pouze oprávnění ke čtení. Vyberte složku, do které můžete zapisovat.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Zastaveno kvůli chybě</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Je k dispozici nová verze. Aktualizujte ji kliknutím.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Jen pro čtení</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>Správce vypnul automatické přihlašování. Přihlaste se ručně.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>Vybraná složka se překrývá se složkou, která se již zálohuje. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Upřesnit</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Zpracování souborů: %1...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Vyloučené složky</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>Nemáte oprávnění k zápisu do sdílené složky na serveru. Požádejte správce o přístup.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Soubory s těmito příponami se nezálohují:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Nesprávné uživatelské jméno nebo heslo.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Databázi Nimbora se nepodařilo aktualizovat. Chcete-li obnovit synchronizaci, restartujte nebo přeinstalujte aplikaci Nimbora Backup.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Hledání serverů v místní síti...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Spustit nyní</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Zpracovává se %1...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxy server vyžaduje ověření</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Nastavení zálohovaných složek</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Na serveru nelze vytvořit relaci. Přihlaste se znovu.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Aplikace Nimbora Backup je připravena.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Tato verze aplikace Nimbora Backup je pro server příliš stará. Aktualizujte aplikaci Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Vyloučené typy souborů</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Uplatňování nastavení...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Probíhá aktualizace...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Najít servery v místní síti</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Spouštět aplikaci Nimbora Backup po přihlášení</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Zkontrolujte níže uvedená nastavení a poté kliknutím na „Dokončit“ spusťte zálohování.</translation>
    </message>
</context>
</TS>
