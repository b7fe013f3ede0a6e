<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Son yedekleme: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>%1 önekli dosya ve klasörleri yedekle.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Devam etmek için lütfen parolanızı girin.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>Kaydedilen bağlantı kimliği artık geçerli değil. Lütfen sunucu adresinizle yeniden oturum açın.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Seçilen klasör yedeklenemiyor. Lütfen başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Yedekleme sunucunuzun adresini ve oturum açmak için kullanılacak hesabı girin.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>Bu görevin yedekleme yönü sunucudaki ayarlarla eşleşmiyor. Lütfen görevi yeniden yapılandırın.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Kimlik doğrulayıcı uygulamanızdaki doğrulama kodunu girin:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>Paylaşılan %1 klasörü kotasına ulaştı. Sunucuda yer açın veya yöneticinizden kotayı artırmasını isteyin.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Güvenilmeyen SSL sertifikası</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Ara sunucu</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Bu bilgisayarda yedeklenecek klasörleri ve bunların sunucuda nerede saklanacağını seçin.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>Sunucudaki yedekleme hedefi değişti. Lütfen yedekleme ayarlarınızı kontrol edin.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>Yerel %1 klasörü bulunamıyor. Klasörün bulunduğu sürücüyü yeniden bağlayın veya klasörü yeniden seçin.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Sunucu adresi</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Başlamak için yardıma mı ihtiyacınız var? Kullanıcı kılavuzunu açmak için “Yardım” düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>Yerel veritabanı bozuk. Lütfen Nimbora Backup&apos;ı yeniden başlatın.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Dosyalarınız güvenle yedekte.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Bildirim alanında tek renkli simge kullan</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>Sunucudaki paylaşılan klasör bağlı değil. Lütfen klasörü bağlayıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Nimbora Backup&apos;ı aç</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>Sunucu anlaşılamayan bir yanıt gönderdi. Lütfen Nimbora Backup&apos;ı güncelleyip yeniden deneyin.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>Yedeklenen klasörün bulunduğu sürücü bağlı değil. Sürücüyü bağlayıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Bağlantıyı kaldır</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Disk dolu. Biraz yer açıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Güncel</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>Seçilen klasörün bulunduğu diskte yeterli boş alan yok. Yer açın veya başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Telif hakkı © %1 Zorvane. Tüm hakları saklıdır. Bu program, telif hakkı yasaları ve uluslararası antlaşmalarla korunmaktadır. Bu programın veya herhangi bir bölümünün izinsiz olarak kopyalanması ya da dağıtılması hukuki ve cezai yaptırımlara yol açabilir.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>Yedekleme başarısız oldu. Lütfen sunucuya erişilebildiğinden emin olup yeniden deneyin.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ara sunucuyu el ile yapılandır</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Yedekleme hedefi</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Bu hesapta iki adımlı doğrulama kullanılıyor. Lütfen doğrulama kodunuzu girin.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Bu bilgisayarın sunucuyla bağlantısı kaldırılsın mı? Yedekleme durur; bu bilgisayardaki ve sunucudaki dosyalarınız korunur.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Nimbora Backup başlatılıyor…</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Hiçbir klasör seçilmedi. Lütfen yedeklemek için en az bir klasör seçin.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Sistemin ara sunucu ayarlarını kullan</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Klasörü değiştir</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Yedekleme kaynağı</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Lütfen ara sunucu kullanıcı adını girin.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>Sunucunun SSL sertifikası son bağlantınızdan bu yana değişti. Yalnızca bu sunucuya güveniyorsanız devam edin.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Bağlantı kaldırılıyor…</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Bağlantıyı şifrelemek için SSL kullan</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Etkinlik</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>Seçilen klasör salt okunur. Nimbora Backup bu klasörü yedekleyebilir ancak klasöre dosya geri yükleyemez.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>Bu klasöre yalnızca okuma erişiminiz var.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Şimdi güncelle</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Yeni dil ayarlarını uygulamak için lütfen %1 uygulamasını yeniden başlatın.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Lütfen 1 ile 65535 arasında bir bağlantı noktası numarası girin.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Karşıya yükleniyor</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>SSL sertifikası değişti.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>IP adresinizin bu sunucuya bağlanmasına izin verilmiyor. Lütfen yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Bağlantı test ediliyor…</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Sunucuyla güvenli bağlantı kurulamadı: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Şimdi değil</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Bağlantı noktası</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Sunucunuza bağlanın</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>Doğrulama kodu yanlış. Lütfen kimlik doğrulayıcı uygulamanızdaki güncel kodu girin.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>Hedefte bu ada sahip bir klasör zaten var. Lütfen başka bir ad seçin.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup, seçtiğiniz klasörlerin kopyalarını sunucunuzda saklar ve dosyalarınız her değiştiğinde bu kopyaları günceller.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Bağlanıyor…</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Etkin</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>Seçilen klasöre erişim izniniz yok. Lütfen başka bir klasör seçin veya yöneticinizden erişim izni isteyin.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Sunucudaki depolama kotanız doldu. Yer açın veya yöneticinizden kotanızı artırmasını isteyin.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dosya uzantısını düzenlemek için çift tıklayın.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>En büyük dosya boyutu (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Yedekleniyor…</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>Hedef, depolama kotasına ulaştı. Sunucuda yer açın veya başka bir hedef seçin.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Çok fazla başarısız oturum açma denemesi yapıldı. Lütfen birkaç dakika bekleyip yeniden deneyin.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB, sınır olmadığı anlamına gelir.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Beklenmeyen bir hata oluştu. Lütfen Nimbora Backup&apos;ı yeniden başlatın.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Nimbora Backup başlatılamadı. Lütfen bilgisayarınızı yeniden başlatın veya Nimbora Backup&apos;ı yeniden yükleyin.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>Sunucudaki yedekleme görevi bu bilgisayara ait değil. Lütfen yedeklemeyi yeniden yapılandırın.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Sunucuda yedeğinizin saklanacağı klasörü seçin.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>Oturum açma testi başarısız oldu. Lütfen kullanıcı adınızı ve parolanızı kontrol edin.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Güven ve devam et</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Bu bilgisayarda yedeklemek istediğiniz klasörleri seçin.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Yöneticiniz bu hesap için iki adımlı doğrulamayı zorunlu kılıyor. Lütfen web tarayıcınızda bu özelliği açın ve ardından yeniden oturum açın.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Lütfen ara sunucu adresini ve bağlantı noktasını girin.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Hesabınız devre dışı bırakıldı. Lütfen yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>Başka bir bilgisayar zaten bu hedefe yedekleme yapıyor. O bilgisayarın dosyalarının üzerine yazılmaması için başka bir hedef seçin.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Seçilen klasörlerin hiçbiri yedeklenemiyor. Lütfen klasörlerin var olduğunu ve bunları okuyabildiğinizi kontrol edin.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Dosya kullanımda</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ara sunucu kullanma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>Sunucu yazılımı, Nimbora Backup&apos;ın bu sürümü için çok eski. Lütfen yöneticinizden sunucuyu güncellemesini isteyin.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Bu bilgisayarda bir klasör seçin</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>0 ile 10240000 MB arasında bir dosya boyutu belirtin; 0 MB sınırsız anlamına gelir.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Bu bilgisayarda silinen dosyaları sunucuda tut</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Bağlantı kurulamadı. Lütfen ağ ayarlarınızı kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Yedeklenecek klasörleri seçin</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Seçilen klasörlerden bazıları salt okunur. Bu klasörlerdeki dosyalar yedeklenebilir ancak klasörlere geri yüklenemez. Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Güvenlik uyarısı</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Bekliyor</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Güncelleme indiriliyor…</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Nimbora Backup&apos;a hoş geldiniz. Bu sihirbaz sizi sunucunuza bağlar ve neleri yedekleyeceğinizi seçmenize yardımcı olur.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Ara sunucu kullanıcı adı</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>LinkWarp aktarma sunucusu üzerinden bağlan</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Hesap</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Bir hata oluştu (hata kodu: %1). Yardım için lütfen Zorvane Çevrimiçi Destek ekibine başvurun.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>Hedef klasör artık sunucuda yok. Lütfen başka bir hedef seçin.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Hazırlanıyor</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>Hedef klasöre yalnızca okuma erişiminiz var. Lütfen yazma izniniz olan bir klasör seçin.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Bir hata nedeniyle durduruldu</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Yeni bir sürüm mevcut. Güncellemek için tıklayın.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Salt okunur</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>Otomatik oturum açma, yöneticiniz tarafından kapatıldı. Lütfen el ile oturum açın.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>Seçilen klasör, zaten yedeklenen bir klasörle çakışıyor. Lütfen başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 dosya işleniyor…</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Hariç tutulan klasörler</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>Sunucudaki paylaşılan klasöre yazma izniniz yok. Lütfen yöneticinizden erişim izni isteyin.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Bu uzantılara sahip dosyalar yedeklenmez:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Kullanıcı adı veya parola yanlış.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Nimbora veritabanı güncellenemedi. Eşitlemeyi sürdürmek için lütfen Nimbora Backup&apos;ı yeniden başlatın veya yeniden yükleyin.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Yerel ağdaki sunucular aranıyor…</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Şimdi başlat</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>%1 işleniyor…</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Ara sunucu kimlik doğrulaması gerektiriyor</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Yedekleme klasörlerini ayarlayın</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Sunucuda oturum oluşturulamadı. Lütfen yeniden oturum açın.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup hazır.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Nimbora Backup&apos;ın bu sürümü, sunucu için çok eski. Lütfen Nimbora Backup&apos;ı güncelleyin.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Hariç tutulan dosya türleri</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Ayarlar uygulanıyor…</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Güncelleniyor…</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Yerel ağdaki sunucuları bul</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Oturum açtığımda Nimbora Backup&apos;ı başlat</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Aşağıdaki ayarları kontrol edin, ardından yedeklemeyi başlatmak için “Bitti” düğmesine tıklayın.</translation>
    </message>
</context>
</TS>
