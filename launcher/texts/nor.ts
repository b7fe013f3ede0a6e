<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Siste sikkerhetskopiering: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Sikkerhetskopier filer og mapper med prefikset %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Skriv inn passordet ditt for å fortsette.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>Den lagrede tilkoblings-ID-en er ikke lenger gyldig. Logg på igjen med serveradressen din.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Den valgte mappen kan ikke sikkerhetskopieres. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Skriv inn adressen til serveren for sikkerhetskopiering og kontoen du vil logge på med.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Brukernavn</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>Retningen for sikkerhetskopieringen i denne oppgaven samsvarer ikke med innstillingene på serveren. Konfigurer oppgaven på nytt.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Skriv inn bekreftelseskoden fra autentiseringsappen din:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>Den delte mappen %1 har nådd kvoten sin. Frigjør plass på serveren, eller be administratoren om å øke kvoten.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Ikke-klarert SSL-sertifikat</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Tilkobling</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Velg mappene på denne datamaskinen som skal sikkerhetskopieres, og hvor de skal lagres på serveren.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fullført</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>Målet for sikkerhetskopieringen på serveren er endret. Kontroller innstillingene for sikkerhetskopiering.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>Finner ikke den lokale mappen %1. Koble stasjonen til igjen, eller velg mappen på nytt.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Trenger du hjelp til å komme i gang? Klikk på «Hjelp» for å åpne brukerveiledningen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>Den lokale databasen er skadet. Start Nimbora Backup på nytt.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Filene dine – trygt sikkerhetskopiert.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Bruk et ensfarget ikon i systemstatusfeltet</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>Den delte mappen på serveren er ikke montert. Monter den, og prøv igjen.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Åpne Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>Serveren sendte et svar som ikke kunne tolkes. Oppdater Nimbora Backup, og prøv igjen.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>Stasjonen med mappen som sikkerhetskopieres, er ikke montert. Koble til stasjonen, og prøv igjen.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koble fra</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Disken er full. Frigjør litt plass, og prøv igjen.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Oppdatert</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>Det er ikke nok ledig plass på disken der den valgte mappen ligger. Frigjør plass, eller velg en annen mappe.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Med enerett. Dette programmet er beskyttet av lover om opphavsrett og internasjonale avtaler. Uautorisert kopiering eller distribusjon av dette programmet eller deler av det kan føre til sivilrettslig og strafferettslig ansvar.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>Sikkerhetskopieringen mislyktes. Kontroller at serveren kan nås, og prøv igjen.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Bane</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfigurasjon</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Mål for sikkerhetskopiering</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Denne kontoen bruker totrinnsbekreftelse. Skriv inn bekreftelseskoden din.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Vil du koble denne datamaskinen fra serveren? Sikkerhetskopieringen stopper; filene dine på denne datamaskinen og på serveren beholdes.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Gjenoppta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Nimbora Backup gjøres klar...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Ingen mappe er valgt. Velg minst én mappe som skal sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Bruk systemets proxyinnstillinger</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Bytt mappe</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Kilde for sikkerhetskopiering</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Skriv inn brukernavnet for proxyen.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>Serverens SSL-sertifikat er endret siden forrige gang du koblet til. Fortsett bare hvis du stoler på denne serveren.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kobler fra...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Bruk SSL til å kryptere tilkoblingen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versjon %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivitet</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sett på pause</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>Den valgte mappen er skrivebeskyttet. Nimbora Backup kan sikkerhetskopiere den, men kan ikke gjenopprette filer til den.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>Du har bare lesetilgang til denne mappen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Satt på pause</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Oppdater nå</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Start %1 på nytt for å ta i bruk de nye språkinnstillingene.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Skriv inn et portnummer mellom 1 og 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laster opp</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>SSL-sertifikatet er endret.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>IP-adressen din har ikke tillatelse til å koble til denne serveren. Kontakt administratoren.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Tester tilkoblingen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Kunne ikke opprette en sikker tilkobling til serveren: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ikke nå</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Koble til serveren din</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>Bekreftelseskoden er feil. Skriv inn gjeldende kode fra autentiseringsappen din.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>Det finnes allerede en mappe med dette navnet i målet. Velg et annet navn.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup lagrer kopier av mappene du velger, på serveren din og oppdaterer dem hver gang filene dine endres.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kobler til...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktivert</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>Du har ikke tilgang til den valgte mappen. Velg en annen mappe, eller be administratoren om tilgang.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Lagringskvoten din på serveren er brukt opp. Frigjør plass, eller be administratoren om å øke kvoten din.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dobbeltklikk for å redigere filendelsen.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maksimal filstørrelse (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhetskopierer...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>Målet har nådd lagringskvoten sin. Frigjør plass på serveren, eller velg et annet mål.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>For mange mislykkede påloggingsforsøk. Vent noen minutter, og prøv igjen.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB betyr ingen grense.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Det oppstod en uventet feil. Start Nimbora Backup på nytt.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Nimbora Backup kunne ikke starte. Start datamaskinen på nytt, eller installer Nimbora Backup på nytt.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>Sikkerhetskopieringsoppgaven på serveren tilhører ikke denne datamaskinen. Konfigurer sikkerhetskopieringen på nytt.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Velg mappen på serveren der sikkerhetskopien din lagres.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>Testpåloggingen mislyktes. Kontroller brukernavnet og passordet.</translation>
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
        <translation>Stol på og fortsett</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Velg mappene på denne datamaskinen som du vil sikkerhetskopiere.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Administratoren krever totrinnsbekreftelse for denne kontoen. Slå den på i nettleseren, og logg deretter på igjen.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Skriv inn adressen og porten til proxyen.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Kontoen din er deaktivert. Kontakt administratoren.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>En annen datamaskin sikkerhetskopierer allerede til dette målet. Velg et annet mål, slik at filene til den andre datamaskinen ikke blir overskrevet.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Ingen av de valgte mappene kan sikkerhetskopieres. Kontroller at de finnes, og at du har lesetilgang til dem.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Filen er i bruk</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>Serverprogramvaren er for gammel for denne versjonen av Nimbora Backup. Be administratoren om å oppdatere serveren.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Velg en mappe på denne datamaskinen</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Angi en filstørrelse mellom 0 og 10240000 MB, der 0 MB betyr ubegrenset.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Behold filer på serveren når de slettes på denne datamaskinen</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Tilkoblingen mislyktes. Kontroller nettverksinnstillingene, og prøv igjen.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Velg mapper som skal sikkerhetskopieres</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Noen av de valgte mappene er skrivebeskyttet. Filene i dem kan sikkerhetskopieres, men ikke gjenopprettes til dem. Vil du fortsette?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sikkerhetsadvarsel</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Laster ned oppdateringen...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Velkommen til Nimbora Backup. Denne veiviseren kobler deg til serveren din og hjelper deg med å velge hva som skal sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Brukernavn for proxy</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Koble til via LinkWarp-reléet</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Det oppstod en feil (feilkode: %1). Kontakt Zorvanes nettbaserte kundestøtte for å få hjelp.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>Målmappen finnes ikke lenger på serveren. Velg et annet mål.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammendrag</translation>
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
        <translation>Du har bare lesetilgang til målmappen. Velg en mappe du kan skrive til.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Stoppet på grunn av en feil</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>En ny versjon er tilgjengelig. Klikk for å oppdatere.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>Administratoren har slått av automatisk pålogging. Logg på manuelt.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>Den valgte mappen overlapper en mappe som allerede sikkerhetskopieres. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansert</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Behandler %1 fil(er)...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Utelatte mapper</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>Du har ikke tillatelse til å skrive til den delte mappen på serveren. Be administratoren om tilgang.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med disse filendelsene sikkerhetskopieres ikke:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Feil brukernavn eller passord.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Kunne ikke oppdatere Nimbora-databasen. Start Nimbora Backup på nytt, eller installer programmet på nytt for å gjenoppta synkroniseringen.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Søker etter servere på det lokale nettverket...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start nå</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Behandler %1...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyserveren krever autentisering</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Konfigurer mapper for sikkerhetskopiering</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Kunne ikke opprette en økt på serveren. Logg på igjen.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup er klar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Denne versjonen av Nimbora Backup er for gammel for serveren. Oppdater Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Utelatte filtyper</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Tar i bruk innstillingene...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Oppdaterer...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Finn servere på det lokale nettverket</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Start Nimbora Backup når jeg logger på</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Kontroller innstillingene nedenfor, og klikk deretter på «Ferdig» for å starte sikkerhetskopieringen.</translation>
    </message>
</context>
</TS>
