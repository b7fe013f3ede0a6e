<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Seneste sikkerhedskopiering: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Sikkerhedskopiér filer og mapper med præfikset %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Indtast din adgangskode for at fortsætte.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>Det gemte forbindelses-ID er ikke længere gyldigt. Log på igen med din serveradresse.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Den valgte mappe kan ikke sikkerhedskopieres. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Angiv adressen på din server til sikkerhedskopiering og den konto, du vil logge på med.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Brugernavn</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>Retningen for sikkerhedskopieringen i denne opgave stemmer ikke overens med indstillingerne på serveren. Konfigurer opgaven igen.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Indtast bekræftelseskoden fra din godkendelsesapp:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>Den delte mappe %1 har nået sin kvote. Frigør plads på serveren, eller bed din administrator om at hæve kvoten.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Ikke-betroet SSL-certifikat</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Forbindelse</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Færdig</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Vælg de mapper på denne computer, der skal sikkerhedskopieres, og hvor de skal gemmes på serveren.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fuldført</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>Destinationen for sikkerhedskopieringen på serveren er ændret. Kontrollér dine indstillinger for sikkerhedskopiering.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>Den lokale mappe %1 blev ikke fundet. Tilslut mappens drev igen, eller vælg mappen på ny.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Brug for hjælp til at komme i gang? Klik på »Hjælp« for at åbne brugervejledningen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>Den lokale database er beskadiget. Genstart Nimbora Backup.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Dine filer – trygt sikkerhedskopieret.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Brug et ensfarvet ikon i systembakken</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>Den delte mappe på serveren er ikke monteret. Montér den, og prøv igen.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremskridt</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Åbn Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>Serveren sendte et svar, der ikke kunne forstås. Opdater Nimbora Backup, og prøv igen.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>Drevet med mappen til sikkerhedskopiering er ikke monteret. Tilslut drevet, og prøv igen.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Fjern tilknytning</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Disken er fuld. Frigør noget plads, og prøv igen.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Opdateret</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>Der er ikke nok ledig plads på den disk, hvor den valgte mappe ligger. Frigør plads, eller vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Alle rettigheder forbeholdes. Dette program er beskyttet af lov om ophavsret og internationale traktater. Uautoriseret kopiering eller distribution af dette program eller dele heraf kan medføre civilretligt og strafferetligt ansvar.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>Sikkerhedskopieringen mislykkedes. Kontrollér, at serveren kan nås, og prøv igen.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sti</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuel proxykonfiguration</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Destination for sikkerhedskopiering</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Denne konto bruger totrinsbekræftelse. Indtast din bekræftelseskode.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Vil du fjerne denne computers tilknytning til serveren? Sikkerhedskopieringen stopper; dine filer på denne computer og på serveren bevares.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Genoptag</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Nimbora Backup gøres klar...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Der er ikke valgt nogen mappe. Vælg mindst én mappe, der skal sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Brug systemets proxyindstillinger</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Skift mappe</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Kilde til sikkerhedskopiering</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Indtast brugernavnet til proxyen.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>Serverens SSL-certifikat er ændret, siden du sidst oprettede forbindelse. Fortsæt kun, hvis du har tillid til denne server.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Fjerner tilknytning...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Brug SSL til at kryptere forbindelsen</translation>
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
        <translation>Sæt på pause</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>Den valgte mappe er skrivebeskyttet. Nimbora Backup kan sikkerhedskopiere den, men kan ikke gendanne filer i den.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>Du har kun læseadgang til denne mappe.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sat på pause</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Opdater nu</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Genstart %1 for at anvende de nye sprogindstillinger.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Indtast et portnummer mellem 1 og 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Overfører</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>SSL-certifikatet er blevet ændret.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>Din IP-adresse har ikke tilladelse til at oprette forbindelse til denne server. Kontakt din administrator.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Tester forbindelsen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Der kunne ikke oprettes en sikker forbindelse til serveren: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ikke nu</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Opret forbindelse til din server</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>Bekræftelseskoden er forkert. Indtast den aktuelle kode fra din godkendelsesapp.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>Der findes allerede en mappe med dette navn på destinationen. Vælg et andet navn.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup gemmer kopier af de mapper, du vælger, på din server og opdaterer dem, hver gang dine filer ændres.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Opretter forbindelse...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiveret</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>Du har ikke adgang til den valgte mappe. Vælg en anden mappe, eller bed din administrator om adgang.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Din lagerkvote på serveren er brugt op. Frigør plads, eller bed din administrator om at hæve din kvote.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dobbeltklik for at redigere filtypenavnet.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maksimal filstørrelse (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhedskopierer...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>Destinationen har nået sin lagerkvote. Frigør plads på serveren, eller vælg en anden destination.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>For mange mislykkede loginforsøg. Vent et par minutter, og prøv igen.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB betyder ingen grænse.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Der opstod en uventet fejl. Genstart Nimbora Backup.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Nimbora Backup kunne ikke starte. Genstart computeren, eller geninstaller Nimbora Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>Sikkerhedskopieringsopgaven på serveren tilhører ikke denne computer. Konfigurer sikkerhedskopieringen igen.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Vælg den mappe på serveren, hvor din sikkerhedskopi gemmes.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>Testlogin mislykkedes. Kontrollér dit brugernavn og din adgangskode.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Stol på og fortsæt</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Vælg de mapper på denne computer, som du vil sikkerhedskopiere.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Din administrator kræver totrinsbekræftelse for denne konto. Slå den til i din webbrowser, og log derefter på igen.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Indtast proxyens adresse og port.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Din konto er deaktiveret. Kontakt din administrator.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>En anden computer sikkerhedskopierer allerede til denne destination. Vælg en anden destination, så dens filer ikke overskrives.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Ingen af de valgte mapper kan sikkerhedskopieres. Kontrollér, at de findes, og at du har læseadgang til dem.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Filen er i brug</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>Serversoftwaren er for gammel til denne version af Nimbora Backup. Bed din administrator om at opdatere serveren.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Vælg en mappe på denne computer</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Angiv en filstørrelse mellem 0 og 10240000 MB, hvor 0 MB betyder ubegrænset.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Behold filer på serveren, når de slettes på denne computer</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Forbindelsen mislykkedes. Kontrollér dine netværksindstillinger, og prøv igen.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Vælg mapper, der skal sikkerhedskopieres</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Nogle af de valgte mapper er skrivebeskyttede. Deres filer kan sikkerhedskopieres, men ikke gendannes i dem. Vil du fortsætte?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sikkerhedsadvarsel</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Henter opdateringen...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Velkommen til Nimbora Backup. Denne guide forbinder dig med din server og hjælper dig med at vælge, hvad der skal sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Brugernavn til proxy</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Opret forbindelse via LinkWarp-relæet</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Der opstod en fejl (fejlkode: %1). Kontakt Zorvanes kundeservice online for at få hjælp.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>Destinationsmappen findes ikke længere på serveren. Vælg en anden destination.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Oversigt</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Forbereder</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>Du har kun læseadgang til destinationsmappen. Vælg en mappe, du kan skrive til.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Stoppet på grund af en fejl</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Der er en ny version tilgængelig. Klik for at opdatere.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>Din administrator har slået automatisk login fra. Log på manuelt.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>Den valgte mappe overlapper en mappe, der allerede sikkerhedskopieres. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanceret</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Behandler %1 fil(er)...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Udeladte mapper</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>Du har ikke tilladelse til at skrive til den delte mappe på serveren. Bed din administrator om adgang.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med disse filtypenavne sikkerhedskopieres ikke:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Forkert brugernavn eller adgangskode.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Nimbora-databasen kunne ikke opdateres. Genstart eller geninstaller Nimbora Backup for at genoptage synkroniseringen.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Søger efter servere på det lokale netværk...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start nu</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Behandler %1...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyserveren kræver godkendelse</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Konfigurer mapper til sikkerhedskopiering</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Der kunne ikke oprettes en session på serveren. Log på igen.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup er klar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Denne version af Nimbora Backup er for gammel til serveren. Opdater Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Udeladte filtyper</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Anvender indstillinger...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Opdaterer...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Find servere på det lokale netværk</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Start Nimbora Backup, når jeg logger på</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Kontrollér indstillingerne nedenfor, og klik derefter på »Færdig« for at starte sikkerhedskopieringen.</translation>
    </message>
</context>
</TS>
