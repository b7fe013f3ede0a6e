<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Utolsó biztonsági mentés: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>A(z) %1 előtagú fájlok és mappák biztonsági mentése.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>A folytatáshoz adja meg a jelszavát.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>A mentett kapcsolatazonosító már nem érvényes. Jelentkezzen be újra a kiszolgáló címével.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>A kijelölt mappáról nem készíthető biztonsági mentés. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Adja meg a biztonsági mentést tároló kiszolgáló címét és a bejelentkezéshez használt fiókot.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>A feladat biztonsági mentési iránya nem egyezik a kiszolgáló beállításaival. Állítsa be újra a feladatot.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Adja meg a hitelesítő alkalmazásban látható ellenőrző kódot:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>A(z) %1 megosztott mappa elérte a kvótáját. Szabadítson fel helyet a kiszolgálón, vagy kérje meg a rendszergazdát a kvóta növelésére.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Nem megbízható SSL-tanúsítvány</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Válassza ki, mely mappákról készüljön biztonsági mentés ezen a számítógépen, és hová kerüljenek a kiszolgálón.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Befejezve</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>A biztonsági mentés célhelye megváltozott a kiszolgálón. Ellenőrizze a biztonsági mentés beállításait.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>A(z) %1 helyi mappa nem található. Csatlakoztassa újra a mappát tartalmazó meghajtót, vagy válassza ki ismét a mappát.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Kiszolgáló címe</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Segítségre van szüksége az induláshoz? A felhasználói útmutató megnyitásához kattintson a „Súgó” gombra.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>A helyi adatbázis megsérült. Indítsa újra a Nimbora Backup alkalmazást.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Fájljai biztonságosan elmentve.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Egyszínű ikon használata az értesítési területen</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>A kiszolgálón lévő megosztott mappa nincs csatlakoztatva. Csatlakoztassa, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Előrehaladás</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>A Nimbora Backup megnyitása</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>A kiszolgáló értelmezhetetlen választ küldött. Frissítse a Nimbora Backup alkalmazást, majd próbálja újra.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>A mentett mappát tartalmazó meghajtó nincs csatlakoztatva. Csatlakoztassa a meghajtót, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>A lemez megtelt. Szabadítson fel egy kis helyet, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Naprakész</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>Nincs elég szabad hely a kijelölt mappát tartalmazó lemezen. Szabadítson fel helyet, vagy válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Minden jog fenntartva. Ezt a programot a szerzői jogi törvény és nemzetközi egyezmények védik. A program vagy bármely részének jogosulatlan másolása vagy terjesztése polgári jogi és büntetőjogi következményekkel járhat.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>A biztonsági mentés sikertelen. Ellenőrizze, hogy a kiszolgáló elérhető-e, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Elérési út</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Kézi proxybeállítás</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Biztonsági mentés célhelye</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Ez a fiók kétlépcsős azonosítást használ. Adja meg az ellenőrző kódot.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Leválasztja ezt a számítógépet a kiszolgálóról? A biztonsági mentés leáll; a fájlok ezen a számítógépen és a kiszolgálón is megmaradnak.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>A Nimbora Backup előkészítése...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Nincs kijelölt mappa. Jelöljön ki legalább egy mappát a biztonsági mentéshez.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>A rendszer proxybeállításainak használata</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Mappa módosítása</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Biztonsági mentés forrása</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Adja meg a proxy felhasználónevét.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Szűrő</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>A kiszolgáló SSL-tanúsítványa megváltozott a legutóbbi kapcsolódás óta. Csak akkor folytassa, ha megbízik ebben a kiszolgálóban.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Leválasztás...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>A kapcsolat titkosítása SSL-lel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Tevékenység</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>A kijelölt mappa írásvédett. A Nimbora Backup készíthet róla biztonsági mentést, de fájlokat nem tud visszaállítani bele.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>Ehhez a mappához csak olvasási joga van.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szüneteltetve</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Frissítés most</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Az új nyelvi beállítások alkalmazásához indítsa újra a(z) %1 alkalmazást.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Adjon meg egy 1 és 65535 közötti portszámot.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Feltöltés</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>Az SSL-tanúsítvány megváltozott.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>Az Ön IP-címéről nem engedélyezett a kapcsolódás ehhez a kiszolgálóhoz. Forduljon a rendszergazdához.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>A kapcsolat tesztelése...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Nem sikerült biztonságos kapcsolatot létesíteni a kiszolgálóval: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Most nem</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Kapcsolódás a kiszolgálóhoz</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>Az ellenőrző kód helytelen. Adja meg a hitelesítő alkalmazásban látható aktuális kódot.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kiválasztás</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>A célhelyen már létezik ilyen nevű mappa. Válasszon másik nevet.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>A Nimbora Backup a kiszolgálón másolatot tárol a kiválasztott mappákról, és frissíti azokat, valahányszor a fájlok megváltoznak.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kapcsolódás...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Engedélyezve</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>Nincs jogosultsága a kijelölt mappa eléréséhez. Válasszon másik mappát, vagy kérjen hozzáférést a rendszergazdától.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Elfogyott a tárhelykvótája a kiszolgálón. Szabadítson fel helyet, vagy kérje meg a rendszergazdát a kvóta növelésére.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>A fájlkiterjesztés szerkesztéséhez kattintson rá duplán.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximális fájlméret (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Biztonsági mentés folyamatban...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>A célhely elérte a tárhelykvótáját. Szabadítson fel helyet a kiszolgálón, vagy válasszon másik célhelyet.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Túl sok sikertelen bejelentkezési kísérlet. Várjon néhány percet, majd próbálja újra.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>A 0 MB azt jelenti, hogy nincs korlát.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Váratlan hiba történt. Indítsa újra a Nimbora Backup alkalmazást.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>A Nimbora Backup nem tudott elindulni. Indítsa újra a számítógépet, vagy telepítse újra a Nimbora Backup alkalmazást.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>A kiszolgálón lévő biztonsági mentési feladat nem ehhez a számítógéphez tartozik. Állítsa be újra a biztonsági mentést.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Válassza ki azt a mappát a kiszolgálón, amelyben a biztonsági mentés tárolódik.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>A próbabejelentkezés sikertelen. Ellenőrizze a felhasználónevet és a jelszót.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>A rendszer alapértelmezése</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Elfogadás és folytatás</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Válassza ki, mely mappákról szeretne biztonsági mentést készíteni ezen a számítógépen.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>A rendszergazda kétlépcsős azonosítást ír elő ehhez a fiókhoz. Kapcsolja be a webböngészőben, majd jelentkezzen be újra.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Adja meg a proxy címét és portját.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>A fiókját letiltották. Forduljon a rendszergazdához.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>Erre a célhelyre már egy másik számítógép készít biztonsági mentést. Válasszon másik célhelyet, hogy annak fájljai ne íródjanak felül.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>A kijelölt mappák egyikéről sem készíthető biztonsági mentés. Ellenőrizze, hogy léteznek-e, és van-e olvasási joga hozzájuk.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>A fájl használatban van</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nincs proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>A kiszolgálószoftver túl régi a Nimbora Backup ezen verziójához. Kérje meg a rendszergazdát a kiszolgáló frissítésére.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Mappa kiválasztása ezen a számítógépen</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Adjon meg egy 0 és 10240000 MB közötti fájlméretet; a 0 MB korlátlant jelent.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>A fájlok megtartása a kiszolgálón, ha ezen a számítógépen törlik őket</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>A kapcsolódás sikertelen. Ellenőrizze a hálózati beállításokat, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Mentendő mappák kiválasztása</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>A kijelölt mappák közül néhány írásvédett. A bennük lévő fájlokról készíthető biztonsági mentés, de beléjük nem állíthatók vissza. Folytatja?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Cím</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Biztonsági figyelmeztetés</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Várakozás</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>A frissítés letöltése...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Üdvözli a Nimbora Backup. Ez a varázsló csatlakoztatja Önt a kiszolgálóhoz, és segít kiválasztani, miről készüljön biztonsági mentés.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Proxyfelhasználónév</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Kapcsolódás a LinkWarp közvetítőszolgáltatáson keresztül</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Fiók</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Hiba történt (hibakód: %1). Segítségért forduljon a Zorvane online ügyfélszolgálatához.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>A célmappa már nem létezik a kiszolgálón. Válasszon másik célhelyet.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Összegzés</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Előkészítés</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>A célmappához csak olvasási joga van. Válasszon olyan mappát, amelybe írhat.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Hiba miatt leállt</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Új verzió érhető el. Kattintson ide a frissítéshez.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Írásvédett</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>A rendszergazda kikapcsolta az automatikus bejelentkezést. Jelentkezzen be manuálisan.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>A kijelölt mappa átfedésben van egy már mentett mappával. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Speciális</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 fájl feldolgozása...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Kizárt mappák</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>Nincs írási jogosultsága a kiszolgálón lévő megosztott mappához. Kérjen hozzáférést a rendszergazdától.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Az alábbi kiterjesztésű fájlokról nem készül biztonsági mentés:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Helytelen felhasználónév vagy jelszó.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Nem sikerült frissíteni a Nimbora-adatbázist. A szinkronizálás folytatásához indítsa újra vagy telepítse újra a Nimbora Backup alkalmazást.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Kiszolgálók keresése a helyi hálózaton...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Indítás most</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>%1 feldolgozása...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>A proxykiszolgáló hitelesítést kér</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Kiszolgáló</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Mentendő mappák beállítása</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Nem sikerült munkamenetet létrehozni a kiszolgálón. Jelentkezzen be újra.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>A Nimbora Backup használatra kész.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>A Nimbora Backup ezen verziója túl régi a kiszolgálóhoz. Frissítse a Nimbora Backup alkalmazást.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Kizárt fájltípusok</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Beállítások alkalmazása...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Frissítés...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Kiszolgálók keresése a helyi hálózaton</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>A Nimbora Backup indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Ellenőrizze az alábbi beállításokat, majd kattintson a „Kész” gombra a biztonsági mentés elindításához.</translation>
    </message>
</context>
</TS>
