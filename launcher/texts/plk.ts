<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Ostatnia kopia zapasowa: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Uwzględniaj w kopii zapasowej pliki i foldery z prefiksem %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Wprowadź hasło, aby kontynuować.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>Zapisany identyfikator połączenia jest już nieważny. Zaloguj się ponownie, podając adres serwera.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Nie można utworzyć kopii zapasowej wybranego folderu. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Wprowadź adres serwera kopii zapasowych i konto, na które chcesz się zalogować.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>Kierunek kopii zapasowej w tym zadaniu jest niezgodny z ustawieniami na serwerze. Skonfiguruj zadanie ponownie.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Wprowadź kod weryfikacyjny z aplikacji uwierzytelniającej:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>Folder udostępniony %1 osiągnął limit przestrzeni dyskowej. Zwolnij miejsce na serwerze lub poproś administratora o zwiększenie limitu.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Niezaufany certyfikat SSL</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Wybierz foldery na tym komputerze, których kopie zapasowe chcesz tworzyć, oraz miejsce ich przechowywania na serwerze.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>Miejsce docelowe kopii zapasowej na serwerze uległo zmianie. Sprawdź ustawienia kopii zapasowej.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>Nie można odnaleźć folderu lokalnego %1. Podłącz ponownie dysk, na którym się znajduje, lub wybierz folder jeszcze raz.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adres serwera</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Nie wiesz, od czego zacząć? Kliknij „Pomoc”, aby otworzyć podręcznik użytkownika.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>Lokalna baza danych jest uszkodzona. Uruchom ponownie aplikację Nimbora Backup.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Twoje pliki – bezpieczne w kopii zapasowej.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Używaj monochromatycznej ikony w zasobniku systemowym</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>Folder udostępniony na serwerze nie jest zamontowany. Zamontuj go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Otwórz Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>Serwer przesłał odpowiedź, której nie można zinterpretować. Zaktualizuj aplikację Nimbora Backup i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>Dysk z folderem objętym kopią zapasową nie jest zamontowany. Podłącz dysk i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odłącz</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Dysk jest pełny. Zwolnij trochę miejsca i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktualne</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>Na dysku z wybranym folderem brakuje wolnego miejsca. Zwolnij miejsce lub wybierz inny folder.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Wszelkie prawa zastrzeżone. Ten program jest chroniony prawem autorskim i umowami międzynarodowymi. Nieuprawnione kopiowanie lub rozpowszechnianie tego programu lub jakiejkolwiek jego części może skutkować odpowiedzialnością cywilną i karną.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>Tworzenie kopii zapasowej nie powiodło się. Sprawdź, czy serwer jest osiągalny, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ręczna konfiguracja proxy</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Miejsce docelowe kopii zapasowej</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>To konto korzysta z weryfikacji dwuetapowej. Wprowadź kod weryfikacyjny.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Odłączyć ten komputer od serwera? Tworzenie kopii zapasowej zostanie zatrzymane; pliki na tym komputerze i na serwerze zostaną zachowane.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Trwa przygotowywanie aplikacji Nimbora Backup...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Nie wybrano żadnego folderu. Wybierz co najmniej jeden folder, którego kopię zapasową chcesz utworzyć.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Używaj systemowych ustawień proxy</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Zmień folder</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Źródło kopii zapasowej</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Wprowadź nazwę użytkownika proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>Certyfikat SSL serwera zmienił się od ostatniego połączenia. Kontynuuj tylko wtedy, gdy ufasz temu serwerowi.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odłączanie...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Szyfruj połączenie za pomocą SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktywność</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>Wybrany folder jest tylko do odczytu. Aplikacja Nimbora Backup może utworzyć jego kopię zapasową, ale nie może przywracać do niego plików.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>Masz tylko uprawnienia do odczytu tego folderu.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Aktualizuj teraz</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Uruchom ponownie aplikację %1, aby zastosować nowe ustawienia języka.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Wprowadź numer portu z zakresu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Przesyłanie</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>Certyfikat SSL został zmieniony.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>Ten serwer nie zezwala na połączenia z Twojego adresu IP. Skontaktuj się z administratorem.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testowanie połączenia...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Nie można nawiązać bezpiecznego połączenia z serwerem: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Połącz się z serwerem</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>Kod weryfikacyjny jest nieprawidłowy. Wprowadź aktualny kod z aplikacji uwierzytelniającej.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>W miejscu docelowym istnieje już folder o tej nazwie. Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Aplikacja Nimbora Backup przechowuje kopie wybranych folderów na Twoim serwerze i aktualizuje je przy każdej zmianie plików.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>Nie masz uprawnień dostępu do wybranego folderu. Wybierz inny folder lub poproś administratora o dostęp.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Twój limit przestrzeni dyskowej na serwerze został wyczerpany. Zwolnij miejsce lub poproś administratora o zwiększenie limitu.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Kliknij dwukrotnie, aby edytować rozszerzenie pliku.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maksymalny rozmiar pliku (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Tworzenie kopii zapasowej...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>Miejsce docelowe osiągnęło limit przestrzeni dyskowej. Zwolnij miejsce na serwerze lub wybierz inne miejsce docelowe.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Zbyt wiele nieudanych prób logowania. Odczekaj kilka minut i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB oznacza brak limitu.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Wystąpił nieoczekiwany błąd. Uruchom ponownie aplikację Nimbora Backup.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Nie można uruchomić aplikacji Nimbora Backup. Uruchom ponownie komputer lub zainstaluj ponownie aplikację Nimbora Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>Zadanie kopii zapasowej na serwerze nie należy do tego komputera. Skonfiguruj kopię zapasową ponownie.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Wybierz folder na serwerze, w którym przechowywana jest Twoja kopia zapasowa.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>Testowe logowanie nie powiodło się. Sprawdź nazwę użytkownika i hasło.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Domyślny język systemu</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Zaufaj i kontynuuj</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Wybierz foldery na tym komputerze, których kopię zapasową chcesz utworzyć.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Administrator wymaga weryfikacji dwuetapowej dla tego konta. Włącz ją w przeglądarce internetowej, a następnie zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Wprowadź adres i port serwera proxy.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Twoje konto zostało wyłączone. Skontaktuj się z administratorem.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>Inny komputer już tworzy kopię zapasową w tym miejscu docelowym. Wybierz inne miejsce docelowe, aby jego pliki nie zostały nadpisane.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Nie można utworzyć kopii zapasowej żadnego z wybranych folderów. Sprawdź, czy istnieją i czy masz uprawnienia do ich odczytu.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Plik w użyciu</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>Oprogramowanie serwera jest zbyt stare dla tej wersji aplikacji Nimbora Backup. Poproś administratora o aktualizację serwera.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Wybierz folder na tym komputerze</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Podaj rozmiar pliku z zakresu 0–10240000 MB; 0 MB oznacza brak limitu.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Zachowuj pliki na serwerze po ich usunięciu z tego komputera</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Połączenie nie powiodło się. Sprawdź ustawienia sieci i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Wybierz foldery do kopii zapasowej</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Niektóre z wybranych folderów są tylko do odczytu. Ich pliki mogą zostać objęte kopią zapasową, ale nie będzie można przywrócić ich do tych folderów. Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Ostrzeżenie o zabezpieczeniach</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Pobieranie aktualizacji...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Witamy w aplikacji Nimbora Backup. Ten kreator połączy Cię z serwerem i pomoże wybrać, co ma być objęte kopią zapasową.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Nazwa użytkownika proxy</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Połącz przez przekaźnik LinkWarp</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Wystąpił błąd (kod błędu: %1). Skontaktuj się z pomocą techniczną online firmy Zorvane.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>Folder docelowy już nie istnieje na serwerze. Wybierz inne miejsce docelowe.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Przygotowywanie</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>Masz tylko uprawnienia do odczytu folderu docelowego. Wybierz folder, w którym możesz zapisywać.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Zatrzymano z powodu błędu</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Dostępna jest nowa wersja. Kliknij, aby zaktualizować.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>Administrator wyłączył automatyczne logowanie. Zaloguj się ręcznie.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>Wybrany folder pokrywa się z folderem, który jest już objęty kopią zapasową. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Przetwarzanie plików: %1...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Wykluczone foldery</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>Nie masz uprawnień do zapisu w folderze udostępnionym na serwerze. Poproś administratora o dostęp.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Pliki z tymi rozszerzeniami nie są uwzględniane w kopii zapasowej:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Nieprawidłowa nazwa użytkownika lub hasło.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Nie udało się zaktualizować bazy danych Nimbora. Uruchom ponownie lub zainstaluj ponownie aplikację Nimbora Backup, aby wznowić synchronizację.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Wyszukiwanie serwerów w sieci lokalnej...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Uruchom teraz</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Przetwarzanie: %1...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Serwer proxy wymaga uwierzytelnienia</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Konfiguracja folderów kopii zapasowej</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Nie można utworzyć sesji na serwerze. Zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Aplikacja Nimbora Backup jest gotowa do pracy.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Ta wersja aplikacji Nimbora Backup jest zbyt stara dla serwera. Zaktualizuj aplikację Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Wykluczone typy plików</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Stosowanie ustawień...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizowanie...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Znajdź serwery w sieci lokalnej</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Uruchamiaj aplikację Nimbora Backup po zalogowaniu</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Sprawdź poniższe ustawienia, a następnie kliknij „Gotowe”, aby rozpocząć tworzenie kopii zapasowej.</translation>
    </message>
</context>
</TS>
