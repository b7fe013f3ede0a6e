<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Senaste säkerhetskopiering: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Säkerhetskopiera filer och mappar med prefixet %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Ange ditt lösenord för att fortsätta.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>Det sparade anslutnings-ID:t är inte längre giltigt. Logga in igen med din serveradress.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Det går inte att säkerhetskopiera den valda mappen. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Ange adressen till din server för säkerhetskopiering och det konto du vill logga in med.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>Riktningen för säkerhetskopieringen i den här uppgiften stämmer inte med inställningarna på servern. Konfigurera uppgiften på nytt.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Ange verifieringskoden från din autentiseringsapp:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>Den delade mappen %1 har nått sin kvot. Frigör utrymme på servern eller be administratören att höja kvoten.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Ej betrott SSL-certifikat</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Anslutning</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Välj vilka mappar på den här datorn som ska säkerhetskopieras och var de ska lagras på servern.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Slutförd</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>Målet för säkerhetskopieringen på servern har ändrats. Kontrollera dina inställningar för säkerhetskopiering.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>Det går inte att hitta den lokala mappen %1. Anslut enheten igen eller välj mappen på nytt.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradress</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Behöver du hjälp att komma igång? Klicka på ”Hjälp” för att öppna användarhandboken.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>Den lokala databasen är skadad. Starta om Nimbora Backup.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Dina filer – tryggt säkerhetskopierade.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Använd en enfärgad ikon i meddelandefältet</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>Den delade mappen på servern är inte monterad. Montera den och försök igen.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Öppna Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>Servern skickade ett svar som inte kunde tolkas. Uppdatera Nimbora Backup och försök igen.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>Enheten med mappen som säkerhetskopieras är inte monterad. Anslut enheten och försök igen.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koppla bort</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Disken är full. Frigör lite utrymme och försök igen.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Uppdaterad</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>Det finns inte tillräckligt med ledigt utrymme på disken där den valda mappen finns. Frigör utrymme eller välj en annan mapp.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Med ensamrätt. Detta program skyddas av upphovsrättslagar och internationella avtal. Obehörig kopiering eller spridning av detta program eller någon del av det kan leda till civilrättsliga och straffrättsliga påföljder.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>Säkerhetskopieringen misslyckades. Kontrollera att servern går att nå och försök igen.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sökväg</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfiguration</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Mål för säkerhetskopiering</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Det här kontot använder tvåstegsverifiering. Ange din verifieringskod.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Vill du koppla bort den här datorn från servern? Säkerhetskopieringen stoppas; dina filer på den här datorn och på servern behålls.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Nimbora Backup förbereds...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Ingen mapp är vald. Välj minst en mapp att säkerhetskopiera.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Använd systemets proxyinställningar</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Byt mapp</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Källa för säkerhetskopiering</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Ange användarnamnet för proxyn.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>Serverns SSL-certifikat har ändrats sedan du senast anslöt. Fortsätt bara om du litar på den här servern.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kopplar bort...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Använd SSL för att kryptera anslutningen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivitet</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>Den valda mappen är skrivskyddad. Nimbora Backup kan säkerhetskopiera den men kan inte återställa filer till den.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>Du har bara läsbehörighet till den här mappen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Uppdatera nu</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Starta om %1 för att tillämpa de nya språkinställningarna.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Ange ett portnummer mellan 1 och 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laddar upp</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>SSL-certifikatet har ändrats.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>Din IP-adress får inte ansluta till den här servern. Kontakta administratören.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testar anslutningen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Det gick inte att upprätta en säker anslutning till servern: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Inte nu</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Anslut till din server</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>Verifieringskoden är felaktig. Ange den aktuella koden från din autentiseringsapp.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>Det finns redan en mapp med det här namnet på målet. Välj ett annat namn.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup sparar kopior av de mappar du väljer på din server och uppdaterar dem när dina filer ändras.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Ansluter...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiverad</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>Du har inte behörighet till den valda mappen. Välj en annan mapp eller be administratören om åtkomst.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Din lagringskvot på servern är förbrukad. Frigör utrymme eller be administratören att höja din kvot.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dubbelklicka för att redigera filnamnstillägget.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximal filstorlek (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Säkerhetskopierar...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>Målet har nått sin lagringskvot. Frigör utrymme på servern eller välj ett annat mål.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>För många misslyckade inloggningsförsök. Vänta några minuter och försök igen.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB innebär ingen gräns.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Ett oväntat fel inträffade. Starta om Nimbora Backup.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Det gick inte att starta Nimbora Backup. Starta om datorn eller installera om Nimbora Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>Säkerhetskopieringsuppgiften på servern tillhör inte den här datorn. Konfigurera säkerhetskopieringen på nytt.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Välj den mapp på servern där din säkerhetskopia lagras.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>Testinloggningen misslyckades. Kontrollera användarnamn och lösenord.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Lita på och fortsätt</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Välj de mappar på den här datorn som du vill säkerhetskopiera.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Administratören kräver tvåstegsverifiering för det här kontot. Aktivera den i webbläsaren och logga sedan in igen.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Ange proxyns adress och port.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Ditt konto har inaktiverats. Kontakta administratören.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>En annan dator säkerhetskopierar redan till det här målet. Välj ett annat mål så att dess filer inte skrivs över.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Ingen av de valda mapparna kan säkerhetskopieras. Kontrollera att de finns och att du har läsbehörighet till dem.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Filen används</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>Serverprogramvaran är för gammal för den här versionen av Nimbora Backup. Be administratören att uppdatera servern.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Välj en mapp på den här datorn</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Ange en filstorlek mellan 0 och 10240000 MB, där 0 MB innebär obegränsad storlek.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Behåll filer på servern när de tas bort på den här datorn</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Anslutningen misslyckades. Kontrollera nätverksinställningarna och försök igen.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Välj mappar att säkerhetskopiera</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Några av de valda mapparna är skrivskyddade. Filerna i dem kan säkerhetskopieras men inte återställas till dem. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adress</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Säkerhetsvarning</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Väntar</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Hämtar uppdateringen...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Välkommen till Nimbora Backup. Den här guiden ansluter dig till din server och hjälper dig att välja vad som ska säkerhetskopieras.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Användarnamn för proxy</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Anslut via LinkWarp-reläet</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Ett fel inträffade (felkod: %1). Kontakta Zorvanes kundtjänst online för att få hjälp.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>Målmappen finns inte längre på servern. Välj ett annat mål.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Förbereder</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>Du har bara läsbehörighet till målmappen. Välj en mapp som du kan skriva till.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Stoppad på grund av ett fel</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>En ny version är tillgänglig. Klicka för att uppdatera.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivskyddad</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>Administratören har inaktiverat automatisk inloggning. Logga in manuellt.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>Den valda mappen överlappar en mapp som redan säkerhetskopieras. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Bearbetar %1 fil(er)...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Undantagna mappar</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>Du har inte behörighet att skriva till den delade mappen på servern. Be administratören om åtkomst.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med de här filnamnstilläggen säkerhetskopieras inte:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Fel användarnamn eller lösenord.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Det gick inte att uppdatera Nimbora-databasen. Starta om eller installera om Nimbora Backup för att återuppta synkroniseringen.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Söker efter servrar i det lokala nätverket...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Starta nu</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Bearbetar %1...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyservern kräver autentisering</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Konfigurera mappar för säkerhetskopiering</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Det gick inte att skapa en session på servern. Logga in igen.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup är redo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Den här versionen av Nimbora Backup är för gammal för servern. Uppdatera Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Undantagna filtyper</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Tillämpar inställningar...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Uppdaterar...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Hitta servrar i det lokala nätverket</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Starta Nimbora Backup när jag loggar in</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Kontrollera inställningarna nedan och klicka sedan på ”Klar” för att starta säkerhetskopieringen.</translation>
    </message>
</context>
</TS>
