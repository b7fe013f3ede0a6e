<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Laatste back-up: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Een back-up maken van bestanden en mappen met het voorvoegsel %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Voer uw wachtwoord in om door te gaan.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>De opgeslagen verbindings-ID is niet meer geldig. Meld u opnieuw aan met uw serveradres.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Van de geselecteerde map kan geen back-up worden gemaakt. Kies een andere map.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Voer het adres van uw back-upserver in en het account waarmee u zich wilt aanmelden.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>De back-uprichting van deze taak komt niet overeen met de instellingen op de server. Stel de taak opnieuw in.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Voer de verificatiecode uit uw authenticatie-app in:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>De gedeelde map %1 heeft het quotum bereikt. Maak ruimte vrij op de server of vraag uw beheerder het quotum te verhogen.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Niet-vertrouwd SSL-certificaat</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Voltooien</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Kies de mappen op deze computer waarvan u een back-up wilt maken en waar u ze op de server wilt opslaan.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>De back-upbestemming op de server is gewijzigd. Controleer uw back-upinstellingen.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>De lokale map %1 kan niet worden gevonden. Sluit het bijbehorende station opnieuw aan of kies de map opnieuw.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradres</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Hulp nodig om te beginnen? Klik op “Help” om de gebruikershandleiding te openen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>De lokale database is beschadigd. Start Nimbora Backup opnieuw.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Uw bestanden, veilig bewaard.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Monochroom pictogram in het systeemvak gebruiken</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>De gedeelde map op de server is niet gekoppeld. Koppel de map en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Nimbora Backup openen</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>De server heeft een antwoord gestuurd dat niet kan worden verwerkt. Werk Nimbora Backup bij en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>Het station met de back-upmap is niet gekoppeld. Sluit het station aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Ontkoppelen</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>De schijf is vol. Maak ruimte vrij en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Bijgewerkt</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>Er is onvoldoende vrije ruimte op de schijf van de geselecteerde map. Maak ruimte vrij of kies een andere map.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Alle rechten voorbehouden. Dit programma wordt beschermd door de auteurswet en internationale verdragen. Het zonder toestemming kopiëren of verspreiden van dit programma, of van enig deel ervan, kan leiden tot civielrechtelijke en strafrechtelijke sancties.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>Back-up mislukt. Controleer of de server bereikbaar is en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Handmatige proxyconfiguratie</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Back-upbestemming</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Dit account gebruikt verificatie in twee stappen. Voer uw verificatiecode in.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Deze computer ontkoppelen van de server? De back-up stopt; uw bestanden op deze computer en op de server blijven behouden.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Nimbora Backup wordt gestart...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Er is geen map geselecteerd. Selecteer ten minste één map voor de back-up.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Proxyinstellingen van het systeem gebruiken</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Andere map kiezen</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Back-upbron</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Voer de gebruikersnaam voor de proxy in.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>Het SSL-certificaat van de server is gewijzigd sinds uw laatste verbinding. Ga alleen verder als u deze server vertrouwt.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Ontkoppelen...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>SSL gebruiken om de verbinding te versleutelen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activiteit</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>De geselecteerde map is alleen-lezen. Nimbora Backup kan er een back-up van maken, maar kan er geen bestanden in terugzetten.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>U hebt alleen leestoegang tot deze map.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Nu bijwerken</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Start %1 opnieuw om de nieuwe taalinstellingen toe te passen.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Voer een poortnummer tussen 1 en 65535 in.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploaden</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>Het SSL-certificaat is gewijzigd.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>Uw IP-adres mag geen verbinding maken met deze server. Neem contact op met uw beheerder.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verbinding testen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Er kan geen beveiligde verbinding met de server tot stand worden gebracht: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Verbinding maken met uw server</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>De verificatiecode is onjuist. Voer de huidige code uit uw authenticatie-app in.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>Op de bestemming bestaat al een map met deze naam. Kies een andere naam.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup bewaart op uw server kopieën van de mappen die u kiest en werkt ze bij zodra uw bestanden veranderen.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinding maken...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>U hebt geen toegang tot de geselecteerde map. Kies een andere map of vraag uw beheerder om toegang.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Uw opslagquotum op de server is opgebruikt. Maak ruimte vrij of vraag uw beheerder uw quotum te verhogen.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dubbelklik om de bestandsextensie te bewerken.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximale bestandsgrootte (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Back-up maken...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>De bestemming heeft het opslagquotum bereikt. Maak ruimte vrij op de server of kies een andere bestemming.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Te veel mislukte aanmeldpogingen. Wacht enkele minuten en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB betekent geen limiet.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Er is een onverwachte fout opgetreden. Start Nimbora Backup opnieuw.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Nimbora Backup kan niet worden gestart. Start uw computer opnieuw op of installeer Nimbora Backup opnieuw.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>De back-uptaak op de server hoort niet bij deze computer. Stel de back-up opnieuw in.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Selecteer de map op de server waarin uw back-up is opgeslagen.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>De aanmeldtest is mislukt. Controleer uw gebruikersnaam en wachtwoord.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Vertrouwen en doorgaan</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Kies de mappen op deze computer waarvan u een back-up wilt maken.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Uw beheerder vereist verificatie in twee stappen voor dit account. Schakel deze in via uw webbrowser en meld u daarna opnieuw aan.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Voer het adres en de poort van de proxy in.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Uw account is uitgeschakeld. Neem contact op met uw beheerder.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>Een andere computer maakt al back-ups naar deze bestemming. Kies een andere bestemming, zodat de bestanden van die computer niet worden overschreven.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Van geen van de geselecteerde mappen kan een back-up worden gemaakt. Controleer of ze bestaan en of u ze kunt lezen.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Bestand in gebruik</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Geen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>De serversoftware is te oud voor deze versie van Nimbora Backup. Vraag uw beheerder de server bij te werken.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Een map op deze computer selecteren</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Geef een bestandsgrootte op tussen 0 en 10240000 MB, waarbij 0 MB onbeperkt betekent.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Bestanden op de server bewaren wanneer ze op deze computer worden verwijderd</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Verbinding mislukt. Controleer uw netwerkinstellingen en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Mappen voor de back-up kiezen</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Sommige geselecteerde mappen zijn alleen-lezen. Van de bestanden kan een back-up worden gemaakt, maar ze kunnen niet in deze mappen worden teruggezet. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Beveiligingswaarschuwing</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wachten</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>De update wordt gedownload...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Welkom bij Nimbora Backup. Deze wizard verbindt u met uw server en helpt u te kiezen waarvan u een back-up wilt maken.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Gebruikersnaam voor de proxy</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Verbinding maken via de LinkWarp-relayservice</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Er is een fout opgetreden (foutcode: %1). Neem voor hulp contact op met de online ondersteuning van Zorvane.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>De doelmap bestaat niet meer op de server. Kies een andere bestemming.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Voorbereiden</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>U hebt alleen leestoegang tot de doelmap. Kies een map waarin u kunt schrijven.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Gestopt vanwege een fout</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Er is een nieuwe versie beschikbaar. Klik om bij te werken.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Alleen-lezen</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>Automatisch aanmelden is door uw beheerder uitgeschakeld. Meld u handmatig aan.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>De geselecteerde map overlapt met een map waarvan al een back-up wordt gemaakt. Kies een andere map.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 bestand(en) verwerken...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Uitgesloten mappen</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>U hebt geen schrijfrechten voor de gedeelde map op de server. Vraag uw beheerder om toegang.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Van bestanden met deze extensies wordt geen back-up gemaakt:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Onjuiste gebruikersnaam of onjuist wachtwoord.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Kan de Nimbora-database niet bijwerken. Start Nimbora Backup opnieuw of installeer het opnieuw om de synchronisatie te hervatten.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Zoeken naar servers in het lokale netwerk...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Nu starten</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>%1 verwerken...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>De proxyserver vereist verificatie</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Back-upmappen instellen</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Er kan geen sessie op de server worden gemaakt. Meld u opnieuw aan.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup is klaar voor gebruik.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Deze versie van Nimbora Backup is te oud voor de server. Werk Nimbora Backup bij.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Uitgesloten bestandstypen</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Instellingen toepassen...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Bijwerken...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Servers zoeken in het lokale netwerk</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Nimbora Backup starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Controleer de onderstaande instellingen en klik op “Voltooien” om de back-up te starten.</translation>
    </message>
</context>
</TS>
